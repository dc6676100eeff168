#pragma once

// Ports that do nothing, and a crowded board, shared by the benchmarks.

#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "game/snake_game.h"

namespace quorvane::bench {

struct NullPorts : BoardSurface, GameControls, StepTimer, GameSounds, GameOverQuestions, RandomSource, TimeOfDayClock {
  void DrawCell(int column, int row, int tile) override { benchmark::DoNotOptimize(column + row + tile); }
  void ClearSurface() override {}
  void DrawIntroScreen() override {}
  void RepaintBoard() override {}
  void SetStatusText(int, const std::string& text) override { benchmark::DoNotOptimize(text.data()); }
  void SetControlEnabled(GameControl, bool) override {}
  void SetPauseCaption(const std::string&) override {}
  void SetPauseChecked(bool) override {}
  void SetBlinkTimerEnabled(bool) override {}
  uint16_t Interval() const override { return interval; }
  void SetInterval(uint16_t ms) override { interval = ms; }
  bool Enabled() const override { return enabled; }
  void SetEnabled(bool e) override { enabled = e; }
  void PlaySoundImage(GameSound) override {}
  std::string AskHiScoreName(int32_t) override { return "bench"; }
  bool AskPlayAgain() override { return false; }
  void Reseed(uint32_t seed) override { engine.seed(seed); }
  int Random(int range) override { return std::uniform_int_distribution<int>(0, range - 1)(engine); }
  uint32_t MillisecondsSinceMidnight() override { return 1234567; }

  uint16_t interval = 250;
  bool enabled = false;
  std::mt19937 engine;
};

// A snake of 101 cells winding over rows 0..4 and 60 walls in rows 7..11;
// the head at (19, 5) moves left along the free row 5.
inline void LayCrowdedBoard(GameState& s) {
  s.Snake.clear();
  for (int row = 0; row < 5; ++row)
    for (int i = 0; i < BoardColumns; ++i) {
      const int column = row % 2 == 0 ? i : BoardColumns - 1 - i;
      s.Snake.emplace_back(column, row, 4);
    }
  s.Snake.front().Tile = 2;
  s.Snake.back().Tile = 9;
  s.Snake.emplace_back(19, 5, 11);  // the head, just below the end of the last row
  s.Walls.clear();
  for (int row = 7; row < BoardRows; ++row)
    for (int column = 0; column < BoardColumns; column += (row % 2 ? 1 : 2))
      s.Walls.emplace_back(column, row, WallTile);
  s.PreviousDirection = s.CurrentDirection = Left;
  s.ForbiddenDirection = Right;
  s.MovesPerGrowth = 1000;
  s.MovesSinceGrowth = 0;
  s.Blob = SnakeSegment(2, 6, BlobTile);
  s.GameRunning = true;
}

}  // namespace quorvane::bench
