#include <algorithm>

#include "game/snake_game.h"

namespace quorvane {

namespace {
// With at least one free cell a uniform draw hits it within a few hundred
// tries; this bound only guards against a generator that never does.
constexpr int kMaxDraws = 4096;
}  // namespace

int SnakeGame::PocketCount(int column, int row) const {
  int count = 0;
  for (const SnakeSegment& wall : state_.Walls)
    if (wall.IsAdjacent(column, row)) ++count;
  if (column == 0 || column == BoardColumns - 1) ++count;
  if (row == 0 || row == BoardRows - 1) ++count;
  return count;
}

bool SnakeGame::InHeadZone(int column, int row) const {
  if (state_.Snake.empty()) return false;
  const SnakeSegment& head = state_.Snake.back();
  // Two rows above the head, its own row and one below.
  return column >= head.Column - 2 && column <= head.Column + 2 && row >= head.Row - 2 && row <= head.Row + 1;
}

bool SnakeGame::CellPasses(int x, int y, PlacementRules rules) const {
  if (x == state_.LastPlacedColumn || y == state_.LastPlacedRow) return false;
  if (ListContains(state_.Snake, x, y) || ListContains(state_.Walls, x, y)) return false;
  if (state_.Blob.IsAt(x, y)) return false;
  if (rules == PlacementRules::Blob && PocketCount(x, y) >= 3) return false;
  return !InHeadZone(x, y);
}

bool SnakeGame::PlaceItem(SnakeSegment& item, PlacementRules rules) {
  RandomSource& random = ports_.Random;
  random.Reseed(ports_.Clock.MillisecondsSinceMidnight());

  int freeCells = 0;
  for (int y = 0; y < BoardRows; ++y)
    for (int x = 0; x < BoardColumns; ++x)
      if (CellPasses(x, y, rules)) ++freeCells;
  if (freeCells == 0) return false;

  int x = -1, y = -1;
  for (int draw = 0; draw < kMaxDraws; ++draw) {
    const int cx = random.Random(BoardColumns);
    const int cy = random.Random(BoardRows);
    if (CellPasses(cx, cy, rules)) {
      x = cx;
      y = cy;
      break;
    }
  }
  if (x < 0) {
    // The generator kept missing: take one of the free cells by lot.
    int pick = std::clamp(random.Random(freeCells), 0, freeCells - 1);
    for (int cy = 0; cy < BoardRows && x < 0; ++cy)
      for (int cx = 0; cx < BoardColumns && x < 0; ++cx)
        if (CellPasses(cx, cy, rules) && pick-- == 0) {
          x = cx;
          y = cy;
        }
  }

  item.Column = x;
  item.Row = y;
  state_.LastPlacedColumn = x;
  state_.LastPlacedRow = y;
  ports_.Surface.DrawCell(x, y, item.Tile);
  return true;
}

}  // namespace quorvane
