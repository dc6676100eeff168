#pragma once

#include <cstdint>
#include <string>

namespace quorvane {

enum SkillLevel : int { Easy = 1, Intermediate = 2, Difficult = 3, Custom = 4 };
enum StartPositionMode : int { DefaultStart = 0, RandomStart = 1, CustomStart = 2 };

// The longest text a setting gives back, in bytes of UTF-8, as from the
// Windows profile service: a longer one is cut when it is read.
inline constexpr int MaxSettingTextBytes = 2047;

// The twenty stored settings, in the order they are read and written.
// Values come from the file unchecked; whoever uses one guards its range.
struct GameSettings {
  int32_t Level = Easy;         // SKILL/LEVEL
  std::string WavFolder;        // SOUNDS/WAVFOLDER
  bool PlayWavs = true;         // SOUNDS/PLAYWAVS
  bool PlayBall = true;         // SOUNDS/PLAYBALL
  std::string BallWav;          // SOUNDS/BALLWAV
  bool PlayGameOver = true;     // SOUNDS/PLAYGAMEOVER
  std::string GameOverWav;      // SOUNDS/GAMEOVERWAV
  bool PlayHiScore = true;      // SOUNDS/PLAYHISCORE
  std::string HiScoreWav;       // SOUNDS/HISCOREWAV
  int32_t MoveMax = 5;          // CUSTOM/MOVEMAX
  int32_t SnakeSpeed = 300;     // CUSTOM/SNAKESPEED
  int32_t MaxMax = 5;           // CUSTOM/MAXMAX
  int32_t WallMax = 1;          // CUSTOM/WALLMAX
  int32_t WallNum = 2;          // CUSTOM/WALLNUM
  int32_t HiScore = 0;          // SCORE/HISCORE
  std::string HiName;           // SCORE/HINAME
  int32_t Mode = DefaultStart;  // POSITION/MODE
  int32_t CustomDirection = 2;  // POSITION/CUSTOMDIRECTION (Right)
  int32_t CustomHPos = 10;      // POSITION/CUSTOMHPOS
  int32_t CustomVPos = 10;      // POSITION/CUSTOMVPOS

  bool operator==(const GameSettings&) const = default;
};

}  // namespace quorvane
