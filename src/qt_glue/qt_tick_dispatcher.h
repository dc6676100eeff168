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
  // False only when no timerfd could be had.
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
  // With mutex_ held: arms the timerfd for the earliest due time, or disarms it.
  void ArmForEarliest();

  int eventFd_ = -1;
  QSocketNotifier* notifier_ = nullptr;
  int timerFd_ = -1;
  QSocketNotifier* timerNotifier_ = nullptr;
  std::mutex mutex_;
  std::vector<std::shared_ptr<TickHandOver>> pending_;  // oldest first
  std::vector<Scheduled> scheduled_;                    // one entry per hand-over
};

}  // namespace quorvane
