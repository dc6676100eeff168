#pragma once

#include <cstdint>
#include <optional>

#include "game/game_ports.h"
#include "game/game_state.h"

namespace quorvane {

// The game reads and writes the settings record but does not pass its
// layout on: users of the game include the settings themselves.
struct GameSettings;

// The seven parameters a skill level sets at each new game.
struct SkillPreset {
  int MovesPerGrowth;
  int GrowthsPerSpeedUp;
  int BlobsPerWallAddition;
  int WallsPerAddition;
  uint16_t StartInterval;  // the step timer holds 16 bits
  int IntervalFloor;
  int SpeedUpStep;
};

constexpr SkillPreset EasyPreset{7, 5, 2, 1, 250, 175, 20};
constexpr SkillPreset IntermediatePreset{5, 5, 2, 2, 200, 125, 15};
constexpr SkillPreset DifficultPreset{3, 5, 1, 3, 160, 120, 10};
constexpr int CustomIntervalFloor = 120;
constexpr int CustomSpeedUpStep = 10;

// The preset of settings.Level, or nothing for a level outside 1..4.
std::optional<SkillPreset> SkillPresetFor(const GameSettings& settings);

// The status bar name of a level, or nullptr outside 1..4.
const char* SkillName(int level);

// Copies a preset into the game and the step timer and clears the counters.
void ApplySkillPreset(const SkillPreset& preset, GameState& state, StepTimer& timer);

// Applies the level chosen in the settings. A level outside 1..4 changes
// nothing at all and gives false.
bool ApplySkillLevel(const GameSettings& settings, GameState& state, StepTimer& timer);

// The Custom speed slider: positions 0 ("Slow", 300 ms) to 18 ("Fast", 120 ms).
constexpr int SpeedSliderMax = 18;
int SliderPositionToSpeed(int position);
int SpeedToSliderPosition(int snakeSpeed);

}  // namespace quorvane
