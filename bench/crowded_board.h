#pragma once

// The board the benchmarks measure: a snake of 101 cells winding over rows
// 0..5, 80 walls in rows 7..11, and the blob in the one free row between.

#include "support/board_text.h"

namespace quorvane::bench {

inline void LayCrowdedBoard(GameState& s) {
  testing::LayBoard(s, {
                           ">>>>>>>>>>>>>>>>>>>v",
                           "v<<<<<<<<<<<<<<<<<<<",
                           ">>>>>>>>>>>>>>>>>>>v",
                           "v<<<<<<<<<<<<<<<<<<<",
                           ">>>>>>>>>>>>>>>>>>>v",
                           "...................H",
                           "..*.................",
                           "####################",
                           "#.#.#.#.#.#.#.#.#.#.",
                           "####################",
                           "#.#.#.#.#.#.#.#.#.#.",
                           "####################",
                       });
  s.MovesPerGrowth = 1000;  // plain moves only: every step costs the same
  s.MovesSinceGrowth = 0;
  s.GameRunning = true;
}

}  // namespace quorvane::bench
