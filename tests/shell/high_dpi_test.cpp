// The window on a screen of scale 2, which must be set before the
// application exists: this program has a main of its own.
#include <gtest/gtest.h>

#include <QPainter>
#include <QToolButton>

#include "qt_glue/desktop_setup.h"
#include "shell/application.h"
#include "shell/intro_screen.h"
#include "support/window_test_support.h"
#include "widgets/qt_images.h"

namespace quorvane::testing {
namespace {

constexpr int kScale = 2;

TEST_F(WindowTest, TilesArrowsAndIconScaleByBlocksTheLayoutKeepsItsSize) {
  TForm1& form = Show();
  ASSERT_EQ(form.devicePixelRatio(), kScale);
  EXPECT_EQ(form.centralWidget()->size(), QSize(518, 401));
  EXPECT_EQ(Control<TPaintBox>(form, "PaintBox1")->size(), QSize(400, 240));
  StartHeldGame();

  const BoardTiles tiles = HeldStart();
  const QImage shown = Control<TPaintBox>(form, "PaintBox1")->grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shown.size(), QSize(400 * kScale, 240 * kScale));
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x) {
      const int px = x / kScale, py = y / kScale, tile = tiles[py / TileSize * BoardColumns + px / TileSize];
      ASSERT_EQ(shown.pixel(x, y), TileImage(tile).pixel(px % TileSize, py % TileSize))
          << "tile " << tile << " at device pixel " << x << "," << y;
    }

  const auto argb = [](const QImage& image) { return image.convertToFormat(QImage::Format_ARGB32); };
  for (auto [button, tile] : {std::pair{"LeftSpeed", 11}, {"UpSpeed", 12}, {"RightSpeed", 13}})
    EXPECT_EQ(argb(Control<QToolButton>(form, button)->icon().pixmap(QSize(20, 20), kScale).toImage()),
              argb(ScaledByBlocks(ArrowButtonPixmap(tile).toImage(), kScale)))
        << button;
  EXPECT_EQ(argb(form.windowIcon().pixmap(QSize(32, 32), kScale).toImage()), ScaledByBlocks(AppIconImage(), kScale));
}

TEST_F(WindowTest, IntroIsDrawnAtTheScreensResolutionAndTheBlinkLeavesNothing) {
  TForm1& form = Show();
  Control<QTimer>(form, "ClickNewTimer")->stop();  // the test blinks
  const QImage before = Picture(*Control<TPaintBox>(form, "PaintBox1"));
  ASSERT_EQ(before.size(), QSize(400 * kScale, 240 * kScale));
  // Hidden, the picture is exactly the first four lines drawn on black at 2x.
  QImage fourLines(before.size(), QImage::Format_RGB32);
  fourLines.setDevicePixelRatio(kScale);
  fourLines.fill(Qt::black);
  QPainter canvas(&fourLines);
  for (const IntroLine* line = IntroLines(); line < IntroLines() + IntroLineCount - 1; ++line) {
    canvas.setPen(line->Colour);
    DrawCentredText(canvas, IntroFont, line->SizePoints, line->Top, line->Text);
  }
  canvas.end();
  ExpectBlinks(fourLines, before);
}

}  // namespace
}  // namespace quorvane::testing

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  qputenv("QT_SCALE_FACTOR", "2");
  qputenv("SDL_AUDIODRIVER", "dummy");
  quorvane::PrepareDesktop();
  quorvane::TApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
