#include "widgets/window_placement.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "widgets/x11_window.h"

namespace quorvane {

namespace {

enum class Placement { OnScreen, OverOwner };

// The frame of a window that shows one, or none. What an X window manager
// reported comes first: Qt's own figure can lag behind it.
QMargins FrameOf(const QWidget* window) {
  if (!window || !window->isVisible() || !window->windowHandle()) return {};
  if (const std::optional<QMargins> reported = ReportedFrameExtents(*window->windowHandle())) return *reported;
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
// real size: each time the frame's size changes, the window moves to match,
// and once more when an X window manager reports the frame, which may come
// after every move and resize of the showing. A move that keeps the size
// (the player's) is left alone.
class FrameCentring final : public QObject, public QAbstractNativeEventFilter {
 public:
  FrameCentring(QWidget& window, Placement placement) : QObject(&window), window_(window), placement_(placement) {
    window.installEventFilter(this);
    QCoreApplication::instance()->installNativeEventFilter(this);
  }
  ~FrameCentring() override {
    if (QCoreApplication* application = QCoreApplication::instance()) application->removeNativeEventFilter(this);
  }

  void Centre(bool always = false) {
    const QWidget* owner = window_.parentWidget() ? window_.parentWidget()->window() : nullptr;
    QScreen* screen = owner ? owner->screen() : window_.screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QMargins frame = ExpectedFrame(window_);
    const QSize outer = window_.size().grownBy(frame);
    QRect area = screen->availableGeometry();
    if (placement_ == Placement::OverOwner && owner && owner->isVisible())
      area = QRect(owner->mapToGlobal(QPoint()), owner->size()).marginsAdded(FrameOf(owner));
    if (!always && outer == placed_ && area == over_) return;
    placed_ = outer;
    over_ = area;
    QRect place(QPoint(), outer);
    place.moveCenter(area.center());
    // Whole on the screen, its title bar first, as the platform keeps its own boxes.
    const QRect free = screen->availableGeometry();
    place.moveRight(std::min(place.right(), free.right()));
    place.moveBottom(std::min(place.bottom(), free.bottom()));
    place.moveLeft(std::max(place.left(), free.left()));
    place.moveTop(std::max(place.top(), free.top()));
    // A top-level window's position is that of its frame.
    // Once framed, by the window manager's own frame: Qt's figure for it
    // lags behind at first.
    QWindow* native = window_.windowHandle();
    if (native && window_.isVisible() && MoveX11Frame(*native, place.topLeft())) return;
    window_.move(place.topLeft());
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::Show:
        reported_ = false;
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

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    // The first report of a showing places the frame for good: Qt learns
    // of it later, and no event of its own may follow.
    if (!reported_ && type == "xcb_generic_event_t" && window_.windowHandle() &&
        IsFrameExtentsReport(*window_.windowHandle(), message)) {
      reported_ = true;
      QMetaObject::invokeMethod(
          this, [this] { Centre(true); }, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  QWidget& window_;
  const Placement placement_;
  QPointer<QWindow> watched_;
  QSize placed_;  // the outer size the window was last centred for
  QRect over_;    // and the area it was centred in
  bool reported_ = false;
};

void Place(QWidget& window, Placement placement) {
  if (!PlatformPlacesWindows()) return;
  FrameCentring* centring = nullptr;
  for (QObject* child : window.children()) {
    if ((centring = dynamic_cast<FrameCentring*>(child))) break;
  }
  if (!centring) centring = new FrameCentring(window, placement);
  centring->Centre();
}

}  // namespace

bool PlatformPlacesWindows() { return !QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

void CentreOnScreen(QWidget& window) { Place(window, Placement::OnScreen); }

void CentreOverOwner(QWidget& window) { Place(window, Placement::OverOwner); }

}  // namespace quorvane
