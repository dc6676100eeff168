#pragma once

#include <deque>
#include <vector>

namespace quorvane {

// One item on one board cell: a snake segment, a wall or the blob.
struct SnakeSegment {
  int Column = 0;
  int Row = 0;
  int Tile = 0;

  SnakeSegment() = default;
  SnakeSegment(int column, int row, int tile) : Column(column), Row(row), Tile(tile) {}
  SnakeSegment(const SnakeSegment&) = default;
  SnakeSegment& operator=(const SnakeSegment&) = default;

  void Assign(const SnakeSegment& source) { *this = source; }
  bool IsAt(int column, int row) const { return Column == column && Row == row; }
  bool IsAdjacent(int column, int row) const;

  bool operator==(const SnakeSegment&) const = default;
};

// One queued steering command.
struct TDirection {
  int Value = 0;
};

using SegmentList = std::vector<SnakeSegment>;
using DirectionList = std::deque<TDirection>;

bool ListContains(const SegmentList& list, int column, int row);

}  // namespace quorvane
