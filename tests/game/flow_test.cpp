#include <gtest/gtest.h>

#include "support/game_fakes.h"

namespace quorvane::testing {
namespace {

constexpr GameControl kArrows[] = {GameControl::DownSpeed, GameControl::LeftSpeed, GameControl::RightSpeed,
                                   GameControl::UpSpeed};

TEST(NewGame, DefaultStartAndTheRunningState) {
  GameRig rig;
  rig.Controls.Panels = {"Game over", "Score : 90", "Hi : 300", "Difficult"};
  rig.NewGameWithBlobAt(3, 3);
  const GameState& s = rig.S();
  EXPECT_EQ(s.Snake, (SegmentList{{10, 10, 2}, {11, 10, 4}, {12, 10, 4}, {13, 10, 4}, {14, 10, 13}}));
  ASSERT_EQ(s.DirectionQueue.size(), 1u);
  EXPECT_EQ(s.DirectionQueue.front().Value, Right);
  EXPECT_EQ(s.PreviousDirection, Right);
  EXPECT_EQ(s.ForbiddenDirection, Left);
  EXPECT_EQ(s.Blob, SnakeSegment(3, 3, BlobTile));
  EXPECT_EQ(s.DisplayMode, Board);
  EXPECT_TRUE(s.GameRunning);
  EXPECT_TRUE(rig.Timer.Enabled());
  EXPECT_EQ(rig.Timer.Interval(), 250);
  EXPECT_FALSE(rig.Controls.BlinkEnabled);
  for (GameControl c : kArrows) EXPECT_TRUE(rig.Controls.IsEnabled(c));
  EXPECT_TRUE(rig.Controls.IsEnabled(GameControl::Button3));
  EXPECT_TRUE(rig.Controls.IsEnabled(GameControl::Pause1));
  EXPECT_EQ(rig.Controls.PauseCaption, "Pa&use");
  EXPECT_FALSE(rig.Controls.PauseChecked);
  // Panels 1 and 2 wait for the first step.
  EXPECT_EQ(rig.Controls.Panels, (std::array<std::string, 4>{"", "Score : 90", "Hi : 300", "Easy"}));

  rig.Game.GameStep();
  EXPECT_TRUE(rig.Head().IsAt(15, 10));
}

TEST(NewGame, FirstBlobIgnoresTheLastGamesPlacement) {
  GameRig rig;
  rig.S().LastPlacedColumn = 3;
  rig.S().LastPlacedRow = 3;
  rig.NewGameWithBlobAt(3, 3);
  EXPECT_TRUE(rig.S().Blob.IsAt(3, 3));
}

struct RandomCase {
  std::vector<int> script;
  std::vector<int> ranges;
  SnakeSegment tail, head;
};

TEST(NewGame, RandomStartsStayInTheirRanges) {
  const RandomCase cases[] = {
      {{0, 7}, {4, 19}, {7, 0, 0}, {7, 4, 10}},
      {{1, 3, 17, 12, 6}, {4, 20, 20, 20, 11}, {12, 6, 1}, {8, 6, 11}},
      {{2, 4, 10, 9, 10}, {4, 20, 20, 20, 11}, {9, 10, 2}, {13, 10, 13}},
      {{3, 18}, {4, 19}, {18, 11, 3}, {18, 7, 12}},
  };
  for (const RandomCase& c : cases) {
    GameRig rig;
    rig.Settings.Mode = RandomStart;
    rig.Random.Script.assign(c.script.begin(), c.script.end());
    rig.Game.NewGame();
    const auto& snake = rig.S().Snake;
    ASSERT_EQ(snake.size(), 5u);
    EXPECT_EQ(snake.front(), c.tail) << c.script[0];
    EXPECT_EQ(snake.back(), c.head) << c.script[0];
    EXPECT_EQ(rig.S().PreviousDirection, c.script[0]);
    // The start reseeds once, then the blob's placement reseeds again.
    EXPECT_EQ(rig.Random.Seeds.size(), 2u);
    EXPECT_EQ(std::vector<int>(rig.Random.Ranges.begin(), rig.Random.Ranges.begin() + c.ranges.size()), c.ranges);
  }
}

TEST(NewGame, CustomStartAndItsFallbacks) {
  GameRig rig;
  rig.Settings.Mode = CustomStart;
  rig.Settings.CustomDirection = Up;
  rig.Settings.CustomHPos = 2;
  rig.Settings.CustomVPos = 6;
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
    GameRig fallback;
    fallback.Settings.Mode = b.mode;
    fallback.Settings.CustomDirection = b.direction;
    fallback.Settings.CustomHPos = b.column;
    fallback.Settings.CustomVPos = b.row;
    fallback.NewGameWithBlobAt(3, 3);
    EXPECT_TRUE(fallback.Head().IsAt(14, 10)) << b.mode << " " << b.direction << " " << b.column << "," << b.row;
    EXPECT_EQ(fallback.S().PreviousDirection, Right);
  }
}

TEST(Pause, TogglesTimerControlsAndTexts) {
  GameRig rig;
  rig.NewGameWithBlobAt(3, 3);
  rig.Game.GameStep();
  rig.Game.QueueDirection(Up);
  rig.Game.GameStep();
  ASSERT_FALSE(rig.Controls.IsEnabled(GameControl::DownSpeed));

  rig.Game.Button3Click();
  EXPECT_FALSE(rig.Timer.Enabled());
  EXPECT_EQ(rig.Controls.PauseCaption, "Res&ume");
  EXPECT_TRUE(rig.Controls.PauseChecked);
  EXPECT_EQ(rig.Controls.Panels[0], "Paused");
  for (GameControl c : kArrows) EXPECT_FALSE(rig.Controls.IsEnabled(c));
  EXPECT_TRUE(rig.S().GameRunning);

  rig.Game.Pause1Click();
  EXPECT_TRUE(rig.Timer.Enabled());
  EXPECT_EQ(rig.Controls.PauseCaption, "Pa&use");
  EXPECT_FALSE(rig.Controls.PauseChecked);
  EXPECT_EQ(rig.Controls.Panels[0], "");
  for (GameControl c : kArrows) EXPECT_TRUE(rig.Controls.IsEnabled(c)) << FakeControls::Name(c);
}

TEST(Pause, NewGameWhilePausedStartsUnpaused) {
  GameRig rig;
  rig.NewGameWithBlobAt(3, 3);
  rig.Game.Button3Click();
  rig.Random.Push({3, 3});
  rig.Game.Button2Click();
  EXPECT_TRUE(rig.Timer.Enabled());
  EXPECT_EQ(rig.Controls.PauseCaption, "Pa&use");
  EXPECT_FALSE(rig.Controls.PauseChecked);
  EXPECT_EQ(rig.Controls.Panels[0], "");
  EXPECT_EQ(rig.Surface.Repaints, 1);
  for (GameControl c : kArrows) EXPECT_TRUE(rig.Controls.IsEnabled(c));
}

TEST(Keys, FilteredOnlyWhileAGameRuns) {
  GameRig rig;
  for (int key : {KeyUp, KeyDown, KeyLeft, KeyRight, KeyEnter}) EXPECT_FALSE(rig.Game.FilterKeyMessage(key));
  EXPECT_TRUE(rig.S().DirectionQueue.empty());

  rig.NewGameWithBlobAt(3, 3);
  rig.S().DirectionQueue.clear();
  EXPECT_TRUE(rig.Game.FilterKeyMessage(KeyUp));
  EXPECT_TRUE(rig.Game.FilterKeyMessage(KeyLeft));
  EXPECT_TRUE(rig.Game.FilterKeyMessage(KeyDown));
  EXPECT_TRUE(rig.Game.FilterKeyMessage(KeyRight));
  EXPECT_TRUE(rig.Game.FilterKeyMessage(KeyEnter));
  EXPECT_FALSE(rig.Game.FilterKeyMessage('A'));
  EXPECT_FALSE(rig.Game.FilterKeyMessage(32));
  std::vector<int> queued;
  for (const TDirection& d : rig.S().DirectionQueue) queued.push_back(d.Value);
  EXPECT_EQ(queued, (std::vector<int>{Up, Left, Down, Right}));

  // Paused: still taken, and applied one per step after resuming.
  rig.Game.Button3Click();
  rig.S().DirectionQueue.clear();
  EXPECT_TRUE(rig.Game.FilterKeyMessage(KeyUp));
  EXPECT_TRUE(rig.Game.FilterKeyMessage(KeyEnter));
  EXPECT_EQ(rig.S().DirectionQueue.size(), 1u);
}

TEST(Keys, ArrowButtonsQueueTheirDirections) {
  GameRig rig;
  rig.Game.RightButtonClick();
  rig.Game.UpButtonClick();
  rig.Game.DownButtonClick();
  rig.Game.LeftButtonClick();
  std::vector<int> queued;
  for (const TDirection& d : rig.S().DirectionQueue) queued.push_back(d.Value);
  EXPECT_EQ(queued, (std::vector<int>{Right, Up, Down, Left}));
}

TEST(Menu, OptionsOnlyBetweenGames) {
  GameRig rig;
  rig.Game.Game1Click();
  EXPECT_TRUE(rig.Controls.IsEnabled(GameControl::Options1));
  rig.NewGameWithBlobAt(3, 3);
  rig.Game.Game1Click();
  EXPECT_FALSE(rig.Controls.IsEnabled(GameControl::Options1));
  rig.Game.Button3Click();
  rig.Game.Game1Click();
  EXPECT_FALSE(rig.Controls.IsEnabled(GameControl::Options1));
  rig.Game.Button3Click();
  for (int i = 0; i < 6; ++i) rig.Game.GameStep();  // into the right edge, then No
  ASSERT_FALSE(rig.S().GameRunning);
  rig.Game.Game1Click();
  EXPECT_TRUE(rig.Controls.IsEnabled(GameControl::Options1));
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
