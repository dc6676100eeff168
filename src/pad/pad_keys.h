#pragma once

#include <string>

namespace quorvane {

// What a game controller's press stands for, in the game's own terms.
enum class PadKey {
  Up,
  Down,
  Left,
  Right,
  Accept,          // the south button (A, cross): Enter
  Cancel,          // the east button (B, circle): Escape
  Start,           // new game, or pause and resume
  Help,            // Back / Select
  NextControl,     // right shoulder: Tab
  PreviousControl  // left shoulder: Shift+Tab
};

// One thing a pad did: a press, or the pad gone; or a joystick plugged in
// that is no game controller SDL knows, named once.
struct PadEvent {
  enum class Kind { Press, Removed, Unmapped };
  Kind What = Kind::Press;
  PadKey Key = PadKey::Accept;  // for a press
  int Pad = -1;                 // which pad, for as long as it stays connected
  std::string Name = {};        // the unmapped joystick's
};

}  // namespace quorvane
