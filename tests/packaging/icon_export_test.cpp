// Checks the icon files the build drew with tekuran-icon-export against the
// design grids: every pixel of every theme size, and the Windows .ico both as
// bytes and as Qt's own ICO reader decodes it, so that a fault in the
// hand-written format (row order, nibble order, colour order) shows up as
// wrong pixels.

#include "layouts/Icons.h"
#include "tekuran/Version.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QString>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <ostream>
#include <string>

namespace {

// The Windows 16-colour palette, written out here independently of the tool.
constexpr std::array<QRgb, 16> kWindowsColors = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};

QRgb designedColor(const app::IconImage& grid, int x, int y)
{
    const char pixel = grid.rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
    const int index = pixel <= '9' ? pixel - '0' : pixel - 'a' + 10;
    return kWindowsColors[static_cast<std::size_t>(index)];
}

// Compares the whole picture but reports only the first wrong pixel: one
// fault usually spoils thousands.
void expectDesign(const QImage& picture, const app::IconImage& grid, int factor)
{
    ASSERT_EQ(picture.width(), grid.size * factor);
    ASSERT_EQ(picture.height(), grid.size * factor);
    const QImage rgb = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb expected = designedColor(grid, x / factor, y / factor);
            if (rgb.pixel(x, y) != expected) {
                ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << std::hex << rgb.pixel(x, y)
                              << ", designed " << expected;
                return;
            }
        }
    }
}

QString iconPath(const QString& relative)
{
    return QStringLiteral(TEKURAN_TEST_ICON_DIR "/") + relative;
}

struct ThemeSize {
    const char* name;
    int pixels;
    const app::IconImage* grid;
    int factor;
};

void PrintTo(const ThemeSize& size, std::ostream* out)
{
    *out << size.name;
}

class ThemeIcon : public testing::TestWithParam<ThemeSize> {};

TEST_P(ThemeIcon, IsTheDesignScaledByWholePixels)
{
    const ThemeSize& size = GetParam();
    const QString path =
        iconPath(QStringLiteral("hicolor/%1x%1/apps/%2.png").arg(size.pixels).arg(QLatin1String(tekuran::kAppId)));
    const QImage picture(path);
    ASSERT_FALSE(picture.isNull()) << "cannot read " << path.toStdString();
    expectDesign(picture, *size.grid, size.factor);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ThemeIcon,
                         testing::Values(ThemeSize{"16 px from the 16 px grid", 16, &layouts::kTitleIcon.small, 1},
                                         ThemeSize{"32 px from the 32 px grid", 32, &layouts::kTitleIcon.large, 1},
                                         ThemeSize{"48 px as the 16 px grid x3", 48, &layouts::kTitleIcon.small, 3},
                                         ThemeSize{"128 px as the 32 px grid x4", 128, &layouts::kTitleIcon.large, 4},
                                         ThemeSize{"256 px as the 32 px grid x8", 256, &layouts::kTitleIcon.large, 8}),
                         [](const testing::TestParamInfo<ThemeSize>& row) {
                             return "px" + std::to_string(row.param.pixels);
                         });

QByteArray icoBytes()
{
    QFile file(iconPath(QStringLiteral("%1.ico").arg(QLatin1String(tekuran::kAppId))));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::uint32_t readU32(const QByteArray& bytes, qsizetype at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<std::uint8_t>(bytes.at(at + i));
    return value;
}

std::uint16_t readU16(const QByteArray& bytes, qsizetype at)
{
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes.at(at)) |
                                      static_cast<std::uint8_t>(bytes.at(at + 1)) << 8);
}

// The program file's icon must be a true 16-colour icon at 32 and 16 pixels,
// not a 32-bit picture that merely uses 16 colours.
TEST(WindowsIcon, HoldsThirtyTwoAndSixteenPixelImagesOfFourBitsAPixel)
{
    const QByteArray ico = icoBytes();
    ASSERT_GE(ico.size(), 6 + 2 * 16);
    EXPECT_EQ(readU16(ico, 0), 0); // reserved
    EXPECT_EQ(readU16(ico, 2), 1); // an icon, not a cursor
    ASSERT_EQ(readU16(ico, 4), 2);

    std::uint32_t expectedOffset = 6 + 2 * 16;
    const std::array<int, 2> sizes = {32, 16};
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        SCOPED_TRACE("image " + std::to_string(sizes[i]));
        const qsizetype entry = 6 + 16 * static_cast<qsizetype>(i);
        const int size = sizes[i];
        EXPECT_EQ(static_cast<std::uint8_t>(ico.at(entry)), size);
        EXPECT_EQ(static_cast<std::uint8_t>(ico.at(entry + 1)), size);
        EXPECT_EQ(static_cast<std::uint8_t>(ico.at(entry + 2)), 16); // colours
        EXPECT_EQ(readU16(ico, entry + 4), 1);                      // planes
        EXPECT_EQ(readU16(ico, entry + 6), 4);                      // bits a pixel

        // Header, 16 colours, 4-bit rows and 1-bit mask rows padded to words.
        const std::uint32_t colorRow = static_cast<std::uint32_t>((size * 4 + 31) / 32 * 4);
        const std::uint32_t maskRow = static_cast<std::uint32_t>((size + 31) / 32 * 4);
        const std::uint32_t length = 40 + 16 * 4 + (colorRow + maskRow) * static_cast<std::uint32_t>(size);
        EXPECT_EQ(readU32(ico, entry + 8), length);
        ASSERT_EQ(readU32(ico, entry + 12), expectedOffset);

        const qsizetype image = expectedOffset;
        ASSERT_LE(image + length, ico.size());
        EXPECT_EQ(readU32(ico, image), 40u);                                      // BITMAPINFOHEADER
        EXPECT_EQ(readU32(ico, image + 4), static_cast<std::uint32_t>(size));     // width
        EXPECT_EQ(readU32(ico, image + 8), static_cast<std::uint32_t>(size * 2)); // colour and mask
        EXPECT_EQ(readU16(ico, image + 14), 4);                                   // bits a pixel
        EXPECT_EQ(readU32(ico, image + 16), 0u);                                  // uncompressed
        expectedOffset += length;
    }
    EXPECT_EQ(static_cast<std::uint32_t>(ico.size()), expectedOffset);
}

TEST(WindowsIcon, DecodesToTheDesign)
{
    QImageReader reader(iconPath(QStringLiteral("%1.ico").arg(QLatin1String(tekuran::kAppId))), "ico");
    ASSERT_EQ(reader.imageCount(), 2) << reader.errorString().toStdString();
    const std::array<const app::IconImage*, 2> grids = {&layouts::kTitleIcon.large, &layouts::kTitleIcon.small};
    for (std::size_t i = 0; i < grids.size(); ++i) {
        SCOPED_TRACE("image " + std::to_string(i));
        ASSERT_TRUE(reader.jumpToImage(static_cast<int>(i)));
        const QImage picture = reader.read();
        ASSERT_FALSE(picture.isNull()) << reader.errorString().toStdString();
        expectDesign(picture, *grids[i], 1);
    }
}

} // namespace
