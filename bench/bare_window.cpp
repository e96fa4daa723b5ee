// The baseline for start-up: a bare Qt 6 window with one Japanese label on
// the title screen's background colour, so that bench-startup finds its
// first paint the same way as the program's.

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication toolkit(argc, argv);
    QLabel label(QStringLiteral("テク・ラン  Ver 1.0"));
    label.setStyleSheet(QStringLiteral("background: #C0FFFF"));
    label.resize(473, 229);
    label.show();
    return QApplication::exec();
}
