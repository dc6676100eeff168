#pragma once

// The rules a running game keeps after every completed step, worked out
// from the board's geometry and the tile roles rather than from the step's
// own tables. Each check gives an empty text when the rule holds, or says
// what broke; the soaks call them millions of times, so they cost one pass
// over the board and allocate nothing unless something broke.

#include <array>
#include <cstdlib>
#include <string>

#include "game/snake_game.h"

namespace quorvane::testing {

inline bool OnBoard(const SnakeSegment& s) {
  return s.Column >= 0 && s.Column < BoardColumns && s.Row >= 0 && s.Row < BoardRows;
}

// The direction leading from one cell to its orthogonal neighbour; -1 when
// the two are not neighbours.
inline int StepDirection(const SnakeSegment& from, const SnakeSegment& to) {
  const int dc = to.Column - from.Column, dr = to.Row - from.Row;
  if (std::abs(dc) + std::abs(dr) != 1) return -1;
  return dr == 1 ? Down : dc == -1 ? Left : dc == 1 ? Right : Up;
}

// The body tile whose two ends point the given ways (Down: towards the
// bottom edge of the cell, and so on).
inline int BodyTileJoining(int a, int b) {
  constexpr int kTile[4][4] = {{-1, 8, 9, 5}, {8, -1, 4, 6}, {9, 4, -1, 7}, {5, 6, 7, -1}};  // Down, Left, Right, Up
  return kTile[a][b];
}

// Heads by the way they move: plain ones, and those swallowing the blob.
inline int PlainHeadFor(int moving) {
  constexpr int kTile[] = {10, 11, 13, 12};  // Down, Left, Right, Up
  return kTile[moving];
}
inline int SwallowingHeadFor(int moving) {
  constexpr int kTile[] = {20, 17, 19, 18};
  return kTile[moving];
}

// The crashed head facing one way with its body on the given side.
inline int CrashedHeadFor(int facing, int bodySide) {
  constexpr int kTile[4][4] = {
      // body: below above left right
      {-1, 24, 28, 32},  // facing Down
      {25, 29, -1, 21},  // Left
      {26, 30, 23, -1},  // Right
      {22, -1, 27, 31},  // Up
  };
  return kTile[facing][bodySide == Down ? 0 : bodySide == Up ? 1 : bodySide == Left ? 2 : 3];
}

inline std::string At(const char* what, const SnakeSegment& s) {
  return std::string(what) + " at " + std::to_string(s.Column) + "," + std::to_string(s.Row) + " tile " +
         std::to_string(s.Tile);
}

// The board of a running game between two steps. With |cells| (what each
// cell shows, -1 for never drawn), the picture must agree with the model.
inline std::string BoardFault(const GameState& s, const std::array<int, BoardColumns* BoardRows>* cells = nullptr) {
  const SegmentList& snake = s.Snake;
  if (snake.size() < static_cast<size_t>(s.InitialSnakeLength)) return "snake shorter than at the start";
  std::array<int, BoardColumns * BoardRows> shown;
  shown.fill(-1);
  auto occupy = [&](const SnakeSegment& item, const char* what) -> std::string {
    if (!OnBoard(item)) return At(what, item) + " is off the board";
    int& cell = shown[static_cast<size_t>(item.Row * BoardColumns + item.Column)];
    if (cell != -1) return At(what, item) + " shares its cell";
    cell = item.Tile;
    return {};
  };
  const size_t last = snake.size() - 1;
  for (size_t i = 0; i <= last; ++i) {
    const SnakeSegment& segment = snake[i];
    if (std::string fault = occupy(segment, "snake"); !fault.empty()) return fault;
    const int toHead = i < last ? StepDirection(segment, snake[i + 1]) : -1;
    const int toTail = i > 0 ? StepDirection(segment, snake[i - 1]) : -1;
    if ((i < last && toHead < 0) || (i > 0 && toTail < 0)) return At("snake", segment) + " is torn from its neighbour";
    int expected = -1;
    if (i == 0) {
      expected = toHead;  // tail tiles 0..3 run in direction order
    } else if (i < last) {
      expected = BodyTileJoining(toTail, toHead);
    } else {
      const int moving = Opposite(toTail);
      expected = segment.Tile == SwallowingHeadFor(moving) ? segment.Tile : PlainHeadFor(moving);
      if (moving != s.PreviousDirection) return At("head", segment) + " moves otherwise than the last step went";
    }
    if (segment.Tile != expected) return At("snake", segment) + " should show tile " + std::to_string(expected);
  }
  for (const SnakeSegment& wall : s.Walls) {
    if (wall.Tile != WallTile) return At("wall", wall) + " has another tile";
    if (std::string fault = occupy(wall, "wall"); !fault.empty()) return fault;
  }
  if (s.BlobOnBoard) {
    if (s.Blob.Tile != BlobTile) return At("blob", s.Blob) + " has another tile";
    if (std::string fault = occupy(s.Blob, "blob"); !fault.empty()) return fault;
  }
  if (s.ForbiddenDirection != Opposite(s.PreviousDirection)) return "the forbidden direction is not the reverse";
  if (cells != nullptr) {
    for (size_t i = 0; i < shown.size(); ++i) {
      const int seen = (*cells)[i];
      const bool agrees = shown[i] == -1 ? seen == -1 || seen == EmptyTile : seen == shown[i];
      if (!agrees)
        return "cell " + std::to_string(i % BoardColumns) + "," + std::to_string(i / BoardColumns) + " shows " +
               std::to_string(seen) + " instead of " + std::to_string(shown[i]);
    }
  }
  return {};
}

// After a crash: the move that failed really was blocked, and the head
// shows the crash facing that way with its body behind it.
inline std::string CrashFault(const GameState& s) {
  const SnakeSegment& head = s.Snake.back();
  const int d = s.CurrentDirection;
  SnakeSegment target(head.Column + (d == Right) - (d == Left), head.Row + (d == Down) - (d == Up), 0);
  bool blocked = !OnBoard(target);
  for (const SegmentList* list : {&s.Snake, &s.Walls})
    for (const SnakeSegment& item : *list) blocked = blocked || item.IsAt(target.Column, target.Row);
  if (!blocked) return At("crash towards", target) + ", a free cell";
  const int tile = CrashedHeadFor(d, Opposite(s.PreviousDirection));
  if (head.Tile != tile) return At("crashed head", head) + " should show tile " + std::to_string(tile);
  return {};
}

}  // namespace quorvane::testing
