#pragma once

class QWidget;

namespace quorvane {

// Puts a window in the middle of the free area of its owner's screen (the
// part the desktop's panels leave), not in the middle of its owner. Without
// an owner the window's own screen counts. Before the first showing the
// frame is not known yet, so the client area is what gets centred.
void CentreOnScreen(QWidget& window);

}  // namespace quorvane
