#pragma once

#include <cstdint>
#include <string>

// The small interfaces through which the game reaches the outside world.
// The Qt shell implements them with real widgets; tests implement them
// with recording fakes.

namespace quorvane {

// The 400 x 240 drawing surface of the board.
class BoardSurface {
 public:
  virtual ~BoardSurface() = default;
  // Draws one tile with its top-left corner at pixel (20 * column, 20 * row).
  virtual void DrawCell(int column, int row, int tile) = 0;
  // Fills the whole surface black.
  virtual void ClearSurface() = 0;
  // Draws the five intro lines over the (already black) surface.
  virtual void DrawIntroScreen() = 0;
  // Asks for the whole board to be painted from the game state now.
  virtual void RepaintBoard() = 0;
};

// The status bar's four panels, left to right.
enum StatusPanel : int { GameStatePanel = 0, ScorePanel = 1, HiScorePanel = 2, SkillLevelPanel = 3 };

enum class GameControl { DownSpeed, LeftSpeed, RightSpeed, UpSpeed, Button3, Pause1, Options1 };

// Status bar panels, buttons and menu commands the game keeps in step.
class GameControls {
 public:
  virtual ~GameControls() = default;
  virtual void SetStatusText(StatusPanel panel, const std::string& text) = 0;
  virtual void SetControlEnabled(GameControl control, bool enabled) = 0;
  virtual void SetPauseCaption(const std::string& caption) = 0;  // Button3
  virtual void SetPauseChecked(bool checked) = 0;                // Pause1
  virtual void SetBlinkTimerEnabled(bool enabled) = 0;           // ClickNewTimer
  // Sent once when an event (a step, a new game, a pause, a game over, the
  // return to the intro) has finished changing the board and its status, so
  // that whatever describes the board in words says it anew.
  virtual void BoardChanged() = 0;
};

// The step timer: its interval is an unsigned 16-bit count of milliseconds.
class StepTimer {
 public:
  virtual ~StepTimer() = default;
  virtual uint16_t Interval() const = 0;
  virtual void SetInterval(uint16_t milliseconds) = 0;
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
};

enum class GameSound { Blob, GameOver, HiScore };

class GameSounds {
 public:
  virtual ~GameSounds() = default;
  // Starts the sound and returns at once.
  virtual void PlaySoundImage(GameSound sound) = 0;
};

// The two questions of the game-over sequence, both modal.
class GameOverQuestions {
 public:
  virtual ~GameOverQuestions() = default;
  // Shows the new-hi-score dialog with the score; returns the name field's
  // text however the dialog was closed.
  virtual std::string AskHiScoreName(int32_t hiScore) = 0;
  // "Game Over! Would you like to play again?" Yes gives true.
  virtual bool AskPlayAgain() = 0;
};

// Pseudo-random numbers, reseeded by the game before each placement.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual void Reseed(uint32_t seed) = 0;
  // Uniform integer in 0 .. range - 1.
  virtual int Random(int range) = 0;
};

// The time of day in milliseconds since midnight, for reseeding.
class TimeOfDayClock {
 public:
  virtual ~TimeOfDayClock() = default;
  virtual uint32_t MillisecondsSinceMidnight() = 0;
};

}  // namespace quorvane
