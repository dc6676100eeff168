#pragma once

namespace quorvane {

// The board's size in cells and in pixels, and the snake's length when a game
// starts: the game, the options dialog and the window all lay out from these.
constexpr int BoardColumns = 20;
constexpr int BoardRows = 12;
constexpr int TileSize = 20;  // pixels on each side of a tile, and so of a board cell
constexpr int BoardWidth = BoardColumns * TileSize;
constexpr int BoardHeight = BoardRows * TileSize;
constexpr int StartSnakeLength = 5;

}  // namespace quorvane
