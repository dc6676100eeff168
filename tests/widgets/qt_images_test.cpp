#include "widgets/qt_images.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <memory>

#include "game/tiles.h"
#include "resources/about_logo.h"
#include "resources/app_icon.h"
#include "resources/tile_sheet.h"
#include "support/tile_pixel.h"

namespace quorvane {
namespace {

using testing::TilePixel;

// Pixmaps and icons need a running QGuiApplication.
class GuiEnvironment : public ::testing::Environment {
  int argc_ = 1;
  char name_[16] = "qt_images_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QGuiApplication> app_;
  void SetUp() override { app_ = std::make_unique<QGuiApplication>(argc_, argv_); }
  void TearDown() override { app_.reset(); }
};
[[maybe_unused]] const auto* const environment = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

TEST(QtImagesTest, TilesKeepTheirExactColours) {
  const QImage sheet = TileSheetImage();
  ASSERT_EQ(sheet.size(), QSize(80, 180));
  for (int tile = 0; tile < TileCount; ++tile) {
    const QImage image = TileImage(tile);
    ASSERT_EQ(image.size(), QSize(20, 20));
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 20; ++x) {
        const QRgb expected = 0xFF000000u | TilePixel(BuildTileSheet(), tile, x, y);
        ASSERT_EQ(image.pixel(x, y), expected) << "tile " << tile << " (" << x << ", " << y << ")";
        ASSERT_EQ(sheet.pixel(TileSheetX(tile) + x, TileSheetY(tile) + y), expected);
      }
    }
  }
  EXPECT_TRUE(TileImage(TileCount).isNull());
  EXPECT_TRUE(TileImage(-1).isNull());
}

TEST(QtImagesTest, ArrowButtonsShowTheHeadWithoutItsBlack) {
  for (int tile : {10, 11, 12, 13}) {
    const QImage opaque = TileImage(tile);
    const QImage button = ArrowButtonPixmap(tile).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(button.size(), QSize(20, 20));
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 20; ++x) {
        // Black goes transparent (of any colour); the rest stays as it is.
        const QRgb shown = qAlpha(button.pixel(x, y)) == 0 ? 0u : button.pixel(x, y);
        EXPECT_EQ(shown, opaque.pixel(x, y) == 0xFF000000u ? 0u : opaque.pixel(x, y)) << tile << ": " << x << "," << y;
      }
    }
  }
}

TEST(QtImagesTest, AppIconKeepsItsTransparency) {
  const QImage image = AppIconImage();
  ASSERT_EQ(image.size(), QSize(32, 32));
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) ASSERT_EQ(image.pixel(x, y), BuildAppIcon().At(x, y)) << x << "," << y;
  }
  const QIcon icon = AppIcon();
  ASSERT_FALSE(icon.isNull());
  EXPECT_EQ(icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32), image);
}

// Bright enough to read, and yellow rather than white, red or brown.
bool IsGold(QRgb p) { return qRed(p) >= 150 && qGreen(p) * 10 >= qRed(p) * 6 && qBlue(p) * 10 <= qGreen(p) * 7; }

TEST(QtImagesTest, AboutLogoIsGoldOnBlack) {
  const QImage image = AboutLogoImage();
  ASSERT_EQ(image.size(), QSize(200, 77));
  EXPECT_EQ(image.format(), QImage::Format_RGB888);
  int black = 0;
  int gold[3] = {};  // the name's first line, its second, the slogan below the rule
  for (int y = 0; y < 77; ++y) {
    for (int x = 0; x < 200; ++x) {
      const QRgb p = image.pixel(x, y);
      ASSERT_EQ(p, 0xFF000000u | AboutLogo().At(x, y)) << x << "," << y;
      // Black, gold, or gold fading into black: swapped channels would
      // show as blue or green.
      ASSERT_TRUE(qRed(p) >= qGreen(p) && qGreen(p) >= qBlue(p)) << x << "," << y;
      black += p == 0xFF000000u;
      if (IsGold(p) && (y < 60 || y >= 64)) ++gold[y < 30 ? 0 : y < 60 ? 1 : 2];
    }
  }
  EXPECT_GT(black, 200 * 77 * 6 / 10);
  EXPECT_EQ(image.pixel(0, 0), 0xFF000000u);
  EXPECT_THAT(gold, ::testing::ElementsAre(::testing::Gt(200), ::testing::Gt(200), ::testing::Gt(60)));
}

}  // namespace
}  // namespace quorvane
