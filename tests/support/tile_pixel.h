#pragma once

#include <cstdint>
#include <stdexcept>

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

}  // namespace quorvane::testing
