#pragma once

class QWidget;

namespace quorvane {

// False where the compositor alone places windows (Wayland): a program's
// own positions are ignored there, and asking only fills standard error.
bool PlatformPlacesWindows();

// Puts a window's outer frame in the middle of the free area of its owner's
// screen, not in the middle of its owner. Without an owner the window's own
// screen counts. Before the first showing the window manager has not said
// how big its frame will be: the frame of a window already shown stands in
// for it, and the window is centred again once its own frame is known. A
// move by the player is kept. Does nothing where the platform places windows
// itself.
void CentreOnScreen(QWidget& window);

// The same over the middle of the owner's frame, as message boxes sit.
void CentreOverOwner(QWidget& window);

}  // namespace quorvane
