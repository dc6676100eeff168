#pragma once

#include <memory>
#include <vector>

#include "pad/pad_keys.h"

namespace quorvane {

// Where pad input comes from: the connected game controllers, or a fake.
// Nothing here runs on a thread of its own: whoever owns it polls it, or
// waits on its descriptors.
class PadInput {
 public:
  virtual ~PadInput() = default;
  // What the pads did since the last call, in the order they did it. Pads
  // plugged in since are opened on the way.
  virtual std::vector<PadEvent> Poll() = 0;
  // How many pads are open now.
  virtual int Connected() const = 0;
  // Descriptors that turn readable when a pad has something to report, so
  // the owner may sleep until then instead of polling; Poll reads them
  // empty. A pad that has none can only be polled.
  virtual std::vector<int> Descriptors() const = 0;
  virtual bool NeedsPolling() const = 0;
};

// The game controllers SDL knows, hot-plugged ones included. Without a
// controller subsystem it stays empty and Poll gives nothing.
std::unique_ptr<PadInput> OpenGameControllers();

}  // namespace quorvane
