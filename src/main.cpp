// テク・ラン: the program starts on the title screen and runs until END.

#include "app/Application.h"
#include "app/Clock.h"
#include "app/qt/IconImages.h"
#include "app/qt/QtShell.h"
#include "game/RandomSource.h"
#include "layouts/Icons.h"
#include "screens/Screens.h"
#include "tekuran/Version.h"

#include <QApplication>

int main(int argc, char** argv)
{
    qtshell::QtShell::prepareToolkit();
    QApplication toolkit(argc, argv);
    QApplication::setApplicationName(QStringLiteral("テク・ラン"));
    QApplication::setApplicationVersion(QString::fromLatin1(tekuran::kVersion));
    QApplication::setDesktopFileName(QString::fromLatin1(tekuran::kAppId));
    // The title screen's icon is the program's.
    QApplication::setWindowIcon(qtshell::toQIcon(layouts::kTitleIcon));

    app::SteadyClock clock;
    app::Application program(clock);
    game::UnseededRandom random;
    screens::addAll(program, random);

    qtshell::QtShell shell(program, clock);
    return shell.run();
}
