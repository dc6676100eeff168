#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "support/game_fakes.h"

namespace quorvane::testing {
namespace {

using ::testing::_;
using ::testing::ElementsAre;

TEST(Steering, ReversalIsDroppedAndEachStepTakesOneEntry) {
  StartedGame rig;
  rig.Game.GameStep();  // takes the start direction
  EXPECT_EQ(rig.Head().Column, 15);

  for (int d : {Left, Up}) rig.Game.QueueDirection(d);
  rig.Game.GameStep();
  EXPECT_EQ(rig.S().CurrentDirection, Right);
  EXPECT_TRUE(rig.Head().IsAt(16, 10));
  ASSERT_EQ(rig.S().DirectionQueue.size(), 1u);

  rig.Game.GameStep();
  EXPECT_EQ(rig.Head(), SnakeSegment(16, 9, 12));
  EXPECT_EQ(rig.S().Snake[rig.S().Snake.size() - 2].Tile, NeckTile(Right, Up));
  EXPECT_EQ(rig.S().ForbiddenDirection, Down);
  // Moving up disables only the Down button.
  for (GameControl c : {GameControl::DownSpeed, GameControl::UpSpeed, GameControl::LeftSpeed, GameControl::RightSpeed})
    EXPECT_EQ(rig.Controls.IsEnabled(c), c != GameControl::DownSpeed) << FakeControls::Name(c);
}

TEST(Steering, TwoKeysInOneIntervalApplyOnTwoSteps) {
  StartedGame rig;
  rig.Game.GameStep();
  EXPECT_TRUE(rig.Game.FilterKeyMessage(KeyUp));
  EXPECT_TRUE(rig.Game.FilterKeyMessage(KeyLeft));
  for (auto [direction, column] : {std::pair{Up, 15}, {Left, 14}}) {
    rig.Game.GameStep();
    EXPECT_EQ(rig.S().CurrentDirection, direction);
    EXPECT_TRUE(rig.Head().IsAt(column, 9));
  }
  EXPECT_EQ(rig.S().Snake[rig.S().Snake.size() - 2].Tile, NeckTile(Up, Left));
}

TEST(Step, PlainMoveDrawsFourCellsInOrder) {
  StartedGame rig;
  rig.Surface.Draws.clear();
  rig.Game.GameStep();
  EXPECT_EQ(rig.Surface.Draws, (std::vector<DrawCall>{{10, 10, EmptyTile}, {11, 10, 2}, {15, 10, 13}, {14, 10, 4}}));
  EXPECT_THAT(rig.Controls.Panels, ElementsAre(_, "Score : 10", "Hi : 10", _));
}

TEST(Step, GrowingMoveKeepsTheTailAndRedrawsIt) {
  StartedGame rig;
  for (int i = 0; i < 3; ++i) rig.Game.GameStep();
  rig.S().MovesSinceGrowth = rig.S().MovesPerGrowth;  // next step grows
  const SnakeSegment tail = rig.S().Snake.front();
  rig.Surface.Draws.clear();
  rig.Game.GameStep();
  EXPECT_THAT(rig.S().Snake, ElementsAre(tail, _, _, _, _, _));
  EXPECT_THAT(rig.Surface.Draws, ElementsAre(DrawCall{tail.Column, tail.Row, EmptyTile},
                                             DrawCall{tail.Column, tail.Row, tail.Tile}, _, _));
  EXPECT_EQ(rig.S().MovesSinceGrowth, 0);
  EXPECT_EQ(rig.S().GrowthsSinceSpeedUp, 1);
}

TEST(Step, GuardStopsAStepInsideAStep) {
  StartedGame rig;
  rig.S().StepInProgress = true;
  const auto before = rig.S().Snake;
  rig.Game.GameStep();
  EXPECT_EQ(rig.S().Snake, before);
  EXPECT_TRUE(rig.S().StepInProgress);
}

// A U-shaped snake whose head sits just below its tail, moving Left.
struct UTurn : StartedGame {
  UTurn() {
    S().Snake = {{5, 5, 2}, {6, 5, 4}, {7, 5, 8}, {7, 6, 6}, {6, 6, 4}, {5, 6, 11}};
    S().CurrentDirection = S().PreviousDirection = Left;
    S().ForbiddenDirection = Right;
    S().DirectionQueue = {TDirection{Up}};
  }
};

TEST(Crash, HeadMayEnterTheCellTheTailLeavesOnAPlainMove) {
  UTurn rig;
  rig.Game.GameStep();
  EXPECT_TRUE(rig.S().GameRunning);
  EXPECT_TRUE(rig.Head().IsAt(5, 5));
  EXPECT_EQ(rig.S().Snake.front(), SnakeSegment(6, 5, 2));
}

TEST(Crash, TheSameMoveOnAGrowingStepEndsTheGame) {
  UTurn rig;
  rig.S().MovesSinceGrowth = rig.S().MovesPerGrowth;
  rig.Game.GameStep();
  EXPECT_FALSE(rig.S().GameRunning);
  EXPECT_TRUE(rig.Head().IsAt(5, 6));
  EXPECT_EQ(rig.Head().Tile, CrashedHeadTile(Left, Up));
  EXPECT_EQ(rig.Head().Tile, 31);
}

TEST(Crash, EdgesEndTheGameWithoutMovingTheHead) {
  const struct {
    int direction, tailColumn, tailRow, headColumn, headRow, tile;
  } cases[] = {
      {Left, 4, 5, 0, 5, 21},
      {Down, 3, 7, 3, 11, 24},
      {Up, 8, 4, 8, 0, 22},
      {Right, 15, 2, 19, 2, 23},
  };
  for (const auto& c : cases) {
    StartedGame rig(
        {.Mode = CustomStart, .CustomDirection = c.direction, .CustomHPos = c.tailColumn, .CustomVPos = c.tailRow});
    rig.Surface.Draws.clear();
    rig.Game.GameStep();
    EXPECT_FALSE(rig.S().GameRunning) << c.direction;
    EXPECT_TRUE(rig.Head().IsAt(c.headColumn, c.headRow)) << c.direction;
    EXPECT_EQ(rig.Surface.Draws, (std::vector<DrawCall>{{c.headColumn, c.headRow, c.tile}}))
        << "only the crashed head is drawn";
    // The body advanced before the test; the last two entries share the head's cell.
    EXPECT_TRUE(rig.S().Snake.rbegin()[1].IsAt(c.headColumn, c.headRow));
  }
}

TEST(Crash, WallsAndBodyAreTestedLikeTheEdge) {
  StartedGame rig;
  rig.S().Walls.emplace_back(15, 10, WallTile);
  rig.Game.GameStep();
  EXPECT_FALSE(rig.S().GameRunning);
  EXPECT_EQ(rig.Head().Tile, 23);

  StartedGame body;
  body.Game.GameStep();
  for (int d : {Up, Left, Down}) body.Game.QueueDirection(d);  // the last back into the body
  for (int i = 0; i < 3; ++i) body.Game.GameStep();
  EXPECT_FALSE(body.S().GameRunning);
  EXPECT_EQ(body.Head().Tile, CrashedHeadTile(Left, Down));
}

TEST(Eating, BlobScoresAHundredAndTenAndIsPlacedAgain) {
  GameRig rig;
  rig.NewGameWithBlobAt(18, 10);
  for (int i = 0; i < 3; ++i) rig.Game.GameStep();
  EXPECT_EQ(rig.S().Score, 30);
  rig.Random.Push({3, 3});
  rig.Surface.Draws.clear();
  rig.Game.GameStep();
  EXPECT_EQ(rig.S().Score, 140);
  EXPECT_EQ(rig.Head().Tile, SwallowingHeadTile(Right));
  EXPECT_EQ(rig.Sounds.Count(GameSound::Blob), 1);
  EXPECT_EQ(rig.S().Blob, SnakeSegment(3, 3, BlobTile));
  EXPECT_THAT(rig.Surface.Draws, ElementsAre(_, _, _, _, DrawCall{3, 3, BlobTile}));
  EXPECT_EQ(rig.S().BlobsSinceWalls, 1);
  EXPECT_TRUE(rig.S().Walls.empty());
  EXPECT_EQ(rig.Controls.Panels[1], "Score : 140");

  // The snake does not grow for eating.
  EXPECT_EQ(rig.S().Snake.size(), 5u);
}

TEST(Eating, BlobSoundFollowsItsSwitch) {
  StartedGame rig({.PlayBall = false});
  rig.EatOnce();
  EXPECT_EQ(rig.S().Score, 110);
  EXPECT_TRUE(rig.Sounds.Played.empty());
}

TEST(Walls, AddedOnEveryNthBlob) {
  StartedGame easy;  // Easy: walls on every 2nd blob, one at a time
  easy.Game.GameStep();
  for (size_t walls : {0u, 1u, 1u}) {
    easy.EatOnce();
    EXPECT_EQ(easy.S().Walls.size(), walls);
  }
  EXPECT_EQ(easy.S().BlobsSinceWalls, 1);

  StartedGame hard({.Level = Difficult});  // three walls after every blob
  hard.Game.GameStep();
  hard.Surface.Draws.clear();
  hard.EatOnce();
  ASSERT_EQ(hard.S().Walls.size(), 3u);
  EXPECT_EQ(hard.S().BlobsSinceWalls, 0);
  for (const SnakeSegment& w : hard.S().Walls) {
    EXPECT_EQ(w.Tile, WallTile);
    EXPECT_FALSE(w.IsAt(0, 0));
    EXPECT_EQ(hard.Surface.CellAt(w.Column, w.Row), WallTile);
  }
  // Four cells of the step, three walls, then the blob.
  EXPECT_EQ(hard.Surface.Draws.size(), 8u);
  EXPECT_EQ(hard.Surface.Draws.back().Tile, BlobTile);
}

TEST(HiScore, RisesDuringPlayWithTheSoundOncePerGame) {
  StartedGame rig({.HiScore = 25});
  for (auto [steps, best] : {std::pair{2, 25}, {1, 30}, {1, 40}}) {
    for (int i = 0; i < steps; ++i) rig.Game.GameStep();
    EXPECT_EQ(rig.Settings.HiScore, best);
    EXPECT_EQ(rig.Controls.Panels[2], "Hi : " + std::to_string(best));
  }
  EXPECT_EQ(rig.Sounds.Count(GameSound::HiScore), 1);
  EXPECT_TRUE(rig.S().HiScoreSoundPlayed);
}

TEST(HiScore, NoSoundWhilePreviousBestIsZeroOrSwitchedOff) {
  // The first game after a stored best of 0, then one with the sound off.
  for (auto [settings, steps] : {std::pair{GameSettings{}, 3}, {{.PlayHiScore = false, .HiScore = 5}, 1}}) {
    StartedGame rig(settings);
    for (int i = 0; i < steps; ++i) rig.Game.GameStep();
    EXPECT_EQ(rig.Settings.HiScore, 10 * steps);
    EXPECT_EQ(rig.Sounds.Count(GameSound::HiScore), 0) << steps;
  }
}

TEST(HiScore, BlobSoundComesBeforeTheHiScoreSound) {
  StartedGame rig({.HiScore = 50});
  rig.EatOnce();
  EXPECT_EQ(rig.Sounds.Played, (std::vector<GameSound>{GameSound::Blob, GameSound::HiScore}));
}

// Runs the default start straight into the right edge: five steps, then the
// crash; gives what the crash step logged.
std::vector<std::string> CrashIntoRightEdge(GameRig& rig) {
  for (int i = 0; i < 5; ++i) rig.Game.GameStep();
  EXPECT_TRUE(rig.S().GameRunning);
  const auto mark = static_cast<std::ptrdiff_t>(rig.Log.size());
  rig.Game.GameStep();
  EXPECT_EQ(std::count(rig.Log.begin(), rig.Log.end(), "play again?"), 1);
  return {rig.Log.begin() + mark, rig.Log.end()};
}

TEST(GameOver, BeatenBestAsksForTheNameThenOffersAnotherGame) {
  StartedGame rig({.HiScore = 20, .HiName = "Old"});
  rig.Questions.Name = "New";
  EXPECT_EQ(CrashIntoRightEdge(rig),
            (std::vector<std::string>{"draw 19,10 23", "sound gameover", "timer off", "panel 0 Game over",
                                      "hiscore dialog 50", "play again?", "disable RightSpeed", "disable DownSpeed",
                                      "disable UpSpeed", "disable LeftSpeed", "disable Button3", "disable Pause1",
                                      "blink on", "repaint"}));
  EXPECT_EQ(rig.Settings.HiName, "New");
  EXPECT_EQ(rig.S().HiScoreAtStart, 50);
  EXPECT_EQ(rig.S().PreviousHiScore, 50);
  EXPECT_EQ(rig.S().DisplayMode, Intro);
  EXPECT_FALSE(rig.Timer.Enabled());
  EXPECT_FALSE(rig.S().StepInProgress);
}

TEST(GameOver, EqualScoreIsNoNewBestAndYesStartsAgain) {
  StartedGame rig({.PlayGameOver = false, .HiScore = 50, .HiName = "Old"});
  rig.Questions.PlayAgainAnswers = {true};
  rig.Random.Push({3, 3});  // the next game's first blob
  CrashIntoRightEdge(rig);
  EXPECT_EQ(std::count(rig.Log.begin(), rig.Log.end(), "hiscore dialog 50"), 0);
  EXPECT_EQ(rig.Sounds.Count(GameSound::GameOver), 0);
  EXPECT_EQ(rig.Settings.HiName, "Old");
  // Yes: a fresh game is running, drawn whole.
  EXPECT_TRUE(rig.S().GameRunning);
  EXPECT_TRUE(rig.Timer.Enabled());
  EXPECT_EQ(rig.S().Snake.size(), 5u);
  EXPECT_TRUE(rig.Head().IsAt(14, 10));
  EXPECT_EQ(rig.Log.back(), "repaint");
  EXPECT_EQ(rig.Controls.Panels[0], "");
  EXPECT_FALSE(rig.S().StepInProgress);
}

TEST(GameOver, TickDuringTheQuestionDoesNothing) {
  StartedGame rig;
  SegmentList during;
  rig.Questions.DuringPlayAgain = [&] {
    during = rig.S().Snake;
    rig.Game.GameStep();
    EXPECT_EQ(rig.S().Snake, during);
  };
  CrashIntoRightEdge(rig);
  EXPECT_FALSE(during.empty());
}

// Screen readers hear the board anew once per event, not once per change
// the event makes; a game over speaks before its questions and again after.
TEST(BoardChanged, OneNoticePerEvent) {
  const struct {
    const char* event;
    std::function<void(GameRig&)> run;
    int notices;
  } cases[] = {
      {"new game", [](GameRig& rig) { rig.Game.Button2Click(); }, 1},
      {"step", [](GameRig& rig) { rig.Game.GameStep(); }, 1},
      {"pause", [](GameRig& rig) { rig.Game.Button3Click(); }, 1},
      {"pause and resume", [](GameRig& rig) { rig.Game.Pause1Click(), rig.Game.Pause1Click(); }, 2},
      {"crash",
       [](GameRig& rig) {
         for (int i = 0; i < 5; ++i) rig.Game.GameStep();
         rig.Questions.DuringPlayAgain = [&rig] { EXPECT_EQ(rig.Controls.BoardChanges, 6); };
         rig.Game.GameStep();
       },
       7},
  };
  for (const auto& c : cases) {
    StartedGame rig;
    rig.Random.Push({3, 3});
    rig.Controls.BoardChanges = 0;
    c.run(rig);
    EXPECT_EQ(rig.Controls.BoardChanges, c.notices) << c.event;
  }
}

// The whole runs of every level are in the skill level tests.
TEST(Schedule, EasyGrowsEveryEighthStepAndFirstSpeedsUpAfterStep40) {
  GameRig rig;
  rig.NewGameWithBlobAt(9, 5);
  for (int i = 1; i <= 40; ++i) {
    rig.SteerAroundLoop();
    rig.Game.GameStep();
    EXPECT_EQ(rig.S().Snake.size(), 5u + i / 8) << "step " << i;
    EXPECT_EQ(rig.Timer.Interval(), i < 40 ? 250 : 230) << "step " << i;
  }
}

}  // namespace
}  // namespace quorvane::testing
