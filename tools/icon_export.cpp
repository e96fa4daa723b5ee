// Writes the program's icon, drawn as 16-colour grids in layouts/Icons.cpp, in
// the two forms the platforms want: PNGs for the freedesktop hicolor theme and
// a Windows .ico for the resource script.
//
//   tekuran-icon-export OUTPUT_DIR NAME
//
// writes OUTPUT_DIR/hicolor/<N>x<N>/apps/NAME.png for N in 16, 32, 48, 128 and
// 256, and OUTPUT_DIR/NAME.ico with the 32 and 16 pixel pictures. The build
// runs it, so no generated picture is kept in the source tree.

#include "layouts/Icons.h"

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QList>
#include <QString>

#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string_view>

namespace {

QList<QRgb> colorTable()
{
    QList<QRgb> table;
    for (const std::uint32_t rgb : app::kIconPalette)
        table.push_back(0xff000000u | rgb);
    return table;
}

enum class Grid { Small, Large };

// The grid as palette indexes, each designed pixel a factor x factor square,
// or nothing if it is not a size x size grid of palette characters: a
// malformed picture must stop the build, not ship. Whole-number
// nearest-neighbour scaling keeps the picture crisp; a smoothing filter would
// invent colours outside the 16.
std::optional<QImage> indexedImage(const app::IconImage& grid, int factor)
{
    if (grid.size <= 0 || grid.rows.size() != static_cast<std::size_t>(grid.size))
        return std::nullopt;
    const int size = grid.size * factor;
    QImage image(size, size, QImage::Format_Indexed8);
    image.setColorTable(colorTable());
    for (int y = 0; y < size; ++y) {
        const std::string_view row = grid.rows[static_cast<std::size_t>(y / factor)];
        if (row.size() != static_cast<std::size_t>(grid.size))
            return std::nullopt;
        for (int x = 0; x < size; ++x) {
            const int index = app::iconPaletteIndex(row[static_cast<std::size_t>(x / factor)]);
            if (index < 0)
                return std::nullopt;
            image.setPixel(x, y, static_cast<uint>(index));
        }
    }
    return image;
}

struct PngSize {
    int pixels;
    Grid grid;
    int factor;
};

// Each theme size comes from the grid that divides it, so no size mixes
// pixels of two designs.
constexpr std::array<PngSize, 5> kPngSizes = {{
    {16, Grid::Small, 1},
    {32, Grid::Large, 1},
    {48, Grid::Small, 3},
    {128, Grid::Large, 4},
    {256, Grid::Large, 8},
}};

void putU16(QByteArray& out, int value)
{
    out.append(static_cast<char>(value & 0xff));
    out.append(static_cast<char>((value >> 8) & 0xff));
}

void putU32(QByteArray& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.append(static_cast<char>((value >> shift) & 0xff));
}

// Rows of a BMP are padded to whole 32-bit words.
int strideBytes(int bitsPerRow)
{
    return (bitsPerRow + 31) / 32 * 4;
}

// One icon image as Windows stores it in an .ico: a BITMAPINFOHEADER whose
// height counts the colour bitmap and the AND mask together, the 16-colour
// table as blue-green-red-zero quads, then the 4-bit colour rows and the 1-bit
// mask rows, both bottom row first. The mask is all zero: every pixel opaque.
QByteArray icoImage(const QImage& image)
{
    const int size = image.width();
    const int colorStride = strideBytes(size * 4);
    const int maskStride = strideBytes(size);
    QByteArray out;
    putU32(out, 40); // biSize
    putU32(out, static_cast<std::uint32_t>(size));
    putU32(out, static_cast<std::uint32_t>(size * 2));
    putU16(out, 1); // biPlanes
    putU16(out, 4); // biBitCount
    putU32(out, 0); // biCompression: BI_RGB
    putU32(out, static_cast<std::uint32_t>((colorStride + maskStride) * size));
    putU32(out, 0); // biXPelsPerMeter
    putU32(out, 0); // biYPelsPerMeter
    putU32(out, 16); // biClrUsed
    putU32(out, 0); // biClrImportant
    for (const QRgb color : colorTable()) {
        out.append(static_cast<char>(qBlue(color)));
        out.append(static_cast<char>(qGreen(color)));
        out.append(static_cast<char>(qRed(color)));
        out.append('\0');
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(colorStride, '\0');
        for (int x = 0; x < size; ++x) {
            const int index = image.pixelIndex(x, y);
            // The left pixel of each pair sits in the high nibble.
            row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
        }
        out.append(row);
    }
    out.append(QByteArray(maskStride * size, '\0'));
    return out;
}

// An ICONDIR, one ICONDIRENTRY per image, then the images.
QByteArray icoFile(const std::array<QImage, 2>& images)
{
    constexpr int kDirBytes = 6;
    constexpr int kEntryBytes = 16;
    QByteArray header;
    QByteArray body;
    putU16(header, 0); // reserved
    putU16(header, 1); // type: icon
    putU16(header, static_cast<int>(images.size()));
    std::uint32_t offset = kDirBytes + kEntryBytes * static_cast<std::uint32_t>(images.size());
    for (const QImage& image : images) {
        const QByteArray data = icoImage(image);
        header.append(static_cast<char>(image.width()));
        header.append(static_cast<char>(image.height()));
        header.append(static_cast<char>(16)); // colours in the table
        header.append('\0'); // reserved
        putU16(header, 1); // planes
        putU16(header, 4); // bits per pixel
        putU32(header, static_cast<std::uint32_t>(data.size()));
        putU32(header, offset);
        offset += static_cast<std::uint32_t>(data.size());
        body.append(data);
    }
    return header + body;
}

bool writeFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.flush();
}

int fail(const QString& message)
{
    std::fprintf(stderr, "tekuran-icon-export: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: tekuran-icon-export OUTPUT_DIR NAME\n");
        return 2;
    }
    const QString outputDir = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);

    const std::optional<QImage> small = indexedImage(layouts::kTitleIcon.small, 1);
    const std::optional<QImage> large = indexedImage(layouts::kTitleIcon.large, 1);
    if (!small || small->width() != 16 || !large || large->width() != 32)
        return fail(QStringLiteral("the program icon is not a 16 and a 32 pixel grid of palette characters"));

    // The grids passed the check above, and scaling them cannot fail.
    for (const PngSize& png : kPngSizes) {
        const app::IconImage& grid = png.grid == Grid::Large ? layouts::kTitleIcon.large : layouts::kTitleIcon.small;
        const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(outputDir).arg(png.pixels);
        const QString path = QStringLiteral("%1/%2.png").arg(dir, name);
        if (!QDir().mkpath(dir) || !indexedImage(grid, png.factor)->save(path, "PNG"))
            return fail(QStringLiteral("cannot write %1").arg(path));
    }

    const QString icoPath = QStringLiteral("%1/%2.ico").arg(outputDir, name);
    if (!writeFile(icoPath, icoFile({*large, *small})))
        return fail(QStringLiteral("cannot write %1").arg(icoPath));
    return 0;
}
