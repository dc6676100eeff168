#include "game/skill_levels.h"
#include "settings/game_settings.h"

#include <algorithm>

namespace quorvane {

std::optional<SkillPreset> SkillPresetFor(const GameSettings& settings) {
  switch (settings.Level) {
    case Easy: return EasyPreset;
    case Intermediate: return IntermediatePreset;
    case Difficult: return DifficultPreset;
    case Custom:
      return SkillPreset{settings.MoveMax,
                         settings.MaxMax,
                         settings.WallMax,
                         settings.WallNum,
                         static_cast<uint16_t>(settings.SnakeSpeed),
                         CustomIntervalFloor,
                         CustomSpeedUpStep};
    default: return std::nullopt;
  }
}

const char* SkillName(int level) {
  switch (level) {
    case Easy: return "Easy";
    case Intermediate: return "Intermediate";
    case Difficult: return "Difficult";
    case Custom: return "Custom";
    default: return nullptr;
  }
}

void ApplySkillPreset(const SkillPreset& preset, GameState& state, StepTimer& timer) {
  state.MovesSinceGrowth = 0;
  state.MovesPerGrowth = preset.MovesPerGrowth;
  state.GrowthsPerSpeedUp = preset.GrowthsPerSpeedUp;
  state.GrowthsSinceSpeedUp = 0;
  state.BlobsSinceWalls = 0;
  state.BlobsPerWallAddition = preset.BlobsPerWallAddition;
  state.WallsPerAddition = preset.WallsPerAddition;
  timer.SetInterval(preset.StartInterval);
  state.IntervalFloor = preset.IntervalFloor;
  state.SpeedUpStep = preset.SpeedUpStep;
}

bool ApplySkillLevel(const GameSettings& settings, GameState& state, StepTimer& timer) {
  const auto preset = SkillPresetFor(settings);
  if (!preset) return false;
  ApplySkillPreset(*preset, state, timer);
  return true;
}

int SliderPositionToSpeed(int position) { return 300 - 10 * position; }

int SpeedToSliderPosition(int snakeSpeed) {
  // Integer division truncates toward zero, as the slider has always shown it.
  return std::clamp((300 - snakeSpeed) / 10, 0, SpeedSliderMax);
}

}  // namespace quorvane
