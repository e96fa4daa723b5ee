#include "app/qt/Geometry.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace qtshell {

double logicalDpi()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return screen->logicalDotsPerInch();
    return 96.0;
}

int twipsToPixels(int twips, double dpi)
{
    return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

QRect widgetRect(const app::WidgetDesc& desc, double dpi)
{
    const int left = twipsToPixels(desc.left, dpi);
    const int top = twipsToPixels(desc.top, dpi);
    const int right = twipsToPixels(desc.left + desc.width, dpi);
    const int bottom = twipsToPixels(desc.top + desc.height, dpi);
    return QRect(left, top, right - left, bottom - top);
}

QRect clientRect(const app::ScreenDesc& desc, double dpi)
{
    return QRect(twipsToPixels(desc.left, dpi), twipsToPixels(desc.top, dpi), twipsToPixels(desc.width, dpi),
                 twipsToPixels(desc.height, dpi));
}

} // namespace qtshell
