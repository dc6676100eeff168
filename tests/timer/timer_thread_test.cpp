// The worker on its own thread with the real clock: parking, stale ticks,
// destruction and priorities. Bounds are loose; the machine is shared.
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "timer/super_timer.h"
#include "timer/timer_priority.h"
#include "timer_fakes.h"

namespace quorvane {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// The system's scheduling, as the timer's own would apply it, telling the
// test which thread it was given: the worker's, seen through the port.
class SystemSchedulingSeen final : public WorkerScheduling {
 public:
  bool Apply(int threadId, TThreadPriority priority) override {
    worker.store(threadId);
    return system.Apply(threadId, priority);
  }
  SystemWorkerScheduling system;
  std::atomic<int> worker{0};
};

class TimerThread : public ::testing::Test {
 protected:
  TimerThread() {
    timer->SetInterval(30);
    timer->SetOnTimer([this](TSuperTimer& sender) {
      elapsed.push_back(sender.Elapsed());
      if (onTick) onTick();
    });
  }

  std::unique_ptr<TSuperTimer> MakeTimer() {
    return std::make_unique<TSuperTimer>(dispatcher, clock, sleeper, scheduling);
  }

  testing::QueueDispatcher dispatcher;
  MonotonicMillisecondClock clock;
  ThreadSleeper sleeper;
  SystemSchedulingSeen scheduling;
  std::unique_ptr<TSuperTimer> timer = MakeTimer();
  std::vector<int32_t> elapsed;
  std::function<void()> onTick;
};

TEST_F(TimerThread, ParkedWorkerHandsNothingOverAndResumes) {
  timer->SetEnabled(true);
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(dispatcher.RunNext());
  timer->SetEnabled(false);
  dispatcher.RunNext(100ms);  // a tick already on its way is dropped
  EXPECT_FALSE(dispatcher.RunNext(300ms));
  ASSERT_EQ(elapsed.size(), 3u);

  timer->SetEnabled(true);
  ASSERT_TRUE(dispatcher.RunNext());
  ASSERT_EQ(elapsed.size(), 4u);
  EXPECT_GE(elapsed[3], elapsed[2] + 30);  // counts on from the last tick
}

TEST_F(TimerThread, TickFromBeforeADisableAndEnableIsDropped) {
  timer->SetEnabled(true);
  ASSERT_TRUE(dispatcher.WaitPending());
  timer->SetEnabled(false);
  timer->SetEnabled(true);
  ASSERT_TRUE(dispatcher.RunNext());
  EXPECT_TRUE(elapsed.empty());
  ASSERT_TRUE(dispatcher.RunNext());
  EXPECT_EQ(elapsed.size(), 1u);
}

TEST_F(TimerThread, DestroyedWhileATickWaitsForTheMainThread) {
  timer->SetEnabled(true);
  ASSERT_TRUE(dispatcher.WaitPending());
  const auto start = Clock::now();
  timer.reset();
  EXPECT_LT(Clock::now() - start, 2s);
  ASSERT_TRUE(dispatcher.RunNext());  // the stale hand-over outlives its timer
  EXPECT_TRUE(elapsed.empty());
}

TEST_F(TimerThread, DestroyedFromItsOwnHandler) {
  onTick = [this] { timer.reset(); };
  timer->SetEnabled(true);
  ASSERT_TRUE(dispatcher.RunNext());
  EXPECT_FALSE(timer);
  EXPECT_FALSE(dispatcher.RunNext(200ms));
  EXPECT_EQ(elapsed.size(), 1u);
}

TEST_F(TimerThread, DestroyedDuringALongSleep) {
  // tpHigher sleeps a plain sleep where SCHED_RR is granted; tpNormal always
  // sleeps to an absolute time.
  for (TThreadPriority priority : {TThreadPriority::tpHigher, TThreadPriority::tpNormal}) {
    timer = MakeTimer();
    timer->SetThreadPriority(priority);
    timer->SetInterval(60000);
    timer->SetEnabled(true);
    std::this_thread::sleep_for(50ms);
    const auto start = Clock::now();
    timer.reset();
    EXPECT_LT(Clock::now() - start, 2s) << static_cast<int>(priority);
  }
}

int NiceOf(int threadId) { return getpriority(PRIO_PROCESS, static_cast<id_t>(threadId)); }

TEST_F(TimerThread, PriorityGoesToTheWorkerOnlyAndAppliesAtOnce) {
  // Lowering is always permitted, so these hold with or without privileges.
  const int processNice = NiceOf(getpid());
  timer->SetThreadPriority(TThreadPriority::tpLower);
  timer->SetEnabled(true);
  ASSERT_TRUE(dispatcher.RunNext());
  const int worker = scheduling.worker.load();
  ASSERT_NE(worker, 0);
  ASSERT_NE(worker, static_cast<int>(gettid()));
  EXPECT_EQ(NiceOf(worker), TimerThreadNice(TThreadPriority::tpLower, processNice));

  timer->SetThreadPriority(TThreadPriority::tpIdle);
  EXPECT_EQ(NiceOf(worker), 19);
  EXPECT_EQ(NiceOf(static_cast<int>(gettid())), processNice);
}

int PolicyOf(int threadId) { return sched_getscheduler(threadId) & ~SCHED_RESET_ON_FORK; }

TEST_F(TimerThread, RoundRobinGoesToTheWorkerWhereGrantedAndLeavesWithItsPriority) {
  const int self = static_cast<int>(gettid());
  const bool granted = ApplyTimerThreadPriority(self, TThreadPriority::tpHighest).RealtimePriority > 0;
  ApplyTimerThreadPriority(self, TThreadPriority::tpNormal);
  if (!granted) GTEST_SKIP() << "this system grants no SCHED_RR";

  timer->SetInterval(300);
  timer->SetThreadPriority(TThreadPriority::tpHighest);
  int policyAtTick = -1;
  onTick = [&] { policyAtTick = PolicyOf(scheduling.worker.load()); };
  timer->SetEnabled(true);
  ASSERT_TRUE(dispatcher.RunNext());
  const int worker = scheduling.worker.load();
  EXPECT_EQ(policyAtTick, SCHED_RR);
  std::this_thread::sleep_for(50ms);  // asleep until the next period's wait
  EXPECT_EQ(PolicyOf(worker), SCHED_RR) << "it must wake on time too";
  EXPECT_EQ(PolicyOf(self), SCHED_OTHER);

  timer->SetThreadPriority(TThreadPriority::tpNormal);
  EXPECT_EQ(PolicyOf(worker), SCHED_OTHER);
}

}  // namespace
}  // namespace quorvane
