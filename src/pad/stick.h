#pragma once

#include <optional>

#include "pad/pad_keys.h"

namespace quorvane {

// A thumb stick as four arrow keys. It presses a direction once past half
// its travel and lets go only below a quarter, so a stick held near either
// mark does not chatter; of a diagonal the larger axis counts.
class StickDirection {
 public:
  // The stick's travel along each axis, as SDL gives it: -32768..32767,
  // right and down positive.
  static constexpr int Half = 16384;
  static constexpr int Quarter = 8192;

  // Takes the stick's new place; gives the direction it presses anew, if any.
  std::optional<PadKey> Move(int x, int y);
  // Takes one axis alone; the other keeps its last place.
  std::optional<PadKey> MoveX(int x) { return Move(x, y_); }
  std::optional<PadKey> MoveY(int y) { return Move(x_, y); }

 private:
  int x_ = 0, y_ = 0;
  std::optional<PadKey> held_;
};

}  // namespace quorvane
