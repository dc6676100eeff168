#include "qt_glue/qt_tick_dispatcher.h"

#include <sys/eventfd.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <algorithm>
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
  // Without a timerfd the worker waits for the due time itself.
  timerFd_ = ::timerfd_create(CLOCK_MONOTONIC, TFD_CLOEXEC | TFD_NONBLOCK);
  if (timerFd_ < 0) return;
  scheduled_.reserve(kQueueRoom);
  waitsForTimes_ = true;
  timerNotifier_ = new QSocketNotifier(timerFd_, QSocketNotifier::Read, this);
  connect(timerNotifier_, &QSocketNotifier::activated, this, &QtTickDispatcher::RunDue);
}

QtTickDispatcher::~QtTickDispatcher() {
  delete notifier_;  // before its descriptor goes
  ::close(eventFd_);
  if (timerFd_ < 0) return;
  delete timerNotifier_;
  ::close(timerFd_);
}

void QtTickDispatcher::Post(const std::shared_ptr<TickHandOver>& handOver) {
  {
    std::lock_guard lock(mutex_);
    pending_.push_back(handOver);  // within the reserved room: no allocation
  }
  Signal();
}

bool QtTickDispatcher::PostAt(const std::shared_ptr<TickHandOver>& handOver,
                              std::chrono::steady_clock::time_point due) {
  bool moved = false;
  {
    std::lock_guard lock(mutex_);
    if (!waitsForTimes_) return false;
    const auto same = [&](const Scheduled& entry) { return entry.HandOver == handOver; };
    if (const auto it = std::find_if(scheduled_.begin(), scheduled_.end(), same); it != scheduled_.end()) {
      it->Due = due;
    } else {
      scheduled_.push_back({handOver, due});  // within the reserved room: no allocation
    }
    if (ArmForEarliest()) return true;
    // An unarmed timerfd would leave the game frozen, its worker waiting
    // for a tick that never comes.
    moved = StopWaitingForTimes(&handOver);
  }
  if (moved) Signal();
  return false;
}

bool QtTickDispatcher::StopWaitingForTimes(const std::shared_ptr<TickHandOver>* refused) {
  waitsForTimes_ = false;
  bool moved = false;
  for (Scheduled& entry : scheduled_) {
    if (refused != nullptr && entry.HandOver == *refused) continue;
    pending_.push_back(std::move(entry.HandOver));
    moved = true;
  }
  scheduled_.clear();
  return moved;
}

bool QtTickDispatcher::ArmForEarliest() {
  itimerspec when{};  // all zero disarms
  const auto earlier = [](const Scheduled& a, const Scheduled& b) { return a.Due < b.Due; };
  if (const auto it = std::min_element(scheduled_.begin(), scheduled_.end(), earlier); it != scheduled_.end()) {
    const auto since = it->Due.time_since_epoch();
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(since);
    when.it_value.tv_sec = seconds.count();
    when.it_value.tv_nsec = std::chrono::duration_cast<std::chrono::nanoseconds>(since - seconds).count();
    // A time already past fires at once; only an all-zero value disarms.
    if (when.it_value.tv_sec <= 0 && when.it_value.tv_nsec <= 0) when.it_value.tv_nsec = 1;
  }
  return ::timerfd_settime(timerFd_, TFD_TIMER_ABSTIME, &when, nullptr) == 0;
}

// Three things here and in ArmForEarliest matter only while two or more
// timers wait at once, which the game, with its one timer, never has:
// arming for the earliest due time of several, moving only the hand-overs
// that are due, and arming again for the rest. The tests run one timer at a
// time and would not notice a fault in any of them.
void QtTickDispatcher::RunDue() {
  uint64_t expirations = 0;
  while (::read(timerFd_, &expirations, sizeof expirations) < 0 && errno == EINTR) {
  }
  {
    std::lock_guard lock(mutex_);
    const auto now = std::chrono::steady_clock::now();
    for (auto it = scheduled_.begin(); it != scheduled_.end();) {
      if (it->Due > now) {
        ++it;
        continue;
      }
      pending_.push_back(std::move(it->HandOver));  // within the reserved room
      it = scheduled_.erase(it);
    }
    // A timerfd that has fired is disarmed already.
    if (!scheduled_.empty() && !ArmForEarliest()) StopWaitingForTimes();
  }
  RunPending();
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
