#pragma once

// Recording fakes for the game's ports, and a rig wiring them to a game.
// Tests read what the fakes recorded; benchmarks switch the log off, so the
// fakes then record nothing and cost no more than a call.

#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "game/snake_game.h"
#include "settings/game_settings.h"

namespace quorvane::testing {

// A shared log, so tests can check the order of calls across ports.
struct CallLog : std::vector<std::string> {
  bool On = true;  // off: no fake records anything
};

// The log a recording fake writes to.
struct Recorder {
  explicit Recorder(CallLog& log) : log_(log) {}
  CallLog& log_;
};

struct DrawCall {
  int Column, Row, Tile;
  bool operator==(const DrawCall&) const = default;
};

class RecordingSurface : public BoardSurface, Recorder {
 public:
  explicit RecordingSurface(CallLog& log) : Recorder(log) { Cells.fill(-1); }
  void DrawCell(int column, int row, int tile) override {
    if (!log_.On && !KeepCells) return;
    if (column >= 0 && column < BoardColumns && row >= 0 && row < BoardRows) Cells[row * BoardColumns + column] = tile;
    if (!log_.On) return;
    Draws.push_back({column, row, tile});
    log_.push_back("draw " + std::to_string(column) + "," + std::to_string(row) + " " + std::to_string(tile));
  }
  void ClearSurface() override {
    if (!log_.On && !KeepCells) return;
    Cells.fill(-1);
    if (log_.On) log_.push_back("clear");
  }
  void DrawIntroScreen() override {
    if (log_.On) log_.push_back("intro");
  }
  void RepaintBoard() override {
    if (OnRepaint) OnRepaint();
    if (!log_.On) return;
    ++Repaints;
    log_.push_back("repaint");
  }
  int CellAt(int column, int row) const { return Cells[row * BoardColumns + column]; }

  std::vector<DrawCall> Draws;
  std::array<int, BoardColumns * BoardRows> Cells{};  // -1: black, never drawn
  int Repaints = 0;
  bool KeepCells = false;           // with the log off, Cells still follow the drawing
  std::function<void()> OnRepaint;  // a window repaints through the game's paint handler
};

class FakeControls : public GameControls, Recorder {
 public:
  using Recorder::Recorder;
  void SetStatusText(StatusPanel panel, const std::string& text) override {
    if (!log_.On) return;
    Panels[panel] = text;
    log_.push_back("panel " + std::to_string(panel) + " " + text);
  }
  void SetControlEnabled(GameControl control, bool enabled) override {
    if (!log_.On) return;
    Enabled[control] = enabled;
    log_.push_back(std::string(enabled ? "enable " : "disable ") + Name(control));
  }
  void SetPauseCaption(const std::string& caption) override { PauseCaption = caption; }
  void SetPauseChecked(bool checked) override { PauseChecked = checked; }
  void SetBlinkTimerEnabled(bool enabled) override {
    BlinkEnabled = enabled;
    if (!log_.On) return;
    log_.push_back(std::string("blink ") + (enabled ? "on" : "off"));
  }
  void BoardChanged() override { ++BoardChanges; }
  bool IsEnabled(GameControl c) const { return Enabled.contains(c) && Enabled.at(c); }
  static const char* Name(GameControl c) {
    constexpr const char* kNames[] = {"DownSpeed", "LeftSpeed", "RightSpeed", "UpSpeed",
                                      "Button3",   "Pause1",    "Options1"};  // in the enumeration's order
    return kNames[static_cast<int>(c)];
  }

  std::array<std::string, 4> Panels;
  std::map<GameControl, bool> Enabled;
  std::string PauseCaption;
  bool PauseChecked = false;
  bool BlinkEnabled = false;
  int BoardChanges = 0;
};

class FakeTimer : public StepTimer, Recorder {
 public:
  using Recorder::Recorder;
  uint16_t Interval() const override { return interval_; }
  void SetInterval(uint16_t ms) override { interval_ = ms; }
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override {
    enabled_ = enabled;
    if (log_.On) log_.push_back(std::string("timer ") + (enabled ? "on" : "off"));
  }

 private:
  uint16_t interval_ = 1000;
  bool enabled_ = false;
};

class RecordingSounds : public GameSounds, Recorder {
 public:
  using Recorder::Recorder;
  void PlaySoundImage(GameSound sound) override {
    if (!log_.On) return;
    Played.push_back(sound);
    constexpr const char* kNames[] = {"sound blob", "sound gameover", "sound hiscore"};  // in the enumeration's order
    log_.push_back(kNames[static_cast<int>(sound)]);
  }
  int Count(GameSound sound) const { return static_cast<int>(std::count(Played.begin(), Played.end(), sound)); }
  std::vector<GameSound> Played;
};

class ScriptedQuestions : public GameOverQuestions, Recorder {
 public:
  using Recorder::Recorder;
  std::string AskHiScoreName(int32_t hiScore) override {
    if (log_.On) log_.push_back("hiscore dialog " + std::to_string(hiScore));
    return Name;
  }
  bool AskPlayAgain() override {
    if (log_.On) log_.push_back("play again?");
    if (DuringPlayAgain) DuringPlayAgain();
    if (PlayAgainAnswers.empty()) return false;
    bool answer = PlayAgainAnswers.front();
    PlayAgainAnswers.pop_front();
    return answer;
  }
  std::string Name = "Tester";
  std::function<void()> DuringPlayAgain;  // runs while the question is open
  std::deque<bool> PlayAgainAnswers;
};

// Hands out scripted numbers first, then a seeded generator's.
class ScriptedRandom : public RandomSource {
 public:
  void Reseed(uint32_t seed) override {
    if (Record) Seeds.push_back(seed);
  }
  int Random(int range) override {
    if (Record) Ranges.push_back(range);
    if (!Script.empty()) {
      int v = Script.front();
      Script.pop_front();
      return v;
    }
    return std::uniform_int_distribution<int>(0, range - 1)(engine_);
  }
  void Push(std::initializer_list<int> values) { Script.insert(Script.end(), values); }

  std::deque<int> Script;
  bool Record = true;
  std::vector<uint32_t> Seeds;
  std::vector<int> Ranges;

 private:
  std::mt19937 engine_{12345};
};

class FixedClock : public TimeOfDayClock {
 public:
  uint32_t MillisecondsSinceMidnight() override { return Now; }
  uint32_t Now = ((13u * 60 + 5) * 60 + 9) * 1000 + 250;
};

// A game with every port faked; or drawing on a real surface, given one.
struct GameRig {
  GameRig() = default;
  explicit GameRig(BoardSurface& surface)
      : Game{Settings, GamePorts{surface, Controls, Timer, Sounds, Questions, Random, Clock}} {}

  CallLog Log;
  RecordingSurface Surface{Log};
  FakeControls Controls{Log};
  FakeTimer Timer{Log};
  RecordingSounds Sounds{Log};
  ScriptedQuestions Questions{Log};
  ScriptedRandom Random;
  FixedClock Clock;
  GameSettings Settings;
  SnakeGame Game{Settings, GamePorts{Surface, Controls, Timer, Sounds, Questions, Random, Clock}};

  GameState& S() { return Game.State(); }

  // For benchmarks: the fakes stop recording.
  void Quiet() {
    Log.On = false;
    Random.Record = false;
  }
  // For long runs: nothing is recorded but what each cell shows, and a
  // repaint paints the whole board, as the window's does.
  void QuietButKeepCells() {
    Quiet();
    Surface.KeepCells = true;
    Surface.OnRepaint = [this] { Game.PaintBox1Paint(); };
  }
  const SnakeSegment& Head() { return S().Snake.back(); }

  // Steers clockwise round the rectangle of columns 2..17 and rows 1..10,
  // starting from the default start; the blob should lie inside it.
  void SteerAroundLoop() {
    if (!S().DirectionQueue.empty()) return;
    const SnakeSegment& h = Head();
    const int d = S().PreviousDirection;
    constexpr int kTurn[] = {Right, Down, Up, Left};  // at the corner ending a run Down, Left, Right, Up
    if ((d == Right && h.Column == 17) || (d == Up && h.Row == 1) || (d == Left && h.Column == 2) ||
        (d == Down && h.Row == 10))
      Game.QueueDirection(kTurn[d]);
  }

  // Puts the blob on the cell right of the head, where a snake moving right
  // goes next, and steps onto it.
  void EatOnce() {
    S().Blob = {Head().Column + 1, Head().Row, BlobTile};
    Game.GameStep();
  }

  // New game with the first blob at a chosen cell (it must pass the rules).
  void NewGameWithBlobAt(int column, int row) {
    Random.Push({column, row});
    Game.NewGame();
  }
};

// A game running from the default start, its first blob at (3, 3). The best
// score in the settings is the one stored before this run, as the window's
// start hands it to the game.
struct StartedGame : GameRig {
  explicit StartedGame(const GameSettings& settings = {}) {
    Settings = settings;
    S().PreviousHiScore = Settings.HiScore;
    NewGameWithBlobAt(3, 3);
  }
};

}  // namespace quorvane::testing
