#include "resources/app_icon.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "support/tile_pixel.h"

namespace quorvane {
namespace {

constexpr int N = AppIconPicture::Size;
constexpr std::uint32_t Green = 0xFF00FF00, Blue = 0xFF0000FF, Navy = 0xFF000080, White = 0xFFFFFFFF;

TEST(AppIconTest, IsOpaquePaletteColoursOnATransparentBackground) {
  const auto& pixels = BuildAppIcon().Pixels;
  for (std::uint32_t pixel : pixels) {
    if (pixel == 0) continue;
    ASSERT_EQ(pixel >> 24, 0xFFu) << std::hex << pixel;
    ASSERT_THAT(IconPalette(), ::testing::Contains(pixel & 0xFFFFFF)) << std::hex << pixel;
  }
  EXPECT_GT(std::ranges::count(pixels, 0u), N * N / 4);
}

TEST(AppIconTest, ShowsAnOutlinedHeadBelowAnOutlinedDisc) {
  const AppIconPicture& icon = BuildAppIcon();
  auto at = [&](int x, int y) { return (x < 0 || y < 0 || x >= N || y >= N) ? ~0u : icon.At(x, y); };
  int headGreen = 0, discBlue = 0, eyeWhite = 0;
  testing::ForEachPixel(N, N, [&](int x, int y) {
    const std::uint32_t pixel = icon.At(x, y);
    const bool upperRight = x >= N / 2 && y < N / 2;
    headGreen += pixel == Green && x < N / 2 && y >= N / 2;
    discBlue += pixel == Blue && upperRight;
    eyeWhite += pixel == White;
    if (pixel == Green) {
      EXPECT_GE(y, N / 3) << "head reaches up into the disc at " << x << "," << y;
    }
    for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
      const std::uint32_t next = at(x + dx, y + dy);
      // Green never meets the background; the disc's blue meets only its rim.
      if (pixel == Green) {
        EXPECT_NE(next, 0u) << x << "," << y;
      }
      if (pixel == Blue && upperRight) {
        EXPECT_TRUE(next == Blue || next == Navy) << x << "," << y;
      }
    }
  });
  EXPECT_GT(headGreen, 150);
  EXPECT_GT(discBlue, 40);
  EXPECT_GT(eyeWhite, 0);
}

}  // namespace
}  // namespace quorvane
