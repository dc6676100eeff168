#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/game_fakes.h"

namespace quorvane::testing {
namespace {

using ::testing::_;
using ::testing::ElementsAre;
using ::testing::FieldsAre;

constexpr GameControl kArrows[] = {GameControl::DownSpeed, GameControl::LeftSpeed, GameControl::RightSpeed,
                                   GameControl::UpSpeed};

// The timer, the pause command's caption and check, the state panel and the
// arrow buttons, all as a running or a paused game shows them.
void ExpectPaused(const GameRig& rig, bool paused) {
  EXPECT_EQ(rig.Timer.Enabled(), !paused);
  EXPECT_EQ(rig.Controls.PauseCaption, paused ? "Res&ume" : "Pa&use");
  EXPECT_EQ(rig.Controls.PauseChecked, paused);
  EXPECT_EQ(rig.Controls.Panels[0], paused ? "Paused" : "");
  for (GameControl c : kArrows) EXPECT_EQ(rig.Controls.IsEnabled(c), !paused) << FakeControls::Name(c);
}

TEST(NewGame, DefaultStartAndTheRunningState) {
  GameRig rig;
  rig.Controls.Panels = {"Game over", "Score : 90", "Hi : 300", "Difficult"};
  rig.NewGameWithBlobAt(3, 3);
  const GameState& s = rig.S();
  EXPECT_EQ(s.Snake, (SegmentList{{10, 10, 2}, {11, 10, 4}, {12, 10, 4}, {13, 10, 4}, {14, 10, 13}}));
  EXPECT_THAT(s.DirectionQueue, ElementsAre(FieldsAre(Right)));
  EXPECT_EQ(s.PreviousDirection, Right);
  EXPECT_EQ(s.ForbiddenDirection, Left);
  EXPECT_EQ(s.Blob, SnakeSegment(3, 3, BlobTile));
  EXPECT_EQ(s.DisplayMode, Board);
  EXPECT_TRUE(s.GameRunning);
  ExpectPaused(rig, false);
  EXPECT_EQ(rig.Timer.Interval(), 250);
  EXPECT_FALSE(rig.Controls.BlinkEnabled);
  for (GameControl c : {GameControl::Button3, GameControl::Pause1}) EXPECT_TRUE(rig.Controls.IsEnabled(c));
  // Panels 1 and 2 wait for the first step.
  EXPECT_EQ(rig.Controls.Panels, (std::array<std::string, 4>{"", "Score : 90", "Hi : 300", "Easy"}));

  rig.Game.GameStep();
  EXPECT_TRUE(rig.Head().IsAt(15, 10));
}

TEST(NewGame, FirstBlobIgnoresTheLastGamesPlacement) {
  GameRig rig;
  rig.S().LastPlacedColumn = rig.S().LastPlacedRow = 3;
  rig.NewGameWithBlobAt(3, 3);
  EXPECT_TRUE(rig.S().Blob.IsAt(3, 3));
}

TEST(NewGame, RandomStartsStayInTheirRanges) {
  const struct {
    std::vector<int> script, ranges;
    SnakeSegment tail, head;
  } cases[] = {
      {{0, 7}, {4, 19}, {7, 0, 0}, {7, 4, 10}},
      {{1, 3, 17, 12, 6}, {4, 20, 20, 20, 11}, {12, 6, 1}, {8, 6, 11}},
      {{2, 4, 10, 9, 10}, {4, 20, 20, 20, 11}, {9, 10, 2}, {13, 10, 13}},
      {{3, 18}, {4, 19}, {18, 11, 3}, {18, 7, 12}},
  };
  for (const auto& c : cases) {
    GameRig rig;
    rig.Settings.Mode = RandomStart;
    rig.Random.Script.assign(c.script.begin(), c.script.end());
    rig.Game.NewGame();
    EXPECT_THAT(rig.S().Snake, ElementsAre(c.tail, _, _, _, c.head)) << c.script[0];
    EXPECT_EQ(rig.S().PreviousDirection, c.script[0]);
    // The start reseeds once, then the blob's placement reseeds again.
    EXPECT_EQ(rig.Random.Seeds.size(), 2u);
    EXPECT_EQ(std::vector<int>(rig.Random.Ranges.begin(), rig.Random.Ranges.begin() + c.ranges.size()), c.ranges);
  }
}

TEST(NewGame, CustomStartAndItsFallbacks) {
  GameRig rig;
  rig.Settings = {.Mode = CustomStart, .CustomDirection = Up, .CustomHPos = 2, .CustomVPos = 6};
  rig.NewGameWithBlobAt(15, 3);
  EXPECT_EQ(rig.S().Snake.front(), SnakeSegment(2, 6, 3));
  EXPECT_EQ(rig.Head(), SnakeSegment(2, 2, 12));
  EXPECT_EQ(rig.S().DirectionQueue.front().Value, Up);

  // Hand-edited values that would not fit fall back to the default start.
  struct Bad {
    int mode, direction, column, row;
  };
  for (const Bad& b : {Bad{5, Right, 10, 10}, Bad{-1, Right, 10, 10}, Bad{CustomStart, 7, 3, 3},
                       Bad{CustomStart, Right, 16, 3}, Bad{CustomStart, Down, 3, 8}, Bad{CustomStart, Left, 3, 5},
                       Bad{CustomStart, Up, 3, 3}, Bad{CustomStart, Right, 2, 12}, Bad{CustomStart, Down, -1, 0}}) {
    StartedGame fallback({.Mode = b.mode, .CustomDirection = b.direction, .CustomHPos = b.column, .CustomVPos = b.row});
    EXPECT_TRUE(fallback.Head().IsAt(14, 10)) << b.mode << " " << b.direction << " " << b.column << "," << b.row;
    EXPECT_EQ(fallback.S().PreviousDirection, Right);
  }
}

TEST(Pause, TogglesTimerControlsAndTexts) {
  StartedGame rig;
  rig.Game.GameStep();
  rig.Game.QueueDirection(Up);
  rig.Game.GameStep();
  ASSERT_FALSE(rig.Controls.IsEnabled(GameControl::DownSpeed));

  rig.Game.Button3Click();
  ExpectPaused(rig, true);
  EXPECT_TRUE(rig.S().GameRunning);

  rig.Game.Pause1Click();
  ExpectPaused(rig, false);
}

TEST(Pause, NewGameWhilePausedStartsUnpaused) {
  StartedGame rig;
  rig.Game.Button3Click();
  rig.Random.Push({3, 3});
  rig.Game.Button2Click();
  ExpectPaused(rig, false);
  EXPECT_EQ(rig.Surface.Repaints, 1);
}

TEST(Keys, FilteredOnlyWhileAGameRuns) {
  GameRig rig;
  for (int key : {KeyUp, KeyDown, KeyLeft, KeyRight, KeyEnter}) EXPECT_FALSE(rig.Game.FilterKeyMessage(key));
  EXPECT_TRUE(rig.S().DirectionQueue.empty());

  rig.NewGameWithBlobAt(3, 3);
  rig.S().DirectionQueue.clear();
  for (int key : {KeyUp, KeyLeft, KeyDown, KeyRight, KeyEnter}) EXPECT_TRUE(rig.Game.FilterKeyMessage(key)) << key;
  for (int key : {int{'A'}, 32}) EXPECT_FALSE(rig.Game.FilterKeyMessage(key)) << key;
  EXPECT_THAT(rig.S().DirectionQueue, ElementsAre(FieldsAre(Up), FieldsAre(Left), FieldsAre(Down), FieldsAre(Right)));

  // Paused: still taken, and applied one per step after resuming.
  rig.Game.Button3Click();
  rig.S().DirectionQueue.clear();
  for (int key : {KeyUp, KeyEnter}) EXPECT_TRUE(rig.Game.FilterKeyMessage(key)) << key;
  EXPECT_EQ(rig.S().DirectionQueue.size(), 1u);
}

TEST(Keys, ArrowButtonsQueueTheirDirections) {
  GameRig rig;
  rig.Game.RightButtonClick();
  rig.Game.UpButtonClick();
  rig.Game.DownButtonClick();
  rig.Game.LeftButtonClick();
  EXPECT_THAT(rig.S().DirectionQueue, ElementsAre(FieldsAre(Right), FieldsAre(Up), FieldsAre(Down), FieldsAre(Left)));
}

TEST(Menu, OptionsOnlyBetweenGames) {
  GameRig rig;
  auto offered = [&rig] {
    rig.Game.Game1Click();
    return rig.Controls.IsEnabled(GameControl::Options1);
  };
  EXPECT_TRUE(offered());
  rig.NewGameWithBlobAt(3, 3);
  EXPECT_FALSE(offered());
  rig.Game.Button3Click();
  EXPECT_FALSE(offered()) << "paused";
  rig.Game.Button3Click();
  for (int i = 0; i < 6; ++i) rig.Game.GameStep();  // into the right edge, then No
  ASSERT_FALSE(rig.S().GameRunning);
  EXPECT_TRUE(offered());
}

TEST(Paint, IntroOrBoardFromTheStateAlone) {
  GameRig rig;
  rig.Game.PaintBox1Paint();
  EXPECT_EQ(rig.Log, (std::vector<std::string>{"clear", "intro"}));

  rig.NewGameWithBlobAt(3, 3);
  rig.S().Walls = {{1, 1, WallTile}};
  rig.Surface.Draws.clear();
  rig.Log.clear();
  rig.Game.PaintBox1Paint();
  EXPECT_EQ(rig.Log.front(), "clear");
  EXPECT_EQ(rig.Surface.Draws,
            (std::vector<DrawCall>{
                {10, 10, 2}, {11, 10, 4}, {12, 10, 4}, {13, 10, 4}, {14, 10, 13}, {1, 1, WallTile}, {3, 3, BlobTile}}));

  rig.S().DisplayMode = 0;  // before the first show
  rig.Log.clear();
  rig.Game.PaintBox1Paint();
  EXPECT_EQ(rig.Log, (std::vector<std::string>{"clear"}));
}

}  // namespace
}  // namespace quorvane::testing
