#pragma once

namespace quorvane {

// Direction codes shared by the game, the steering input and the settings file.
enum Direction : int { Down = 0, Left = 1, Right = 2, Up = 3 };

constexpr int Opposite(int direction) { return 3 - direction; }

constexpr int BoardColumns = 20;
constexpr int BoardRows = 12;
constexpr int CellSize = 20;  // pixels per board cell

}  // namespace quorvane
