#include <gtest/gtest.h>

#include "game/skill_levels.h"
#include "support/game_fakes.h"

namespace quorvane::testing {
namespace {

// Steers round the loop for `steps` steps and returns the interval runs.
std::vector<uint16_t> IntervalRuns(GameRig& rig, int steps) {
  rig.NewGameWithBlobAt(9, 5);
  std::vector<uint16_t> runs{rig.Timer.Interval()};
  for (int i = 0; i < steps && rig.S().GameRunning; ++i) {
    rig.SteerAroundLoop();
    rig.Game.GameStep();
    if (rig.Timer.Interval() != runs.back()) runs.push_back(rig.Timer.Interval());
  }
  EXPECT_TRUE(rig.S().GameRunning);
  return runs;
}

TEST(SkillLevels, PresetTable) {
  GameSettings settings;
  struct Row {
    int level;
    SkillPreset p;
  };
  for (const Row& r : {Row{Easy, {7, 5, 2, 1, 250, 175, 20}}, Row{Intermediate, {5, 5, 2, 2, 200, 125, 15}},
                       Row{Difficult, {3, 5, 1, 3, 160, 120, 10}}}) {
    settings.Level = r.level;
    const auto p = SkillPresetFor(settings);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->MovesPerGrowth, r.p.MovesPerGrowth);
    EXPECT_EQ(p->GrowthsPerSpeedUp, r.p.GrowthsPerSpeedUp);
    EXPECT_EQ(p->BlobsPerWallAddition, r.p.BlobsPerWallAddition);
    EXPECT_EQ(p->WallsPerAddition, r.p.WallsPerAddition);
    EXPECT_EQ(p->StartInterval, r.p.StartInterval);
    EXPECT_EQ(p->IntervalFloor, r.p.IntervalFloor);
    EXPECT_EQ(p->SpeedUpStep, r.p.SpeedUpStep);
  }
  settings = GameSettings{};
  settings.Level = Custom;
  settings.MoveMax = 9;
  settings.MaxMax = 8;
  settings.WallMax = 7;
  settings.WallNum = 4;
  settings.SnakeSpeed = 230;
  const auto c = SkillPresetFor(settings);
  ASSERT_TRUE(c);
  EXPECT_EQ(c->MovesPerGrowth, 9);
  EXPECT_EQ(c->GrowthsPerSpeedUp, 8);
  EXPECT_EQ(c->BlobsPerWallAddition, 7);
  EXPECT_EQ(c->WallsPerAddition, 4);
  EXPECT_EQ(c->StartInterval, 230);
  EXPECT_EQ(c->IntervalFloor, 120);
  EXPECT_EQ(c->SpeedUpStep, 10);

  EXPECT_STREQ(SkillName(1), "Easy");
  EXPECT_STREQ(SkillName(2), "Intermediate");
  EXPECT_STREQ(SkillName(3), "Difficult");
  EXPECT_STREQ(SkillName(4), "Custom");
  EXPECT_EQ(SkillName(0), nullptr);
  EXPECT_EQ(SkillName(5), nullptr);
}

TEST(SkillLevels, EveryLevelRunsDownItsIntervals) {
  GameRig easy;
  EXPECT_EQ(IntervalRuns(easy, 220), (std::vector<uint16_t>{250, 230, 210, 190, 170}));
  GameRig mid;
  mid.Settings.Level = Intermediate;
  EXPECT_EQ(IntervalRuns(mid, 190), (std::vector<uint16_t>{200, 185, 170, 155, 140, 125}));
  GameRig hard;
  hard.Settings.Level = Difficult;
  EXPECT_EQ(IntervalRuns(hard, 130), (std::vector<uint16_t>{160, 150, 140, 130, 120}));

  GameRig custom;  // speed up after every growth, grow every other step
  custom.Settings.Level = Custom;
  custom.Settings.MoveMax = 1;
  custom.Settings.MaxMax = 1;
  std::vector<uint16_t> expected;
  for (int ms = 300; ms >= 120; ms -= 10) expected.push_back(static_cast<uint16_t>(ms));
  EXPECT_EQ(IntervalRuns(custom, 44), expected);
}

TEST(SkillLevels, HandEditedCustomValues) {
  GameRig never;  // no growth count ever equals zero
  never.Settings.Level = Custom;
  never.Settings.MoveMax = 1;
  never.Settings.MaxMax = 0;
  EXPECT_EQ(IntervalRuns(never, 40), (std::vector<uint16_t>{300}));

  GameRig odd;  // a speed off the ten-step grid goes once below the floor
  odd.Settings.Level = Custom;
  odd.Settings.MoveMax = 1;
  odd.Settings.MaxMax = 1;
  odd.Settings.SnakeSpeed = 125;
  EXPECT_EQ(IntervalRuns(odd, 20), (std::vector<uint16_t>{125, 115}));

  GameRig floor;
  floor.Settings.Level = Custom;
  floor.Settings.MoveMax = 1;
  floor.Settings.MaxMax = 1;
  floor.Settings.SnakeSpeed = 120;
  EXPECT_EQ(IntervalRuns(floor, 20), (std::vector<uint16_t>{120}));
}

TEST(SkillLevels, CustomWallsAfterEveryBlobFiveAtATime) {
  GameRig rig;
  rig.Settings.Level = Custom;
  rig.Settings.WallMax = 1;
  rig.Settings.WallNum = 5;
  rig.NewGameWithBlobAt(15, 3);
  rig.S().Blob = {15, 10, BlobTile};
  rig.Game.GameStep();
  EXPECT_EQ(rig.S().Walls.size(), 5u);
  rig.S().Blob = {16, 10, BlobTile};
  rig.Game.GameStep();
  EXPECT_EQ(rig.S().Walls.size(), 10u);
}

TEST(SkillLevels, LevelOutsideTheTableKeepsThePreviousGame) {
  GameRig rig;
  rig.Settings.Level = Difficult;
  rig.NewGameWithBlobAt(3, 3);
  for (int i = 0; i < 3; ++i) rig.Game.GameStep();
  rig.Timer.SetInterval(140);  // as a speed-up would have left it
  for (int level : {0, 5}) {
    rig.Settings.Level = level;
    rig.Random.Push({3, 3});
    rig.Game.NewGame();
    EXPECT_EQ(rig.Timer.Interval(), 140);
    EXPECT_EQ(rig.S().MovesPerGrowth, 3);
    EXPECT_EQ(rig.S().WallsPerAddition, 3);
    EXPECT_EQ(rig.S().MovesSinceGrowth, 3) << "counters left as they were";
    EXPECT_EQ(rig.Controls.Panels[3], "Difficult");
  }

  GameRig first;  // the first game of a run has nothing to keep: Easy
  first.Settings.Level = 7;
  first.Controls.Panels[3] = "as it was";
  first.NewGameWithBlobAt(3, 3);
  EXPECT_EQ(first.Timer.Interval(), 250);
  EXPECT_EQ(first.S().MovesPerGrowth, 7);
  EXPECT_EQ(first.S().IntervalFloor, 175);
  EXPECT_EQ(first.Controls.Panels[3], "as it was");
}

TEST(SkillLevels, SpeedSliderBothWays) {
  EXPECT_EQ(SliderPositionToSpeed(0), 300);
  EXPECT_EQ(SliderPositionToSpeed(18), 120);
  EXPECT_EQ(SliderPositionToSpeed(9), 210);
  for (int pos = 0; pos <= 18; ++pos) EXPECT_EQ(SpeedToSliderPosition(SliderPositionToSpeed(pos)), pos);
  EXPECT_EQ(SliderPositionToSpeed(SpeedToSliderPosition(125)), 130);
  EXPECT_EQ(SliderPositionToSpeed(SpeedToSliderPosition(305)), 300);
  EXPECT_EQ(SliderPositionToSpeed(SpeedToSliderPosition(95)), 120);
  EXPECT_EQ(SpeedToSliderPosition(-1000), 18);
  EXPECT_EQ(SpeedToSliderPosition(5000), 0);
}

}  // namespace
}  // namespace quorvane::testing
