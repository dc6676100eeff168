#pragma once

#include <functional>

class QWidget;

namespace quorvane {

// Runs `action` once, when `window` is first shown and before the window
// handles that show itself: a window's FormShow, which runs once per window.
void RunOnFirstShow(QWidget& window, std::function<void()> action);

}  // namespace quorvane
