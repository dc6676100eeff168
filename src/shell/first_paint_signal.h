#pragma once

class QWidget;

namespace quorvane {

// For the start-up benchmark: with QUORVANE_FIRST_PAINT_FD naming an open
// descriptor, one byte goes to it once the window's board, showing the
// intro, has been painted for the first time. Nothing else changes.
void SignalFirstPaint(QWidget& window);

}  // namespace quorvane
