#include "game/snake_segment.h"

#include <algorithm>
#include <cstdlib>

namespace quorvane {

bool SnakeSegment::IsAdjacent(int column, int row) const {
  return (column == Column && std::abs(row - Row) == 1) || (row == Row && std::abs(column - Column) == 1);
}

bool ListContains(const SegmentList& list, int column, int row) {
  return std::any_of(list.begin(), list.end(), [&](const SnakeSegment& s) { return s.IsAt(column, row); });
}

}  // namespace quorvane
