#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "game/skill_levels.h"
#include "support/game_fakes.h"

namespace quorvane::testing {
namespace {

using ::testing::FieldsAre;
using ::testing::Matcher;
using ::testing::Optional;

TEST(SkillLevels, PresetTable) {
  const struct {
    GameSettings settings;
    Matcher<std::optional<SkillPreset>> preset;
  } cases[] = {
      {{.Level = Easy}, Optional(FieldsAre(7, 5, 2, 1, 250, 175, 20))},
      {{.Level = Intermediate}, Optional(FieldsAre(5, 5, 2, 2, 200, 125, 15))},
      {{.Level = Difficult}, Optional(FieldsAre(3, 5, 1, 3, 160, 120, 10))},
      {{.Level = Custom, .MoveMax = 9, .SnakeSpeed = 230, .MaxMax = 8, .WallMax = 7, .WallNum = 4},
       Optional(FieldsAre(9, 8, 7, 4, 230, 120, 10))},
  };
  for (const auto& c : cases) EXPECT_THAT(SkillPresetFor(c.settings), c.preset) << c.settings.Level;

  for (auto [level, name] : {std::pair{1, "Easy"}, {2, "Intermediate"}, {3, "Difficult"}, {4, "Custom"}})
    EXPECT_STREQ(SkillName(level), name);
  for (int level : {0, 5}) EXPECT_EQ(SkillName(level), nullptr) << level;
}

// The interval runs of a game steered round the loop, as the settings make them.
TEST(SkillLevels, EveryLevelRunsDownItsIntervals) {
  std::vector<uint16_t> everyTenFrom300;
  for (int ms = 300; ms >= 120; ms -= 10) everyTenFrom300.push_back(static_cast<uint16_t>(ms));
  const struct {
    const char* name;
    GameSettings settings;
    int steps;
    std::vector<uint16_t> runs;
  } cases[] = {
      {"easy", {.Level = Easy}, 220, {250, 230, 210, 190, 170}},
      {"easy at its floor by step 200", {.Level = Easy}, 200, {250, 230, 210, 190, 170}},
      {"intermediate", {.Level = Intermediate}, 190, {200, 185, 170, 155, 140, 125}},
      {"intermediate at its floor by step 170", {.Level = Intermediate}, 170, {200, 185, 170, 155, 140, 125}},
      {"difficult", {.Level = Difficult}, 130, {160, 150, 140, 130, 120}},
      {"difficult at its floor by step 120", {.Level = Difficult}, 120, {160, 150, 140, 130, 120}},
      // speed up after every growth, grow every other step
      {"custom", {.Level = Custom, .MoveMax = 1, .MaxMax = 1}, 44, everyTenFrom300},
      // hand-edited: no growth count ever equals zero
      {"never speeds up", {.Level = Custom, .MoveMax = 1, .MaxMax = 0}, 40, {300}},
      // hand-edited: a speed off the ten-step grid goes once below the floor
      {"off the grid", {.Level = Custom, .MoveMax = 1, .SnakeSpeed = 125, .MaxMax = 1}, 20, {125, 115}},
      {"at the floor", {.Level = Custom, .MoveMax = 1, .SnakeSpeed = 120, .MaxMax = 1}, 20, {120}},
  };
  for (const auto& c : cases) {
    GameRig rig;
    rig.Settings = c.settings;
    rig.NewGameWithBlobAt(9, 5);
    std::vector<uint16_t> runs{rig.Timer.Interval()};
    for (int i = 0; i < c.steps && rig.S().GameRunning; ++i) {
      rig.SteerAroundLoop();
      rig.Game.GameStep();
      if (rig.Timer.Interval() != runs.back()) runs.push_back(rig.Timer.Interval());
    }
    EXPECT_TRUE(rig.S().GameRunning) << c.name;
    EXPECT_EQ(runs, c.runs) << c.name;
  }
}

TEST(SkillLevels, CustomWallsAfterEveryBlobFiveAtATime) {
  StartedGame rig({.Level = Custom, .WallMax = 1, .WallNum = 5});
  rig.EatOnce();
  EXPECT_EQ(rig.S().Walls.size(), 5u);
  rig.EatOnce();
  EXPECT_EQ(rig.S().Walls.size(), 10u);
}

TEST(SkillLevels, LevelOutsideTheTableKeepsThePreviousGame) {
  StartedGame rig({.Level = Difficult});
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
  for (auto [pos, speed] : {std::pair{0, 300}, {18, 120}, {9, 210}}) EXPECT_EQ(SliderPositionToSpeed(pos), speed);
  for (int pos = 0; pos <= 18; ++pos) EXPECT_EQ(SpeedToSliderPosition(SliderPositionToSpeed(pos)), pos);
  for (auto [speed, shown] : {std::pair{125, 130}, {305, 300}, {95, 120}})
    EXPECT_EQ(SliderPositionToSpeed(SpeedToSliderPosition(speed)), shown) << speed;
  for (auto [speed, pos] : {std::pair{-1000, 18}, {5000, 0}}) EXPECT_EQ(SpeedToSliderPosition(speed), pos);
}

}  // namespace
}  // namespace quorvane::testing
