#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "timer/super_timer.h"

namespace quorvane::testing {

// Lets a test and a timer's worker thread take turns, so that the test
// drives the real worker a number of ticks at a time and reads what it did
// in between, as if there were one thread. The worker waits for its turn in
// the clock, the sleeper and the dispatcher below, and gives it back after
// the last tick it was given or once the timer is disabled (it parks then).
class TimerTurns {
 public:
  const TSuperTimer* timer = nullptr;

  // Test side: up to |ticks| ticks; nothing runs while the timer is disabled.
  void Run(int ticks) {
    std::unique_lock lock(mutex_);
    if (ticks <= 0 || !timer->Enabled()) return;
    left_ = ticks;
    Pass(lock, true);
  }
  // Test side, at its end: the worker goes on without waiting.
  void Open() {
    std::lock_guard lock(mutex_);
    open_ = true;
    turn_.notify_all();
  }
  // Worker side; the test's own calls into the fakes pass.
  void Await() {
    if (std::this_thread::get_id() == test_) return;
    std::unique_lock lock(mutex_);
    Wait(lock, true);
  }
  // Worker side, after a tick or a sleep.
  void After(bool tick) {
    std::unique_lock lock(mutex_);
    if ((!tick || --left_ > 0) && timer->Enabled()) return;
    Pass(lock, false);
  }

 private:
  void Pass(std::unique_lock<std::mutex>& lock, bool toWorker) {
    workerTurn_ = toWorker;
    turn_.notify_all();
    Wait(lock, !toWorker);
  }
  void Wait(std::unique_lock<std::mutex>& lock, bool worker) {
    turn_.wait(lock, [&] { return workerTurn_ == worker || open_; });
  }

  const std::thread::id test_ = std::this_thread::get_id();
  std::mutex mutex_;
  std::condition_variable turn_;
  bool workerTurn_ = false;
  bool open_ = false;
  int left_ = 0;
};

// Time stands still unless advanced; each pause of the busy wait takes a
// millisecond, so a spin ends exactly at its due time.
class FakeClock : public TimerClock {
 public:
  explicit FakeClock(uint32_t start = 0, TimerTurns* turns = nullptr) : now_(start), turns_(turns) {}
  uint32_t Now() override {
    if (turns_) turns_->Await();
    return now_.load();
  }
  void SpinPause() override { now_.fetch_add(1); }
  void Advance(uint32_t milliseconds) { now_.fetch_add(milliseconds); }

 private:
  std::atomic<uint32_t> now_;
  TimerTurns* turns_;
};

// Records each sleep and lets it pass on the fake clock at once.
class FakeSleeper : public TimerSleeper {
 public:
  explicit FakeSleeper(FakeClock& clock, TimerTurns* turns = nullptr) : clock_(clock), turns_(turns) {}
  void Sleep(uint32_t milliseconds, std::stop_token) override {
    if (turns_) turns_->Await();
    sleeps.push_back(milliseconds);
    clock_.Advance(milliseconds / 2);
    if (onSleep) std::exchange(onSleep, nullptr)();
    clock_.Advance(milliseconds - milliseconds / 2);
    if (turns_) turns_->After(false);
  }
  std::vector<uint32_t> sleeps;
  // Runs once, halfway through the next sleep, as the main thread would.
  std::function<void()> onSleep;

 private:
  FakeClock& clock_;
  TimerTurns* turns_;
};

// Runs each tick on the worker, in its turn: the test waits meanwhile.
class TurnDispatcher : public TickDispatcher {
 public:
  explicit TurnDispatcher(TimerTurns& turns) : turns_(turns) {}
  void Post(const std::shared_ptr<TickHandOver>& handOver) override {
    turns_.Await();
    handOver->Run();
    turns_.After(true);
  }

 private:
  TimerTurns& turns_;
};

// Keeps hand-overs until the test thread, standing in for the main
// thread's event loop, runs them.
class QueueDispatcher : public TickDispatcher {
 public:
  void Post(const std::shared_ptr<TickHandOver>& handOver) override {
    std::lock_guard lock(mutex_);
    queue_.push_back(handOver);
    posted_.notify_all();
  }
  bool WaitPending(std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
    std::unique_lock lock(mutex_);
    return posted_.wait_for(lock, timeout, [this] { return !queue_.empty(); });
  }
  // Runs the oldest hand-over; false when none came within |timeout|.
  bool RunNext(std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
    if (!WaitPending(timeout)) return false;
    std::shared_ptr<TickHandOver> next;
    {
      std::lock_guard lock(mutex_);
      next = std::move(queue_.front());
      queue_.pop_front();
    }
    next->Run();
    return true;
  }

 private:
  std::mutex mutex_;
  std::condition_variable posted_;
  std::deque<std::shared_ptr<TickHandOver>> queue_;
};

}  // namespace quorvane::testing
