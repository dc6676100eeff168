#pragma once

#include <QMargins>
#include <QPoint>
#include <optional>

class QWindow;

namespace quorvane {

// What the X window manager must hear that Qt tells it only in part. Each
// does nothing off X (Wayland, offscreen).

// The frame the window manager has reported for a window
// (_NET_FRAME_EXTENTS), or nothing before it has.
std::optional<QMargins> ReportedFrameExtents(const QWindow& window);

// Asks the window manager to put the frame of a window it has framed with
// its corner at `framePosition`. Qt moves a window by the frame it knows
// of, which lags behind the window manager's at first; this does not. False
// where it cannot ask (off X, or before the window manager has framed it).
bool MoveX11Frame(const QWindow& window, QPoint framePosition);

// True when `nativeEvent` (an xcb event handed to a native event filter)
// tells that the window manager has reported new frame extents for `window`.
bool IsFrameExtentsReport(const QWindow& window, const void* nativeEvent);

}  // namespace quorvane
