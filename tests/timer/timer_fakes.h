#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

#include "timer/super_timer.h"

namespace quorvane::testing {

// Time stands still unless advanced; each pause of the busy wait takes a
// millisecond, so a spin ends exactly at its due time.
class FakeClock : public TimerClock {
 public:
  explicit FakeClock(uint32_t start = 0) : now_(start) {}
  uint32_t Now() override { return now_.load(); }
  void SpinPause() override { now_.fetch_add(1); }
  void Advance(uint32_t milliseconds) { now_.fetch_add(milliseconds); }

 private:
  std::atomic<uint32_t> now_;
};

// Records each sleep and lets it pass on the fake clock at once.
class FakeSleeper : public TimerSleeper {
 public:
  explicit FakeSleeper(FakeClock& clock) : clock_(clock) {}
  void Sleep(uint32_t milliseconds, std::stop_token) override {
    sleeps.push_back(milliseconds);
    clock_.Advance(milliseconds / 2);
    if (onSleep) std::exchange(onSleep, nullptr)();
    clock_.Advance(milliseconds - milliseconds / 2);
  }
  // Recorded as the sleep's length, so both kinds of sleep read alike.
  void SleepUntil(uint32_t reading, std::stop_token stop) override { Sleep(reading - clock_.Now(), stop); }
  std::vector<uint32_t> sleeps;
  // Runs once, halfway through the next sleep, as the main thread would.
  std::function<void()> onSleep;

 private:
  FakeClock& clock_;
};

// Runs each tick on the posting thread, for a worker driven by RunOnce().
class SyncDispatcher : public TickDispatcher {
 public:
  void Post(const std::shared_ptr<TickHandOver>& handOver) override { handOver->Run(); }
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
