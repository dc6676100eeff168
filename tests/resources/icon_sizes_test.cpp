#include "resources/icon_sizes.h"

#include <gtest/gtest.h>

#include <QImage>
#include <set>

namespace quorvane {
namespace {

constexpr int N = AppIconPicture::Size;

std::uint32_t At(const std::vector<std::uint32_t>& pixels, int size, int x, int y) {
  return pixels[static_cast<size_t>(y) * size + x];
}

TEST(IconSizesTest, WholeMultiplesRepeatEachPixel) {
  const AppIconPicture& icon = BuildAppIcon();
  for (int size : {32, 64, 128, 256}) {
    const std::vector<std::uint32_t> scaled = ScaledIcon(icon, size);
    ASSERT_EQ(scaled.size(), static_cast<size_t>(size * size));
    const int k = size / N;
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x)
        ASSERT_EQ(At(scaled, size, x, y), icon.At(x / k, y / k)) << size << " at " << x << "," << y;
  }
}

TEST(IconSizesTest, OtherSizesTakeEachPixelFromTheAreaItCoversWithoutMixing) {
  const AppIconPicture& icon = BuildAppIcon();
  for (int size : {16, 24, 48}) {
    const std::vector<std::uint32_t> scaled = ScaledIcon(icon, size);
    ASSERT_EQ(scaled.size(), static_cast<size_t>(size * size));
    std::set<std::uint32_t> colours;
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        // Every colour must be one found under this pixel in the original:
        // no blend, no neighbour's colour bleeding in.
        std::set<std::uint32_t> under;
        for (int oy = y * N / size; oy * size < (y + 1) * N; ++oy)
          for (int ox = x * N / size; ox * size < (x + 1) * N; ++ox) under.insert(icon.At(ox, oy));
        const std::uint32_t pixel = At(scaled, size, x, y);
        ASSERT_TRUE(under.count(pixel)) << size << " at " << x << "," << y << ": " << std::hex << pixel;
        colours.insert(pixel);
      }
    }
    // The picture's parts are all still there: background, outline, head,
    // disc and its rim, the white of the eye.
    for (std::uint32_t colour : {0x00000000u, 0xFF000000u, 0xFF00FF00u, 0xFF0000FFu, 0xFF000080u, 0xFFFFFFFFu})
      EXPECT_TRUE(colours.count(colour)) << size << " lost " << std::hex << colour;
  }
}

TEST(IconSizesTest, ShrinkKeepsTheHeadLowerLeftAndTheDiscUpperRight) {
  const std::vector<std::uint32_t> small = ScaledIcon(BuildAppIcon(), 16);
  int greenLowerLeft = 0, blueUpperRight = 0, stray = 0;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const std::uint32_t pixel = At(small, 16, x, y);
      const bool lowerLeft = x < 12 && y >= 5, upperRight = x >= 9 && y < 7;
      greenLowerLeft += pixel == 0xFF00FF00u && lowerLeft;
      blueUpperRight += pixel == 0xFF0000FFu && upperRight;
      stray += (pixel == 0xFF00FF00u && !lowerLeft) + (pixel == 0xFF0000FFu && !upperRight && y < 5);
    }
  }
  EXPECT_GT(greenLowerLeft, 30);
  EXPECT_GT(blueUpperRight, 8);
  EXPECT_EQ(stray, 0);
  EXPECT_THROW(ScaledIcon(BuildAppIcon(), 0), std::invalid_argument);
}

// The build's icon theme holds exactly these pictures.
TEST(IconSizesTest, BuiltThemeFilesMatch) {
  for (int size : kThemeIconSizes) {
    const QString file = QStringLiteral(QUORVANE_ICON_THEME "/%1x%1/apps/" QUORVANE_APP_ID ".png").arg(size);
    QImage image(file);
    ASSERT_FALSE(image.isNull()) << file.toStdString();
    ASSERT_EQ(image.size(), QSize(size, size));
    image = image.convertToFormat(QImage::Format_ARGB32);
    const std::vector<std::uint32_t> expected = ScaledIcon(BuildAppIcon(), size);
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) {
        const QRgb pixel = image.pixel(x, y);
        // A transparent pixel's colour does not matter.
        ASSERT_EQ(qAlpha(pixel) == 0 ? 0u : pixel, At(expected, size, x, y)) << size << " at " << x << "," << y;
      }
  }
}

}  // namespace
}  // namespace quorvane
