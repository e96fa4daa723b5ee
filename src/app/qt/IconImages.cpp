#include "app/qt/IconImages.h"

#include <QPixmap>

#include <array>
#include <cstdint>

namespace qtshell {

QColor paletteColor(char pixel)
{
    const int index = app::iconPaletteIndex(pixel);
    if (index < 0)
        return QColor(Qt::transparent);
    return QColor::fromRgb(static_cast<QRgb>(app::kIconPalette[static_cast<std::size_t>(index)]));
}

QImage toQImage(const app::IconImage& image)
{
    QImage result(image.size, image.size, QImage::Format_ARGB32);
    result.fill(Qt::transparent);
    const int rows = std::min(image.size, static_cast<int>(image.rows.size()));
    for (int y = 0; y < rows; ++y) {
        const std::string_view row = image.rows[static_cast<std::size_t>(y)];
        const int columns = std::min(image.size, static_cast<int>(row.size()));
        for (int x = 0; x < columns; ++x)
            result.setPixelColor(x, y, paletteColor(row[static_cast<std::size_t>(x)]));
    }
    return result;
}

QIcon toQIcon(const app::IconDesc& icon)
{
    QIcon result;
    for (const app::IconImage* image : {&icon.small, &icon.large}) {
        if (image->size > 0)
            result.addPixmap(QPixmap::fromImage(toQImage(*image)));
    }
    return result;
}

} // namespace qtshell
