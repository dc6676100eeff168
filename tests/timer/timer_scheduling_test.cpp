// Which scheduling a raised thread gets, with the system calls faked: the
// processors it may use, what the system grants, and what is left behind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "timer/timer_priority.h"

namespace quorvane {
namespace {

class FakeScheduler final : public ThreadScheduler {
 public:
  int UsableProcessors() override { return processors; }
  int ProcessNice() override { return processNice; }
  bool SetNice(int, int value) override {
    calls.push_back("nice " + std::to_string(value));
    if (value < processNice && !mayRaiseNice) return false;
    nice = value;
    return true;
  }
  bool SetRoundRobin(int, int priority) override {
    calls.push_back("rr " + std::to_string(priority));
    if (priority > realtimeLimit) return false;
    realtime = priority;
    return true;
  }
  void SetOrdinary(int) override {
    calls.push_back("ordinary");
    realtime = 0;
  }

  int processors = 2;
  int processNice = 0;
  bool mayRaiseNice = true;
  int realtimeLimit = 99;  // 0: SCHED_RR refused, as for an ordinary user
  std::vector<std::string> calls;
  int nice = 0;
  int realtime = 0;  // the thread's SCHED_RR priority now; 0: ordinary
};

using Calls = std::vector<std::string>;

TEST(TimerScheduling, RoundRobinOnlyWithTwoProcessorsAndAGrant) {
  FakeScheduler twoCores;
  EXPECT_EQ(ScheduleThread(twoCores, 7, TThreadPriority::tpHighest), (ThreadScheduling{-10, 2}));
  EXPECT_EQ(twoCores.realtime, 2);
  EXPECT_EQ(twoCores.calls, (Calls{"nice -10", "rr 2"}));

  // One processor: a real-time spin there would shut out the main thread.
  FakeScheduler oneCore;
  oneCore.processors = 1;
  EXPECT_EQ(ScheduleThread(oneCore, 7, TThreadPriority::tpTimeCritical), (ThreadScheduling{-20, 0}));
  EXPECT_EQ(oneCore.calls, (Calls{"nice -20", "ordinary"})) << "never even asked";

  // No privilege: today's nice values, or the process's own where even
  // those are refused.
  FakeScheduler user;
  user.realtimeLimit = 0;
  user.mayRaiseNice = false;
  user.processNice = 3;
  EXPECT_EQ(ScheduleThread(user, 7, TThreadPriority::tpHigher), (ThreadScheduling{3, 0}));
  EXPECT_EQ(user.calls, (Calls{"nice -2", "nice 3", "rr 1", "ordinary"}));
  EXPECT_EQ(user.realtime, 0);
}

TEST(TimerScheduling, ALowRealtimeLimitGrantsWhatItAllows) {
  FakeScheduler limited;
  limited.realtimeLimit = 1;  // RLIMIT_RTPRIO 1
  EXPECT_EQ(ScheduleThread(limited, 7, TThreadPriority::tpTimeCritical).RealtimePriority, 1);
  EXPECT_EQ(limited.calls, (Calls{"nice -20", "rr 3", "rr 2", "rr 1"}));
}

TEST(TimerScheduling, OrdinaryPrioritiesNeverAskAndLeaveRoundRobin) {
  FakeScheduler system;
  system.SetRoundRobin(7, 2);  // granted earlier at tpHighest
  system.calls.clear();
  for (TThreadPriority p :
       {TThreadPriority::tpIdle, TThreadPriority::tpLowest, TThreadPriority::tpLower, TThreadPriority::tpNormal})
    EXPECT_EQ(ScheduleThread(system, 7, p).RealtimePriority, 0);
  EXPECT_EQ(system.realtime, 0);
  EXPECT_EQ(system.nice, 0) << "tpNormal, asked last, gives the process's own";
  for (const std::string& call : system.calls) EXPECT_NE(call.rfind("rr", 0), 0u) << call;
}

TEST(TimerScheduling, BusyWaitFitsTheWorkersScheduling) {
  for (uint32_t interval : {250u, 120u, 100u, 51u, 30u, 1u}) EXPECT_EQ(BusyWaitMilliseconds(interval, false), 0u);
  EXPECT_EQ(BusyWaitMilliseconds(250, true), 50u);
  EXPECT_EQ(BusyWaitMilliseconds(120, true), 50u) << "the game's shortest step keeps the whole margin";
  EXPECT_EQ(BusyWaitMilliseconds(100, true), 50u);
  EXPECT_EQ(BusyWaitMilliseconds(51, true), 25u);
  EXPECT_EQ(BusyWaitMilliseconds(30, true), 15u);
  EXPECT_EQ(BusyWaitMilliseconds(1, true), 0u);
}

}  // namespace
}  // namespace quorvane
