#include "timer/super_timer.h"

#include <unistd.h>

#include <chrono>

#include "timer/timer_priority.h"

namespace quorvane {

uint32_t MonotonicMillisecondClock::Now() {
  const auto sinceBoot = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceBoot).count());
}

void MonotonicMillisecondClock::SpinPause() {
  // A hint to the core, not to the scheduler: the thread keeps running.
#if defined(__x86_64__) || defined(__i386__)
  __builtin_ia32_pause();
#endif
}

std::optional<std::chrono::steady_clock::time_point> MonotonicMillisecondClock::TimeOf(uint32_t reading) {
  // The reading names a whole millisecond of the steady clock: find it near now.
  const auto now = std::chrono::floor<std::chrono::milliseconds>(std::chrono::steady_clock::now());
  const auto nowReading = static_cast<uint32_t>(now.time_since_epoch().count());
  return now + std::chrono::milliseconds(static_cast<int32_t>(reading - nowReading));
}

void ThreadSleeper::SleepUntil(uint32_t reading, std::stop_token stop) {
  // An absolute deadline on the monotonic clock.
  const auto wake = *MonotonicMillisecondClock().TimeOf(reading);
  std::unique_lock lock(mutex_);
  wake_.wait_until(lock, stop, wake, [] { return false; });
}

bool SystemWorkerScheduling::Apply(int threadId, TThreadPriority priority) {
  return ApplyTimerThreadPriority(threadId, priority).RealtimePriority > 0;
}

// --- hand-over ---------------------------------------------------------

void TickHandOver::Run() {
  TSuperTimer* timer = nullptr;
  uint64_t epoch = 0;
  {
    std::lock_guard lock(mutex_);
    if (!pending_ || timer_ == nullptr) return;
    timer = timer_;
    epoch = epoch_;
  }
  // The worker goes on however the handler ends. A handler's exception is
  // the main thread's business (the application's error report); carrying
  // it into the worker would only kill the timer.
  struct Release {
    TickHandOver& handOver;
    ~Release() {
      {
        std::lock_guard lock(handOver.mutex_);
        handOver.pending_ = false;
      }
      handOver.done_.notify_all();
    }
  } release{*this};
  timer->RunHandedOverTick(epoch);
}

// --- worker ------------------------------------------------------------

TTimerThread::TTimerThread(TSuperTimer& timer) : timer_(timer), handOver_(new TickHandOver(&timer)) {}

TTimerThread::~TTimerThread() { Release(); }

void TTimerThread::Start() {
  thread_ = std::jthread([this](std::stop_token stop) { Loop(stop); });
}

void TTimerThread::Release() {
  {
    std::lock_guard lock(handOver_->mutex_);
    handOver_->timer_ = nullptr;
  }
  handOver_->done_.notify_all();
  if (thread_.joinable()) {
    thread_.request_stop();  // also wakes the gate and the sleep
    thread_.join();
  }
}

void TTimerThread::ApplyPriority(TThreadPriority priority) {
  std::lock_guard lock(priorityMutex_);
  if (nativeId_.load() != 0) realtime_.store(timer_.scheduling_.Apply(nativeId_.load(), priority));
}

void TTimerThread::Loop(std::stop_token stop) {
  {
    std::lock_guard lock(priorityMutex_);
    nativeId_.store(static_cast<int>(gettid()));
    realtime_.store(timer_.scheduling_.Apply(nativeId_.load(), timer_.priority_.load()));
  }
  while (!stop.stop_requested()) RunPass(stop);
}

void TTimerThread::RunPass(std::stop_token stop) {
  for (;;) {
    if (!AwaitEnabled(stop) || stop.stop_requested()) return;
    // Only the main thread's wake then lies between the due time and the
    // tick, where sleeping here and handing over would add the worker's.
    if (!realtime_.load(std::memory_order_relaxed) && HandOverForDueTime()) return;
    SleepBeforeDue(stop);
    if (const auto epoch = SpinUntilDue()) {
      HandOver(*epoch);
      return;
    }
    // Parked during the busy wait: once resumed, sleep through the new
    // period rather than spin through all of it.
  }
}

bool TTimerThread::AwaitEnabled(std::stop_token stop) {
  std::unique_lock lock(timer_.stateMutex_);
  return gate_.wait(lock, stop, [this] { return timer_.enabled_.load(); });
}

void TTimerThread::SleepBeforeDue(std::stop_token stop) {
  // A real-time sleeper wakes within a fraction of a millisecond, so one
  // millisecond of spin covers its wake and the clock's coarseness. An
  // ordinary thread that spins uses up its slice and then waits for a
  // processor at the due time: it sleeps to the due time itself.
  const uint32_t spin = BusyWaitMilliseconds(timer_.interval_.load(), realtime_.load(std::memory_order_relaxed));
  const uint32_t wake = timer_.dueTime_.load() - spin;
  if (ClockBefore(timer_.clock_.Now(), wake)) timer_.sleeper_.SleepUntil(wake, stop);
}

std::optional<uint64_t> TTimerThread::SpinUntilDue() {
  TimerClock& clock = timer_.clock_;
  for (;;) {
    if (!timer_.enabled_.load(std::memory_order_relaxed)) return std::nullopt;
    const uint32_t now = clock.Now();
    if (ClockBefore(now, timer_.dueTime_.load(std::memory_order_relaxed))) {
      clock.SpinPause();
      continue;
    }
    std::lock_guard lock(timer_.stateMutex_);
    // A disable or re-enable may have come between the readings above.
    if (!timer_.enabled_.load()) return std::nullopt;
    if (ClockBefore(now, timer_.dueTime_.load())) continue;
    return timer_.enableEpoch_;
  }
}

bool TTimerThread::HandOverForDueTime() {
  uint64_t epoch = 0;
  uint32_t due = 0;
  {
    std::lock_guard lock(timer_.stateMutex_);
    if (!timer_.enabled_.load()) return true;  // parked meanwhile: back to the gate
    epoch = timer_.enableEpoch_;
    due = timer_.dueTime_.load();
  }
  const auto at = timer_.clock_.TimeOf(due);
  return at && HandOver(epoch, at);
}

bool TTimerThread::HandOver(uint64_t epoch, std::optional<std::chrono::steady_clock::time_point> at) {
  TickHandOver& handOver = *handOver_;
  {
    std::lock_guard lock(handOver.mutex_);
    if (handOver.timer_ == nullptr) return true;
    handOver.pending_ = true;
    handOver.epoch_ = epoch;
  }
  if (!at) {
    timer_.dispatcher_.Post(handOver_);
  } else if (!timer_.dispatcher_.PostAt(handOver_, *at)) {
    std::lock_guard lock(handOver.mutex_);
    handOver.pending_ = false;  // never posted: the main thread cannot have seen it
    return false;
  }
  std::unique_lock lock(handOver.mutex_);
  handOver.done_.wait(lock, [&] { return !handOver.pending_ || handOver.timer_ == nullptr; });
  return true;
}

// --- timer -------------------------------------------------------------

TSuperTimer::TSuperTimer(TickDispatcher& dispatcher)
    : clock_(ownClock_), sleeper_(ownSleeper_), scheduling_(ownScheduling_), dispatcher_(dispatcher), worker_(*this) {}

TSuperTimer::TSuperTimer(TickDispatcher& dispatcher, TimerClock& clock, TimerSleeper& sleeper,
                         WorkerScheduling& scheduling)
    : clock_(clock), sleeper_(sleeper), scheduling_(scheduling), dispatcher_(dispatcher), worker_(*this) {}

TSuperTimer::~TSuperTimer() {
  SetEnabled(false);
  for (LifeGuard* guard = guards_; guard != nullptr; guard = guard->outer) guard->destroyed = true;
  worker_.Release();
}

void TSuperTimer::SetEnabled(bool value) {
  if (value == enabled_.load()) return;
  if (!value) {
    std::lock_guard lock(stateMutex_);
    enabled_.store(false);
    return;
  }
  if (interval_.load() == 0) return;
  {
    std::lock_guard lock(stateMutex_);
    enabled_.store(true);
    ++enableEpoch_;
    baseElapsed_.store(elapsed_.load());
    startTime_.store(clock_.Now());
    dueTime_.store(startTime_.load() + interval_.load());
  }
  if (worker_.Started()) {
    worker_.Resume();
    return;
  }
  try {
    worker_.Start();
  } catch (...) {
    enabled_.store(false);
    throw;
  }
}

void TSuperTimer::SetInterval(uint16_t value) {
  if (value == interval_.load()) return;
  if (value == 0) SetEnabled(false);
  interval_.store(value);
}

void TSuperTimer::SetThreadPriority(TThreadPriority value) {
  if (value == priority_.load()) return;
  priority_.store(value);
  worker_.ApplyPriority(value);
}

void TSuperTimer::SetCountDown(bool value) {
  if (value == countDown_.load()) return;
  std::lock_guard lock(stateMutex_);
  countDown_.store(value);
  if (enabled_.load()) {
    startTime_.store(clock_.Now());
    baseElapsed_.store(elapsed_.load());
  }
}

int32_t TSuperTimer::TickCount() const {
  const int32_t interval = interval_.load();
  return interval == 0 ? 0 : elapsed_.load() / interval;
}

bool TSuperTimer::StopRuleMet() const {
  const int32_t ticks = TickCount();
  const int32_t stopTick = stopTick_.load();
  if (countDown_.load()) return ticks <= stopTick || elapsed_.load() <= 0;
  return stopTick > 0 && ticks >= stopTick;
}

void TSuperTimer::RunHandedOverTick(uint64_t epoch) {
  {
    std::lock_guard lock(stateMutex_);
    // Disabled since the worker handed this tick over: a paused game must
    // not take one more step. Enabled again: the new enable has a due time
    // of its own, which the worker, once released, waits for instead.
    if (!enabled_.load() || epoch != enableEpoch_) return;
    const uint32_t now = clock_.Now();
    // Posted for a time not yet come: the worker posts it again.
    if (ClockBefore(now, dueTime_.load())) return;
    // The next period runs from this tick: lateness is not made up.
    dueTime_.store(now + interval_.load());
    // Unsigned arithmetic: the count wraps like the clock instead of overflowing.
    const uint32_t ran = now - startTime_.load();
    const auto base = static_cast<uint32_t>(baseElapsed_.load());
    elapsed_.store(static_cast<int32_t>(countDown_.load() ? base - ran : base + ran));
  }
  DoTimer();
}

void TSuperTimer::DoTimer() {
  if (onTimer_) {
    LifeGuard guard(*this);
    onTimer_(*this);
    if (guard.destroyed) return;
  }
  if (!StopRuleMet()) return;
  SetEnabled(false);
  if (onStop_) onStop_(*this);
}

}  // namespace quorvane
