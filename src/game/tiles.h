#pragma once

namespace quorvane {

// Indexes into the 33-tile sheet. Only the roles the game names directly;
// the direction-dependent tables live with the step.
constexpr int TileCount = 33;
constexpr int EmptyTile = 14;
constexpr int BlobTile = 15;
constexpr int WallTile = 16;

}  // namespace quorvane
