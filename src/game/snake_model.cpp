#include "game/snake_game.h"

namespace quorvane {

namespace {

// Indexed by direction code: Down, Left, Right, Up.
constexpr int kTailTiles[4] = {0, 1, 2, 3};
constexpr int kStraightBodyTiles[4] = {5, 4, 4, 5};
constexpr int kPlainHeads[4] = {10, 11, 13, 12};
constexpr int kSwallowingHeads[4] = {20, 17, 19, 18};
constexpr int kColumnStep[4] = {0, -1, 1, 0};
constexpr int kRowStep[4] = {1, 0, 0, -1};

// Rows: previous direction; columns: current direction. A direction is never
// followed by its opposite; those cells keep a straight or plain tile so that
// nothing out of range is ever drawn.
constexpr int kNeckTiles[4][4] = {
    {5, 6, 7, 5},
    {9, 4, 4, 7},
    {8, 4, 4, 6},
    {5, 8, 9, 5},
};
constexpr int kCrashedHeads[4][4] = {
    {24, 29, 30, 22},
    {32, 21, 23, 31},
    {28, 21, 23, 27},
    {24, 25, 26, 22},
};

int Index(int direction) { return direction & 3; }

}  // namespace

int PlainHeadTile(int direction) { return kPlainHeads[Index(direction)]; }
int SwallowingHeadTile(int direction) { return kSwallowingHeads[Index(direction)]; }
int NeckTile(int previous, int current) { return kNeckTiles[Index(previous)][Index(current)]; }
int CrashedHeadTile(int previous, int current) { return kCrashedHeads[Index(previous)][Index(current)]; }

int TailTileAfterPlainMove(const SnakeSegment& tail, const SnakeSegment& next) {
  const bool columnsDiffer = next.Column != tail.Column;
  switch (next.Tile) {
    case 4: return next.Column > tail.Column ? 2 : 1;
    case 5: return next.Row < tail.Row ? 3 : 0;
    case 6: return columnsDiffer ? 2 : 0;
    case 7: return columnsDiffer ? 1 : 0;
    case 8: return columnsDiffer ? 2 : 3;
    case 9: return columnsDiffer ? 1 : 3;
    default: return tail.Tile;
  }
}

void SnakeGame::QueueDirection(int direction) { state_.DirectionQueue.push_back(TDirection{direction}); }

void SnakeGame::BuildSnake(int tailColumn, int tailRow, int direction) {
  const int d = Index(direction);
  const int length = state_.InitialSnakeLength;
  for (int i = 0; i < length; ++i) {
    const int tile = i == 0 ? kTailTiles[d] : (i == length - 1 ? kPlainHeads[d] : kStraightBodyTiles[d]);
    state_.Snake.emplace_back(tailColumn + i * kColumnStep[d], tailRow + i * kRowStep[d], tile);
  }
}

}  // namespace quorvane
