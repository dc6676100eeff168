#include "qt_glue/qt_tick_dispatcher.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <cstdint>
#include <system_error>

namespace quorvane {

namespace {

// Room for the timers of the program and its tests before the queue grows.
constexpr size_t kQueueRoom = 8;

}  // namespace

QtTickDispatcher::QtTickDispatcher(QObject* parent) : QObject(parent) {
  eventFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (eventFd_ < 0) throw std::system_error(errno, std::generic_category(), "eventfd");
  pending_.reserve(kQueueRoom);
  notifier_ = new QSocketNotifier(eventFd_, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &QtTickDispatcher::RunPending);
}

QtTickDispatcher::~QtTickDispatcher() {
  delete notifier_;  // before its descriptor goes
  ::close(eventFd_);
}

void QtTickDispatcher::Post(const std::shared_ptr<TickHandOver>& handOver) {
  {
    std::lock_guard lock(mutex_);
    pending_.push_back(handOver);  // within the reserved room: no allocation
  }
  Signal();
}

void QtTickDispatcher::Signal() {
  const uint64_t one = 1;
  // Only EINTR can fail here: the counter cannot reach its limit, since
  // every activation empties it.
  while (::write(eventFd_, &one, sizeof one) < 0 && errno == EINTR) {
  }
}

void QtTickDispatcher::RunPending() {
  uint64_t count = 0;
  while (::read(eventFd_, &count, sizeof count) < 0 && errno == EINTR) {
  }
  // Should a handler throw, the ticks still queued must not wait for the
  // next post: the descriptor is made readable again for them.
  struct Resignal {
    QtTickDispatcher& self;
    ~Resignal() {
      bool left = false;
      {
        std::lock_guard lock(self.mutex_);
        left = !self.pending_.empty();
      }
      if (left) self.Signal();
    }
  } resignal{*this};
  for (;;) {
    std::shared_ptr<TickHandOver> next;
    {
      std::lock_guard lock(mutex_);
      if (pending_.empty()) return;
      next = std::move(pending_.front());
      pending_.erase(pending_.begin());
    }
    // May run a nested event loop, which may come back here for other ticks.
    next->Run();
  }
}

}  // namespace quorvane
