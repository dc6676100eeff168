#pragma once

#include <cstdint>
#include <stdexcept>

#include <gtest/gtest.h>

#include "game/tiles.h"
#include "resources/tile_sheet.h"

namespace quorvane::testing {

// Pixel (x, y) of a tile, both 0..19, read from the sheet. Throws
// std::out_of_range for a tile outside 0..32 or a pixel outside the tile.
inline std::uint32_t TilePixel(const TileSheet& sheet, int tile, int x, int y) {
  if (tile < 0 || tile >= TileCount) throw std::out_of_range("tile index out of range");
  if (x < 0 || x >= TileSize || y < 0 || y >= TileSize) throw std::out_of_range("pixel outside the tile");
  return sheet.At(TileSheetX(tile) + x, TileSheetY(tile) + y);
}

// Calls |check(x, y)| for each pixel of a picture, row by row, and stops at
// the first fatal failure.
template <class Check>
void ForEachPixel(int width, int height, Check check) {
  for (int y = 0; y < height && !::testing::Test::HasFatalFailure(); ++y) {
    for (int x = 0; x < width && !::testing::Test::HasFatalFailure(); ++x) check(x, y);
  }
}

}  // namespace quorvane::testing
