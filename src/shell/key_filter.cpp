#include "shell/key_filter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include "game/snake_game.h"

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

namespace {

// True while a menu takes the keyboard: an open menu of the bar or a popup,
// or the bar itself focused for keyboard use. receiver is where the key goes.
bool MenuHasKeyboard(const QWidget* receiver) {
  if (qobject_cast<QMenu*>(QApplication::activePopupWidget())) return true;
  if (receiver && (qobject_cast<const QMenu*>(receiver->window()) || qobject_cast<const QMenuBar*>(receiver)))
    return true;
  // Alt or F10 gives the menu bar the focus before any menu drops down.
  return qobject_cast<QMenuBar*>(QApplication::focusWidget()) != nullptr;
}

}  // namespace

KeyMessageFilter::KeyMessageFilter(std::function<bool(int)> filter, QObject* parent)
    : QObject(parent), filter_(std::move(filter)) {}

bool KeyMessageFilter::eventFilter(QObject* watched, QEvent* event) {
  // A press reaches the native window first and is then sent on to the
  // focus widget: act on the widget's copy only, so that it counts once.
  if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
    const auto* widget = static_cast<QWidget*>(watched);
    const auto* press = static_cast<QKeyEvent*>(event);
    // An open menu runs the keyboard itself: arrows move its highlight and
    // Enter picks the item. Keys with Alt held belong to the system.
    if (MenuHasKeyboard(widget) || press->modifiers().testFlag(Qt::AltModifier))
      return QObject::eventFilter(watched, event);
    const int key = VirtualKeyFor(press->key());
    if (key != 0 && filter_(key)) return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace quorvane
