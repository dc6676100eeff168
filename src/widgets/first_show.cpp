#include "widgets/first_show.h"

#include <QEvent>
#include <QWidget>

namespace quorvane {

namespace {

class FirstShowFilter final : public QObject {
 public:
  FirstShowFilter(QWidget& window, std::function<void()> action) : QObject(&window), action_(std::move(action)) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == parent() && event->type() == QEvent::Show && action_) {
      watched->removeEventFilter(this);
      deleteLater();
      std::exchange(action_, nullptr)();
    }
    return false;
  }

 private:
  std::function<void()> action_;
};

}  // namespace

void RunOnFirstShow(QWidget& window, std::function<void()> action) {
  window.installEventFilter(new FirstShowFilter(window, std::move(action)));
}

}  // namespace quorvane
