#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>

// TSuperTimer calls its handler on the main thread at a fixed period timed
// by a worker thread of its own: the worker sleeps through most of each
// period, busy-waits on the millisecond clock for the rest, hands the tick
// to the main thread and waits until the handler has run. A worker granted
// SCHED_RR sleeps to an absolute time 1 ms before the due time and
// busy-waits that millisecond. An ordinary worker does not spin: it hands
// the tick over for its due time, so the main thread wakes once, then;
// where the dispatcher cannot wait for a time, it sleeps until the due time
// itself (see BusyWaitMilliseconds in timer/timer_priority.h). Either way
// the main thread fires the tick, on one path that checks it is still due
// and still belongs to the current enable.

namespace quorvane {

class TSuperTimer;

enum class TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

// An unsigned 32-bit millisecond count that wraps every 2^32 ms.
class TimerClock {
 public:
  virtual ~TimerClock() = default;
  virtual uint32_t Now() = 0;
  // Called between two readings of the busy wait; must not yield the thread.
  virtual void SpinPause() {}
  // The instant on the steady clock at which |reading| begins, where this
  // clock reads the steady clock; none otherwise.
  virtual std::optional<std::chrono::steady_clock::time_point> TimeOf(uint32_t) { return std::nullopt; }
};

class TimerSleeper {
 public:
  virtual ~TimerSleeper() = default;
  // Sleeps until the clock that goes with this sleeper reads |reading|: a
  // wake-up at an absolute time, which time spent before the call does not
  // shift. Only |stop| (the timer being destroyed) ends it early.
  virtual void SleepUntil(uint32_t reading, std::stop_token stop) = 0;
};

// CLOCK_MONOTONIC in milliseconds, truncated to 32 bits.
class MonotonicMillisecondClock final : public TimerClock {
 public:
  uint32_t Now() override;
  void SpinPause() override;
  std::optional<std::chrono::steady_clock::time_point> TimeOf(uint32_t reading) override;
};

// Goes with MonotonicMillisecondClock.
class ThreadSleeper final : public TimerSleeper {
 public:
  void SleepUntil(uint32_t reading, std::stop_token stop) override;

 private:
  std::mutex mutex_;
  std::condition_variable_any wake_;
};

// True when clock reading |a| comes before |b|. Readings are compared by
// their signed distance, which stays right across the wrap as long as the
// two lie less than 2^31 ms (24 days) apart.
constexpr bool ClockBefore(uint32_t a, uint32_t b) { return static_cast<int32_t>(a - b) < 0; }

// One tick on its way from the worker to the main thread. The dispatcher
// keeps it alive until it has run, which may be after the timer is gone;
// it then does nothing.
class TickHandOver {
 public:
  // Main thread only. Fires and runs the timer's tick unless the timer has
  // been destroyed, disabled or enabled again since the worker handed it
  // over, or the tick is not yet due; then releases the worker. An exception from the handler propagates to the caller;
  // the worker is released all the same.
  void Run();

 private:
  friend class TTimerThread;
  explicit TickHandOver(TSuperTimer* timer) : timer_(timer) {}

  std::mutex mutex_;
  std::condition_variable done_;
  TSuperTimer* timer_;  // null once the timer is destroyed
  bool pending_ = false;
  uint64_t epoch_ = 0;  // the enable the tick belongs to
};

// Delivers hand-overs to the main thread.
class TickDispatcher {
 public:
  virtual ~TickDispatcher() = default;
  // Called on the worker thread. Arranges for handOver->Run() on the main
  // thread and returns without waiting for it.
  virtual void Post(const std::shared_ptr<TickHandOver>& handOver) = 0;
  // Called on the worker thread. Arranges for handOver->Run() on the main
  // thread once the steady clock reaches |due|, and returns at once; a
  // hand-over already waiting for its time waits for the new one instead.
  // False when this dispatcher cannot wait for a time.
  virtual bool PostAt(const std::shared_ptr<TickHandOver>&, std::chrono::steady_clock::time_point) { return false; }
};

// Gives the worker thread the scheduling that goes with a priority and says
// whether the worker now runs real-time, which decides how it waits.
class WorkerScheduling {
 public:
  virtual ~WorkerScheduling() = default;
  // Called on the worker when it starts, and on the main thread when the
  // priority changes after that.
  virtual bool Apply(int threadId, TThreadPriority priority) = 0;
};

// Nice values and SCHED_RR where granted (see ScheduleThread).
class SystemWorkerScheduling final : public WorkerScheduling {
 public:
  bool Apply(int threadId, TThreadPriority priority) override;
};

// The worker of one timer.
class TTimerThread {
 public:
  explicit TTimerThread(TSuperTimer& timer);
  TTimerThread(const TTimerThread&) = delete;
  TTimerThread& operator=(const TTimerThread&) = delete;
  ~TTimerThread();

  bool Started() const { return thread_.joinable(); }

 private:
  friend class TSuperTimer;

  void Start();
  void Resume() { gate_.notify_all(); }
  void Release();
  void ApplyPriority(TThreadPriority priority);
  void Loop(std::stop_token stop);
  // One period, from the sleep to the end of the hand-over.
  void RunPass(std::stop_token stop);
  bool AwaitEnabled(std::stop_token stop);
  // Sleeps until the busy wait begins: an absolute time, so the hand-over's
  // length does not shift the wake.
  void SleepBeforeDue(std::stop_token stop);
  // Busy-waits for the due time; the enable it was reached in, or none
  // when parked meanwhile.
  std::optional<uint64_t> SpinUntilDue();
  // Posts the tick for its due time and waits until the main thread has
  // fired and run it, or dropped it; false when that cannot be done.
  bool HandOverForDueTime();
  // Posts the hand-over, for now or for |at|, and waits until it has run;
  // false when the dispatcher cannot wait for a time.
  bool HandOver(uint64_t epoch, std::optional<std::chrono::steady_clock::time_point> at = std::nullopt);

  TSuperTimer& timer_;
  const std::shared_ptr<TickHandOver> handOver_;
  std::condition_variable_any gate_;  // waited on with the timer's stateMutex_
  std::mutex priorityMutex_;
  std::atomic<int> nativeId_{0};       // the kernel's id of the thread, once it runs
  std::atomic<bool> realtime_{false};  // running under SCHED_RR
  std::jthread thread_;                // last: the thread uses everything above
};

// Everything here is for the main thread. The worker thread starts at the
// first enable; while the timer is disabled it waits on a gate, since Linux
// cannot suspend a thread from outside.
class TSuperTimer {
 public:
  using TNotifyEvent = std::function<void(TSuperTimer& sender)>;

  // Milliseconds of busy wait before each tick: a real-time worker's, and
  // an ordinary one's (see BusyWaitMilliseconds).
  static constexpr uint32_t kRealtimeSpinMargin = 1;
  static constexpr uint32_t kOrdinarySpinMargin = 0;

  // Real clock and sleep; |dispatcher| must outlive the timer.
  explicit TSuperTimer(TickDispatcher& dispatcher);
  TSuperTimer(TickDispatcher& dispatcher, TimerClock& clock, TimerSleeper& sleeper, WorkerScheduling& scheduling);
  TSuperTimer(const TSuperTimer&) = delete;
  TSuperTimer& operator=(const TSuperTimer&) = delete;
  // Ends the worker and waits for it; a tick still on its way is dropped.
  // May be called from inside OnTimer or OnStop.
  virtual ~TSuperTimer();

  bool Enabled() const { return enabled_.load(); }
  // Enabling a timer whose Interval is 0 is ignored: it could only spin.
  void SetEnabled(bool value);
  uint16_t Interval() const { return interval_.load(); }
  void SetInterval(uint16_t value);
  const TNotifyEvent& OnTimer() const { return onTimer_; }
  void SetOnTimer(TNotifyEvent handler) { onTimer_ = std::move(handler); }
  TThreadPriority ThreadPriority() const { return priority_.load(); }
  void SetThreadPriority(TThreadPriority value);
  bool CountDown() const { return countDown_.load(); }
  void SetCountDown(bool value);
  const TNotifyEvent& OnStop() const { return onStop_; }
  void SetOnStop(TNotifyEvent handler) { onStop_ = std::move(handler); }
  int32_t StopTick() const { return stopTick_.load(); }
  void SetStopTick(int32_t value) { stopTick_.store(value); }

  int32_t Elapsed() const { return elapsed_.load(); }
  int32_t BaseElapsed() const { return baseElapsed_.load(); }
  uint32_t StartTime() const { return startTime_.load(); }
  uint32_t DueTime() const { return dueTime_.load(); }
  // Elapsed / Interval, truncated toward zero; 0 while Interval is 0.
  int32_t TickCount() const;

 protected:
  // The tick, on the main thread: OnTimer, then the stop rule.
  virtual void DoTimer();

 private:
  friend class TTimerThread;
  friend class TickHandOver;

  // Marks a running handler frame so that it can tell whether the timer
  // was destroyed under it.
  struct LifeGuard {
    explicit LifeGuard(TSuperTimer& timer) : timer(timer), outer(timer.guards_) { timer.guards_ = this; }
    ~LifeGuard() {
      if (!destroyed) timer.guards_ = outer;
    }
    TSuperTimer& timer;
    LifeGuard* outer;
    bool destroyed = false;
  };

  bool StopRuleMet() const;
  // Main thread: the one path of every tick. Fires the tick the worker
  // handed over in enable |epoch| and runs DoTimer, unless the timer has
  // been disabled or enabled again since, or the tick is not yet due; the
  // worker then waits afresh for whatever is due now.
  void RunHandedOverTick(uint64_t epoch);

  // Members are built in the order written and destroyed in reverse, and
  // later ones refer to earlier ones: the references below the own* parts
  // may be bound to them, and worker_ refers to everything. Keep the own*
  // parts above the references, and worker_ last; the destructor joins the
  // worker's thread before any member goes.
  std::atomic<bool> enabled_{false};
  std::atomic<uint16_t> interval_{1000};
  std::atomic<TThreadPriority> priority_{TThreadPriority::tpHigher};
  std::atomic<bool> countDown_{false};
  std::atomic<int32_t> stopTick_{-1};
  std::atomic<int32_t> elapsed_{0};
  std::atomic<int32_t> baseElapsed_{0};
  std::atomic<uint32_t> startTime_{0};
  std::atomic<uint32_t> dueTime_{0};
  TNotifyEvent onTimer_;
  TNotifyEvent onStop_;

  // Held by the main thread while it rebases or enables, and by the worker
  // while it fires a tick, so a tick never mixes old and new values.
  std::mutex stateMutex_;
  uint64_t enableEpoch_ = 0;  // counts enables, so a stale hand-over is recognised

  LifeGuard* guards_ = nullptr;
  MonotonicMillisecondClock ownClock_;
  ThreadSleeper ownSleeper_;
  SystemWorkerScheduling ownScheduling_;
  TimerClock& clock_;
  TimerSleeper& sleeper_;
  WorkerScheduling& scheduling_;
  TickDispatcher& dispatcher_;
  TTimerThread worker_;  // last: it refers to everything above
};

}  // namespace quorvane
