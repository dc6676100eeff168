#include "widgets/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace quorvane {

void CentreOnScreen(QWidget& window) {
  const QWidget* owner = window.parentWidget();
  QScreen* screen = owner ? owner->screen() : window.screen();
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect place(QPoint(), window.frameGeometry().size());
  place.moveCenter(screen->availableGeometry().center());
  // A moved dialog is also no longer placed over its owner when shown.
  window.move(place.topLeft());
}

}  // namespace quorvane
