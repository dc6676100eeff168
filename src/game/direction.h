#pragma once

#include "game/board.h"

namespace quorvane {

// Direction codes shared by the game, the steering input and the settings file.
enum Direction : int { Down = 0, Left = 1, Right = 2, Up = 3 };

constexpr int Opposite(int direction) { return 3 - direction; }

}  // namespace quorvane
