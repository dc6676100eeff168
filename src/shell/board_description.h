#pragma once

#include <QString>

#include "game/game_state.h"

namespace quorvane {

// The board in words, for screen readers: the intro's lines between games;
// during a game whether it runs, is paused or is over, with the score, the
// way the snake is heading, its length and where the blob lies from its head.
QString DescribeBoard(const GameState& state, bool paused);

}  // namespace quorvane
