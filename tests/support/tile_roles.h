#pragma once

namespace quorvane {

// Tile roles by index, for checks of the drawn pictures.
constexpr bool IsTailTile(int tile) { return tile >= 0 && tile <= 3; }
constexpr bool IsBodyTile(int tile) { return tile >= 4 && tile <= 9; }
constexpr bool IsHeadTile(int tile) { return (tile >= 10 && tile <= 13) || (tile >= 17 && tile <= 32); }

}  // namespace quorvane
