#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "timer/super_timer.h"

namespace quorvane::testing {

// Time stands still unless advanced; each pause of the busy wait takes a
// millisecond, so a spin ends exactly at its due time.
class FakeClock : public TimerClock {
 public:
  uint32_t Now() override { return now_.load(); }
  void SpinPause() override { now_.fetch_add(1); }
  // Readings as milliseconds from the steady clock's epoch.
  std::optional<std::chrono::steady_clock::time_point> TimeOf(uint32_t reading) override {
    return std::chrono::steady_clock::time_point(std::chrono::milliseconds(reading));
  }
  void Advance(uint32_t milliseconds) { now_.fetch_add(milliseconds); }

 private:
  std::atomic<uint32_t> now_{0};
};

// Records each sleep and lets it pass on the fake clock at once, except the
// one the test holds: the worker stays halfway through that one until the
// test, acting as the main thread meanwhile, lets it go.
class FakeSleeper : public TimerSleeper {
 public:
  explicit FakeSleeper(FakeClock& clock) : clock_(clock) {}
  // Recorded as the sleep's length.
  void SleepUntil(uint32_t reading, std::stop_token stop) override {
    const uint32_t milliseconds = reading - clock_.Now();
    std::unique_lock lock(mutex_);
    sleeps_.push_back(milliseconds);
    clock_.Advance(milliseconds / 2);
    held_ = sleeps_.size() == holdAt_;
    changed_.notify_all();
    changed_.wait(lock, stop, [this] { return !held_; });
    clock_.Advance(milliseconds - milliseconds / 2);
  }

  // Holds the sleep with this number, counted from 1.
  void Hold(size_t sleep) {
    std::lock_guard lock(mutex_);
    holdAt_ = sleep;
  }
  // Waits until the worker is in the held sleep, runs |action| and lets the
  // worker go on; false when it never got there.
  bool WhileHeld(const std::function<void()>& action) {
    std::unique_lock lock(mutex_);
    if (!changed_.wait_for(lock, std::chrono::seconds(5), [this] { return held_; })) return false;
    action();  // the worker cannot leave its sleep meanwhile: it needs the lock
    held_ = false;
    changed_.notify_all();
    return true;
  }
  std::vector<uint32_t> Sleeps() {
    std::lock_guard lock(mutex_);
    return sleeps_;
  }

 private:
  FakeClock& clock_;
  std::mutex mutex_;
  std::condition_variable_any changed_;
  std::vector<uint32_t> sleeps_;
  size_t holdAt_ = 0;
  bool held_ = false;
};

// Names the rows of a test run under both schedulings.
inline std::string SchedulingName(const ::testing::TestParamInfo<bool>& info) {
  return info.param ? "Realtime" : "Ordinary";
}

// Says the worker runs real-time, or not, without asking the system.
class FakeScheduling : public WorkerScheduling {
 public:
  bool Apply(int, TThreadPriority) override { return realtime.load(); }
  std::atomic<bool> realtime{true};
};

// Keeps hand-overs until the test thread, standing in for the main
// thread's event loop, runs them. Hand-overs posted for a due time are
// taken when |acceptDueTimes|; their due times are kept as readings of the
// fake clock, and one already queued is not queued twice.
class QueueDispatcher : public TickDispatcher {
 public:
  bool acceptDueTimes = false;
  void Post(const std::shared_ptr<TickHandOver>& handOver) override {
    std::lock_guard lock(mutex_);
    queue_.push_back(handOver);
    posted_.notify_all();
  }
  bool PostAt(const std::shared_ptr<TickHandOver>& handOver, std::chrono::steady_clock::time_point due) override {
    if (!acceptDueTimes) return false;
    std::lock_guard lock(mutex_);
    dueTimes_.push_back(
        static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(due.time_since_epoch()).count()));
    if (std::find(queue_.begin(), queue_.end(), handOver) == queue_.end()) queue_.push_back(handOver);
    posted_.notify_all();
    return true;
  }
  // The due times of the first |count| posts for a due time, once they came.
  std::vector<uint32_t> DueTimes(size_t count) {
    std::unique_lock lock(mutex_);
    posted_.wait_for(lock, std::chrono::seconds(5), [&] { return dueTimes_.size() >= count; });
    return dueTimes_;
  }
  bool WaitPending(std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
    std::unique_lock lock(mutex_);
    return posted_.wait_for(lock, timeout, [this] { return !queue_.empty(); });
  }
  // Runs the oldest hand-over; false when none came within |timeout|.
  bool RunNext(std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
    std::unique_lock lock(mutex_);
    if (!posted_.wait_for(lock, timeout, [this] { return !queue_.empty(); })) return false;
    const std::shared_ptr<TickHandOver> next = std::move(queue_.front());
    queue_.pop_front();
    lock.unlock();  // the hand-over may post the next tick
    next->Run();
    return true;
  }

 private:
  std::mutex mutex_;
  std::condition_variable posted_;
  std::deque<std::shared_ptr<TickHandOver>> queue_;
  std::vector<uint32_t> dueTimes_;
};

}  // namespace quorvane::testing
