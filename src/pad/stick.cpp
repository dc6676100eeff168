#include "pad/stick.h"

#include <cstdlib>

namespace quorvane {

namespace {

// How far the stick leans toward a direction; negative when away from it.
int Lean(PadKey direction, int x, int y) {
  switch (direction) {
    case PadKey::Left: return -x;
    case PadKey::Right: return x;
    case PadKey::Up: return -y;
    default: return y;
  }
}

}  // namespace

std::optional<PadKey> StickDirection::Move(int x, int y) {
  x_ = x;
  y_ = y;
  // The larger axis names the direction the stick points to.
  const bool across = std::abs(x) >= std::abs(y);
  const PadKey pointed = across ? (x < 0 ? PadKey::Left : PadKey::Right) : (y < 0 ? PadKey::Up : PadKey::Down);
  const bool pressed = Lean(pointed, x, y) > Half;
  if (pressed && pointed != held_) {
    held_ = pointed;
    return pointed;
  }
  if (held_ && Lean(*held_, x, y) < Quarter) held_.reset();
  return std::nullopt;
}

}  // namespace quorvane
