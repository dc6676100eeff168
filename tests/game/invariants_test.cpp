#include <gtest/gtest.h>

#include <random>

#include "support/game_fakes.h"

namespace quorvane::testing {
namespace {

bool OnBoard(const SnakeSegment& s) {
  return s.Column >= 0 && s.Column < BoardColumns && s.Row >= 0 && s.Row < BoardRows;
}

// The board rules that hold after every completed step of a running game.
void CheckInvariants(const GameRig& rig, const SnakeGame& game, int step) {
  const GameState& s = game.State();
  const SegmentList& snake = s.Snake;
  ASSERT_GE(snake.size(), 5u) << "step " << step;
  std::array<int, BoardColumns * BoardRows> used{};
  auto occupy = [&](const SnakeSegment& item, const char* what) {
    ASSERT_TRUE(OnBoard(item)) << what << " off the board at step " << step;
    ASSERT_EQ(used[item.Row * BoardColumns + item.Column]++, 0)
        << what << " overlaps at " << item.Column << "," << item.Row << " step " << step;
  };
  for (size_t i = 0; i < snake.size(); ++i) {
    occupy(snake[i], "snake");
    if (i + 1 < snake.size()) {
      ASSERT_TRUE(snake[i].IsAdjacent(snake[i + 1].Column, snake[i + 1].Row)) << "step " << step;
    }
    const int tile = snake[i].Tile;
    if (i == 0) {
      ASSERT_TRUE(IsTailTile(tile)) << tile;
    } else if (i + 1 == snake.size()) {
      ASSERT_TRUE(IsHeadTile(tile)) << tile;
    } else {
      ASSERT_TRUE(IsBodyTile(tile)) << tile << " at " << i;
    }
  }
  for (const SnakeSegment& w : s.Walls) {
    ASSERT_EQ(w.Tile, WallTile);
    occupy(w, "wall");
  }
  if (game.State().BlobOnBoard) occupy(s.Blob, "blob");
  // What the surface shows agrees with the model, cell for cell.
  for (const SnakeSegment& item : snake) ASSERT_EQ(rig.Surface.CellAt(item.Column, item.Row), item.Tile);
  for (const SnakeSegment& w : s.Walls) ASSERT_EQ(rig.Surface.CellAt(w.Column, w.Row), WallTile);
}

TEST(Invariants, HoldThroughThousandsOfRandomGames) {
  std::mt19937 keys(2026);
  int games = 0, steps = 0, blobs = 0;
  for (; games < 3000; ++games) {
    GameRig rig;
    rig.Settings.Level = 1 + games % 4;
    rig.Settings.Mode = games % 3 == 0 ? DefaultStart : RandomStart;
    rig.Settings.MoveMax = 1 + games % 20;
    rig.Settings.WallMax = 1;
    rig.Settings.WallNum = 5;
    rig.Game.NewGame();
    rig.Game.PaintBox1Paint();  // the repaint that follows every new game
    for (int step = 0; rig.S().GameRunning && step < 3000; ++step) {
      // Mostly go straight, sometimes press one or two arrows.
      const int roll = std::uniform_int_distribution<int>(0, 9)(keys);
      if (roll < 3) rig.Game.FilterKeyMessage(KeyLeft + std::uniform_int_distribution<int>(0, 3)(keys));
      if (roll == 0) rig.Game.FilterKeyMessage(KeyLeft + std::uniform_int_distribution<int>(0, 3)(keys));
      const int scoreBefore = rig.S().Score;
      rig.Game.GameStep();
      ++steps;
      if (!rig.S().GameRunning) break;
      const int gained = rig.S().Score - scoreBefore;
      ASSERT_TRUE(gained == 10 || gained == 110) << gained;
      blobs += gained == 110;
      ASSERT_NO_FATAL_FAILURE(CheckInvariants(rig, rig.Game, step));
    }
    ASSERT_FALSE(rig.S().StepInProgress);
  }
  EXPECT_GT(blobs, 100) << "the games should eat blobs and so add walls";
  RecordProperty("steps", steps);
}

}  // namespace
}  // namespace quorvane::testing
