#include "widgets/window_placement.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace quorvane {

namespace {

// The frame of a window that shows one, or none.
QMargins FrameOf(const QWidget* window) {
  if (!window || !window->isVisible() || !window->windowHandle()) return {};
  return window->windowHandle()->frameMargins();
}

// The frame a window not yet shown will most likely get: that of its owner,
// or of any shown window of the program, as one window manager draws them all.
QMargins ExpectedFrame(const QWidget& window) {
  if (const QMargins own = FrameOf(&window); !own.isNull()) return own;
  if (const QWidget* owner = window.parentWidget()) {
    if (const QMargins frame = FrameOf(owner->window()); !frame.isNull()) return frame;
  }
  for (const QWidget* other : QApplication::topLevelWidgets()) {
    if (other == &window || other->windowType() == Qt::Popup || other->windowType() == Qt::ToolTip) continue;
    if (const QMargins frame = FrameOf(other); !frame.isNull()) return frame;
  }
  return {};
}

// Keeps one window's frame centred until the window manager has told its
// real size: each time the frame's size changes, the window moves to match.
// A move that keeps the size (the player's) is left alone.
class FrameCentring final : public QObject {
 public:
  explicit FrameCentring(QWidget& window) : QObject(&window), window_(window) { window.installEventFilter(this); }

  void Centre() {
    const QWidget* owner = window_.parentWidget();
    QScreen* screen = owner ? owner->screen() : window_.screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QMargins frame = ExpectedFrame(window_);
    const QSize outer = window_.size().grownBy(frame);
    if (outer == placed_) return;
    placed_ = outer;
    QRect place(QPoint(), outer);
    place.moveCenter(screen->availableGeometry().center());
    // A top-level window's position is that of its frame.
    window_.move(place.topLeft());
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::Show:
        // Once shown, the frame is often known before anything moves: when
        // the window manager leaves the client where it was asked to be.
        if (QWindow* native = window_.windowHandle(); native && native != watched_) {
          native->installEventFilter(this);
          watched_ = native;
        }
        [[fallthrough]];
      case QEvent::Move:
      case QEvent::Resize:
      case QEvent::Expose:
      case QEvent::WindowActivate: Centre(); break;
      default: break;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QWidget& window_;
  QPointer<QWindow> watched_;
  QSize placed_;  // the outer size the window was last centred for
};

}  // namespace

bool PlatformPlacesWindows() { return !QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

void CentreOnScreen(QWidget& window) {
  if (!PlatformPlacesWindows()) return;
  FrameCentring* centring = nullptr;
  for (QObject* child : window.children()) {
    if ((centring = dynamic_cast<FrameCentring*>(child))) break;
  }
  if (!centring) centring = new FrameCentring(window);
  centring->Centre();
}

}  // namespace quorvane
