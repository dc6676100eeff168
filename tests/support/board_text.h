#pragma once

// Boards laid out from rows of text, one character per cell, for tests and
// benchmarks that need a crowded board:
//   '.' empty      '#' a wall      '*' the blob
//   '>' '<' '^' 'v'  a snake segment, pointing at the next one towards the head
//   'H' the head
// The tail is the one segment no arrow points at. The tiles are those a game
// would have drawn for that shape, and the snake is heading the way it
// entered its head. Rows left out are empty.

#include <algorithm>
#include <initializer_list>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "game/snake_game.h"

namespace quorvane::testing {

inline int ArrowDirection(char c) {
  constexpr std::string_view kArrows = "v<>^";  // Down, Left, Right, Up
  const size_t d = kArrows.find(c);
  return d == std::string_view::npos ? -1 : static_cast<int>(d);
}

inline void LayBoard(GameState& s, std::initializer_list<std::string_view> rows) {
  if (rows.size() > BoardRows) throw std::invalid_argument("more rows than the board has");
  auto cell = [&](int column, int row) -> char {
    if (row < 0 || row >= static_cast<int>(rows.size())) return '.';
    const std::string_view line = rows.begin()[row];
    return column >= 0 && column < static_cast<int>(line.size()) ? line[static_cast<size_t>(column)] : '.';
  };
  constexpr int kColumnStep[4] = {0, -1, 1, 0};
  constexpr int kRowStep[4] = {1, 0, 0, -1};

  s.Snake.clear();
  s.Walls.clear();
  s.BlobOnBoard = false;
  std::vector<bool> pointedAt(BoardColumns * BoardRows, false);
  std::vector<int> arrowCells;  // row by row
  for (int row = 0; row < BoardRows; ++row)
    for (int column = 0; column < BoardColumns; ++column) {
      const char c = cell(column, row);
      if (const int d = ArrowDirection(c); d >= 0) {
        arrowCells.push_back(row * BoardColumns + column);
        const int nextColumn = column + kColumnStep[d], nextRow = row + kRowStep[d];
        if (nextColumn < 0 || nextColumn >= BoardColumns || nextRow < 0 || nextRow >= BoardRows)
          throw std::invalid_argument("an arrow points off the board");
        pointedAt[static_cast<size_t>(nextRow * BoardColumns + nextColumn)] = true;
      } else if (c == '#') {
        s.Walls.emplace_back(column, row, WallTile);
      } else if (c == '*') {
        s.Blob = SnakeSegment(column, row, BlobTile);
        s.BlobOnBoard = true;
      } else if (c != '.' && c != 'H') {
        throw std::invalid_argument("unknown board character");
      }
    }

  // Follow the arrows from the tail to the head.
  const auto tail =
      std::find_if(arrowCells.begin(), arrowCells.end(), [&](int at) { return !pointedAt[static_cast<size_t>(at)]; });
  if (tail == arrowCells.end()) throw std::invalid_argument("no tail: the snake needs at least one arrow");
  int column = *tail % BoardColumns, row = *tail / BoardColumns;
  int previous = -1;
  for (int steps = 0; cell(column, row) != 'H'; ++steps) {
    const int d = ArrowDirection(cell(column, row));
    if (d < 0 || steps > static_cast<int>(arrowCells.size()))
      throw std::invalid_argument("the arrows do not lead to the head");
    s.Snake.emplace_back(column, row, previous < 0 ? d : NeckTile(previous, d));
    previous = d;
    column += kColumnStep[d];
    row += kRowStep[d];
  }
  s.Snake.emplace_back(column, row, PlainHeadTile(previous));
  s.CurrentDirection = s.PreviousDirection = previous;
  s.ForbiddenDirection = Opposite(previous);
  s.DirectionQueue.clear();
}

}  // namespace quorvane::testing
