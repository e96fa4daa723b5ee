#include "app/qt/IconImages.h"

#include <QPixmap>

#include <array>
#include <cstdint>

namespace qtshell {

namespace {

// The standard 16-colour palette, in index order.
constexpr std::array<std::uint32_t, 16> kPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

int paletteIndex(char pixel)
{
    if (pixel >= '0' && pixel <= '9')
        return pixel - '0';
    if (pixel >= 'a' && pixel <= 'f')
        return pixel - 'a' + 10;
    if (pixel >= 'A' && pixel <= 'F')
        return pixel - 'A' + 10;
    return -1;
}

} // namespace

QColor paletteColor(char pixel)
{
    const int index = paletteIndex(pixel);
    if (index < 0)
        return QColor(Qt::transparent);
    return QColor::fromRgb(static_cast<QRgb>(kPalette[static_cast<std::size_t>(index)]));
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
