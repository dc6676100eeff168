#include "shell/first_paint_signal.h"

#include <unistd.h>

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <utility>

namespace quorvane {

namespace {

class FirstPaintSignal final : public QObject {
 public:
  FirstPaintSignal(int fd, QObject* parent) : QObject(parent), fd_(fd) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && fd_ >= 0) {
      // Signalled once this paint event has been handled.
      QTimer::singleShot(0, [fd = std::exchange(fd_, -1)] {
        [[maybe_unused]] const ssize_t written = ::write(fd, "p", 1);
        ::close(fd);
      });
    }
    return false;
  }

 private:
  int fd_;
};

}  // namespace

void SignalFirstPaint(QWidget& window) {
  const char* text = std::getenv("QUORVANE_FIRST_PAINT_FD");
  if (text == nullptr) return;
  char* end = nullptr;
  const long fd = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || fd < 3 || fd > 1023) return;
  if (QWidget* board = window.findChild<QWidget*>(QStringLiteral("PaintBox1")))
    board->installEventFilter(new FirstPaintSignal(static_cast<int>(fd), board));
}

}  // namespace quorvane
