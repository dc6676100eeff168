#include "resources/icon_sizes.h"

#include <gtest/gtest.h>

#include <QImage>
#include <set>

#include "support/tile_pixel.h"

namespace quorvane {
namespace {

constexpr int N = AppIconPicture::Size;

// Reads the icons the build drew for the theme, so the generator and the
// scaling are checked together.
TEST(IconSizesTest, ThemeIconsRepeatOrPickACoveredColourNeverABlend) {
  const AppIconPicture& icon = BuildAppIcon();
  for (int size : kThemeIconSizes) {
    SCOPED_TRACE(size);
    const QString file = QStringLiteral(QUORVANE_ICON_THEME "/%1x%1/apps/" QUORVANE_APP_ID ".png").arg(size);
    const QImage image = QImage(file).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(size, size)) << file.toStdString();
    std::set<QRgb> colours;
    testing::ForEachPixel(size, size, [&](int x, int y) {
      const QRgb pixel = qAlpha(image.pixel(x, y)) == 0 ? 0 : image.pixel(x, y);
      colours.insert(pixel);
      if (size % N == 0) {
        ASSERT_EQ(pixel, icon.At(x * N / size, y * N / size)) << x << "," << y;
        return;
      }
      // One of the colours under this pixel in the original.
      std::set<QRgb> under;
      for (int oy = y * N / size; oy * size < (y + 1) * N; ++oy)
        for (int ox = x * N / size; ox * size < (x + 1) * N; ++ox) under.insert(icon.At(ox, oy));
      ASSERT_TRUE(under.count(pixel)) << x << "," << y << ": " << std::hex << pixel;
    });
    // Background, outline, head, its underside, disc, rim and the eye's white
    // all survive, even at 16 pixels.
    for (QRgb colour : {0x0u, 0xFF000000u, 0xFF00FF00u, 0xFF008000u, 0xFF0000FFu, 0xFF000080u, 0xFFFFFFFFu})
      EXPECT_TRUE(colours.count(colour)) << "lost " << std::hex << colour;
  }
  EXPECT_THROW(ScaledIcon(icon, 0), std::invalid_argument);
}

}  // namespace
}  // namespace quorvane
