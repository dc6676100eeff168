#pragma once

#include <array>
#include <cstdint>

#include "game/board.h"

namespace quorvane {

// The board uses exactly these five colours, as 0xRRGGBB.
namespace tile_colour {
constexpr std::uint32_t Black = 0x000000;
constexpr std::uint32_t Green = 0x00FF00;
constexpr std::uint32_t Blue = 0x0000FF;
constexpr std::uint32_t Red = 0xFF0000;
constexpr std::uint32_t White = 0xFFFFFF;
}  // namespace tile_colour

// One 20 x 20 tile, row by row, 0xRRGGBB. Starts all black.
struct TilePicture {
  std::array<std::uint32_t, TileSize * TileSize> Pixels{};

  std::uint32_t At(int x, int y) const { return Pixels[y * TileSize + x]; }
  void Set(int x, int y, std::uint32_t colour) { Pixels[y * TileSize + x] = colour; }
  bool operator==(const TilePicture&) const = default;
};

// The five ways one tile is made from another. A quarter turn clockwise
// moves the left edge to the top.
TilePicture TurnClockwise(const TilePicture& tile);
TilePicture TurnAnticlockwise(const TilePicture& tile);
TilePicture TurnHalf(const TilePicture& tile);
TilePicture MirrorLeftRight(const TilePicture& tile);
TilePicture MirrorTopBottom(const TilePicture& tile);

// The picture of tile 0..32; throws std::out_of_range for any other index.
TilePicture DrawTile(int tile);

// All 33 tiles, four to a row: tile i at (20 * (i % 4), 20 * (i / 4)).
// The three unused places at the end (33..35) are black.
struct TileSheet {
  static constexpr int Columns = 4;
  static constexpr int Rows = 9;
  static constexpr int Width = Columns * TileSize;
  static constexpr int Height = Rows * TileSize;

  std::array<std::uint32_t, Width * Height> Pixels{};

  std::uint32_t At(int x, int y) const { return Pixels[y * Width + x]; }
};

// Drawn on first use and kept for the life of the program.
const TileSheet& BuildTileSheet();

// Where tile i starts on the sheet.
constexpr int TileSheetX(int tile) { return TileSize * (tile % TileSheet::Columns); }
constexpr int TileSheetY(int tile) { return TileSize * (tile / TileSheet::Columns); }

}  // namespace quorvane
