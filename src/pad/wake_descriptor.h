#pragma once

namespace quorvane {

// A reader of its own of the device node a pad is read from: the kernel
// hands each reader a copy of the input, so this descriptor turning readable
// says the pad has something to report. Only a character device under /dev
// is opened; for anything else (SDL's virtual pads have no node) it is -1,
// and the pad must be polled.
int OpenWakeDescriptor(const char* path);

// Reads what woke the owner, so the descriptor sleeps until the next report;
// a pad that streams reports is read a bounded amount, the rest wakes the
// owner again. A device that has gone, or reads oddly, is closed: then -1.
int DrainWakeDescriptor(int descriptor);

}  // namespace quorvane
