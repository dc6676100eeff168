#include "shell/key_filter.h"

#include <QKeyEvent>
#include <QWidget>

#include "game/snake_game.h"
#include "help/help_window.h"

namespace quorvane {

int VirtualKeyFor(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Left: return KeyLeft;
    case Qt::Key_Up: return KeyUp;
    case Qt::Key_Right: return KeyRight;
    case Qt::Key_Down: return KeyDown;
    case Qt::Key_Return:
    case Qt::Key_Enter: return KeyEnter;
    default: return 0;
  }
}

KeyMessageFilter::KeyMessageFilter(std::function<bool(int)> filter, QObject* parent)
    : QObject(parent), filter_(std::move(filter)) {}

bool KeyMessageFilter::eventFilter(QObject* watched, QEvent* event) {
  // A press reaches the native window first and is then sent on to the
  // focus widget: act on the widget's copy only, so that it counts once.
  if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
    // Keys typed in the help window are the reader's: they scroll and pick
    // topics there, and never steer the snake.
    if (IsHelpWindow(static_cast<QWidget*>(watched)->window())) return QObject::eventFilter(watched, event);
    const int key = VirtualKeyFor(static_cast<QKeyEvent*>(event)->key());
    if (key != 0 && filter_(key)) return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace quorvane
