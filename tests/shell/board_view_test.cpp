#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>

#include "shell/intro_screen.h"
#include "support/window_test_support.h"
#include "widgets/qt_images.h"

namespace quorvane::testing {
namespace {

TEST_F(WindowTest, NewGameShowsTheSnakeAndTheBlobOnly) {
  StartHeldGame();
  EXPECT_EQ(Seen(), HeldStart());
}

// A game drawn on the window's board control, its other ports faked, so that
// the picture can be held against the game's own state.
TEST(PaintedGameTest, CellByCellDrawingEqualsAFullPaint) {
  TPaintBox paintBox1;
  GameRig rig{paintBox1};
  paintBox1.SetPaintHandler([&] { rig.Game.PaintBox1Paint(); });
  rig.Random.Push({2, 2});
  rig.Game.Button2Click();
  const int turns[] = {0, Up, 0, 0, Left, 0, Up, 0, Right, 0, 0, 0};
  for (int turn : turns) {
    if (turn) rig.Game.QueueDirection(turn);
    rig.Game.GameStep();
  }
  // Some walls and a blob placed during play, too.
  rig.Game.State().Walls.emplace_back(0, 0, WallTile);
  rig.Game.PlaceItem(rig.Game.State().Walls.back(), PlacementRules::Wall);
  ASSERT_TRUE(rig.Game.State().GameRunning);
  // Every cell is the tile the game state puts there, or black.
  BoardTiles expected;
  expected.fill(EmptyTile);
  const GameState& s = rig.Game.State();
  for (const SnakeSegment& seg : s.Snake) expected[seg.Row * BoardColumns + seg.Column] = seg.Tile;
  for (const SnakeSegment& w : s.Walls) expected[w.Row * BoardColumns + w.Column] = w.Tile;
  if (s.BlobOnBoard) expected[s.Blob.Row * BoardColumns + s.Blob.Column] = s.Blob.Tile;
  const QImage stepped = Picture(paintBox1);
  EXPECT_EQ(TilesInPicture(stepped), expected);
  paintBox1.RepaintBoard();
  EXPECT_EQ(Picture(paintBox1), stepped);
}

TEST_F(WindowTest, CrashedHeadShowsAfterTheCrash) {
  TForm1& form = StartHeldGame();
  ModalAnswers answers{[](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); }};
  answers.Then([](QWidget* modal) {
    // While the question is open the board still shows the crash, and a
    // repaint then draws it again.
    auto* paintBox1 = Control<TPaintBox>(*modal->parentWidget(), "PaintBox1");
    EXPECT_EQ(TilesInPicture(Picture(*paintBox1))[10 * BoardColumns + 19], 23);
    paintBox1->RepaintBoard();
    EXPECT_EQ(TilesInPicture(Picture(*paintBox1))[10 * BoardColumns + 19], 23);
    static_cast<QMessageBox*>(modal)->button(QMessageBox::No)->click();
  });
  for (int i = 0; i < 6; ++i) form.SuperTimer1Timer();
  EXPECT_TRUE(answers.AllUsed());
}

// The columns of a row band that hold a given colour exactly.
std::pair<int, int> ColourSpan(const QImage& image, QRgb colour, int top, int height) {
  int left = image.width(), right = -1;
  for (int y = top; y < top + height; ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
  return {left, right};
}

TEST_F(WindowTest, IntroLinesInTheirColoursEachCentredOnItsOwnWidth) {
  TForm1& form = Show();
  const QImage intro = Picture(*Control<TPaintBox>(form, "PaintBox1"));
  std::vector<int> lefts;
  for (int i = 0; i < IntroLineCount; ++i) {
    const IntroLine& line = IntroLines()[i];
    QFont font(IntroFont);
    font.setPixelSize(PointsToPixels(line.SizePoints));
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(line.Text);
    const int left = (400 - width) / 2;
    lefts.push_back(left);
    EXPECT_LE(std::abs(2 * left + width - 400), 1) << line.Text << " is centred on x = 200";
    const auto [first, last] = ColourSpan(intro, line.Colour.rgb(), line.Top, metrics.height());
    ASSERT_GE(last, first) << line.Text << " shows in its colour";
    EXPECT_GE(first, left) << line.Text;
    EXPECT_LE(last, left + width) << line.Text;
    EXPECT_GT(last - first, width / 2) << line.Text << " spans most of its width";
  }
  EXPECT_EQ(PointsToPixels(20), 27);
  EXPECT_EQ(PointsToPixels(15), 20);
  EXPECT_NE(lefts[0], lefts[1]);
  EXPECT_NE(lefts[2], lefts[3]);
}

TEST_F(WindowTest, BlinkHidesAndShowsTheLastLineOnly) {
  TForm1& form = Show();
  auto* paintBox1 = Control<TPaintBox>(form, "PaintBox1");
  Control<QTimer>(form, "ClickNewTimer")->stop();  // the test blinks
  const IntroLine& last = IntroLines()[IntroLineCount - 1];
  const QRgb yellow = last.Colour.rgb();
  const QImage before = Picture(*paintBox1);
  ASSERT_GE(ColourSpan(before, yellow, 190, 30).second, 0);

  Blink();
  QImage hidden = Picture(*paintBox1);
  EXPECT_LT(ColourSpan(hidden, yellow, 190, 30).second, 0) << "line 5 is gone";
  EXPECT_EQ(hidden.copy(0, 0, 400, 185), before.copy(0, 0, 400, 185)) << "the other lines are untouched";

  // A repaint while hidden draws the line again; the next tick keeps it.
  paintBox1->RepaintBoard();
  EXPECT_EQ(Picture(*paintBox1), before);
  Blink();
  EXPECT_EQ(Picture(*paintBox1), before);
  // Later blinks copy the looks drawn first: the same pixels.
  ExpectBlinks(hidden, before);

  // No blinking over a board, and no step of the blink either: back on the
  // intro, the next blink still hides the line.
  StartHeldGame();
  const QImage board = Picture(*paintBox1);
  Blink();
  EXPECT_EQ(Picture(*paintBox1), board);
  ModalAnswers answers{[](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); },
                       ModalAnswers::Press(QMessageBox::No)};
  StepUntilCrash();
  ASSERT_TRUE(answers.AllUsed());
  Control<QTimer>(form, "ClickNewTimer")->stop();
  Blink();
  EXPECT_EQ(Picture(*paintBox1), hidden);
}

}  // namespace
}  // namespace quorvane::testing
