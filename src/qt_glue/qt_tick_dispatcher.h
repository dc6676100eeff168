#pragma once

#include <QObject>
#include <chrono>
#include <memory>
#include <mutex>
#include <vector>

#include "timer/super_timer.h"

class QSocketNotifier;

namespace quorvane {

// Delivers timer ticks to the main thread through an eventfd watched by a
// socket notifier, so they are served by whichever event loop runs there:
// the application's, or the nested one of a menu, message box or modal
// dialog. The worker waits on its own hand-over rather than on the
// delivery, which lets a timer be destroyed while a tick is still on its
// way; the queue keeps that hand-over alive until it has been dropped.
//
// A tick posted for its due time waits on a timerfd armed for the earliest
// such time, so the event loop wakes once, at that time, and the tick runs.
// Should the kernel refuse to arm it, the dispatcher stops waiting for
// times: the ticks waiting are run at once (their timers see them early
// and post them again) and every post for a time is refused from then on,
// so the workers sleep to their due times themselves.
//
// Once each timer has posted its first tick, a tick allocates nothing:
// the queue keeps its capacity and the notifier's event lives on the stack.
//
// Create it on the main thread and keep it alive longer than its timers.
// A handler's exception leaves through the event delivery, where the
// application's notify() can report it; ticks queued behind it still come.
class QtTickDispatcher final : public QObject, public TickDispatcher {
 public:
  // Throws std::system_error when no eventfd can be had.
  explicit QtTickDispatcher(QObject* parent = nullptr);
  ~QtTickDispatcher() override;

  QtTickDispatcher(const QtTickDispatcher&) = delete;
  QtTickDispatcher& operator=(const QtTickDispatcher&) = delete;

  void Post(const std::shared_ptr<TickHandOver>& handOver) override;
  // False when no timerfd could be had or it could not be armed.
  bool PostAt(const std::shared_ptr<TickHandOver>& handOver, std::chrono::steady_clock::time_point due) override;

 private:
  struct Scheduled {
    std::shared_ptr<TickHandOver> HandOver;
    std::chrono::steady_clock::time_point Due;
  };

  void Signal();
  void RunPending();
  // The timerfd fired: the hand-overs now due join the pending ones.
  void RunDue();
  // With mutex_ held: arms the timerfd for the earliest due time, or
  // disarms it; false when the kernel refuses.
  bool ArmForEarliest();
  // With mutex_ held: stops waiting for times and moves every hand-over
  // that waited for one but |refused| to the pending ones; true when any moved.
  bool StopWaitingForTimes(const std::shared_ptr<TickHandOver>* refused = nullptr);

  int eventFd_ = -1;
  QSocketNotifier* notifier_ = nullptr;
  int timerFd_ = -1;
  QSocketNotifier* timerNotifier_ = nullptr;
  std::mutex mutex_;
  bool waitsForTimes_ = false;                          // the timerfd exists and has never refused an arming
  std::vector<std::shared_ptr<TickHandOver>> pending_;  // oldest first
  std::vector<Scheduled> scheduled_;                    // one entry per hand-over
};

}  // namespace quorvane
