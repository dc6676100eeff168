#pragma once

namespace quorvane {

// Indexes into the 33-tile sheet. Only the roles the game names directly;
// the direction-dependent tables live with the step.
constexpr int TileCount = 33;
constexpr int EmptyTile = 14;
constexpr int BlobTile = 15;
constexpr int WallTile = 16;

constexpr bool IsTailTile(int tile) { return tile >= 0 && tile <= 3; }
constexpr bool IsBodyTile(int tile) { return tile >= 4 && tile <= 9; }
constexpr bool IsHeadTile(int tile) { return (tile >= 10 && tile <= 13) || (tile >= 17 && tile <= 32); }

}  // namespace quorvane
