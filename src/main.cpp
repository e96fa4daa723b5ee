// テク・ラン: the program starts on the title screen and runs until END.

#include "app/Application.h"
#include "app/Clock.h"
#include "app/qt/QtShell.h"
#include "game/RandomSource.h"
#include "screens/Screens.h"
#include "tekuran/Version.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication toolkit(argc, argv);
    QApplication::setApplicationName(QStringLiteral("テク・ラン"));
    QApplication::setApplicationVersion(QString::fromLatin1(tekuran::kVersion));
    QApplication::setDesktopFileName(QString::fromLatin1(tekuran::kAppId));

    app::SteadyClock clock;
    app::Application program(clock);
    game::UnseededRandom random;
    screens::addAll(program, random);

    qtshell::QtShell shell(program, clock);
    return shell.run();
}
