// Which scheduling a raised thread gets, with the system calls faked: the
// processors it may use, what the system grants, and what is left behind.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "timer/timer_priority.h"

namespace quorvane {
namespace {

// What the system allows. A realtimeLimit of 0: SCHED_RR refused, as for an
// ordinary user.
struct Limits {
  int processors = 2, realtimeLimit = 99, processNice = 0;
  bool mayRaiseNice = true;
};

class FakeScheduler final : public ThreadScheduler, public Limits {
 public:
  explicit FakeScheduler(Limits limits = {}) : Limits(limits) {}
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

  std::vector<std::string> calls;
  int nice = 0;
  int realtime = 0;  // the thread's SCHED_RR priority now; 0: ordinary
};

TEST(TimerScheduling, RoundRobinOnlyWithTwoProcessorsAndAGrant) {
  const struct {
    const char* name;
    Limits limits;
    TThreadPriority priority;
    ThreadScheduling granted;
    std::vector<std::string> calls;
  } rows[] = {
      {"two cores", {2, 99, 0, true}, TThreadPriority::tpHighest, {-10, 2}, {"nice -10", "rr 2"}},
      // One processor: a real-time spin there would shut out the main
      // thread, so the system is never even asked.
      {"one core", {1, 99, 0, true}, TThreadPriority::tpTimeCritical, {-20, 0}, {"nice -20", "ordinary"}},
      // No privilege: today's nice values, or the process's own where even
      // those are refused.
      {"user", {2, 0, 3, false}, TThreadPriority::tpHigher, {3, 0}, {"nice -2", "nice 3", "rr 1", "ordinary"}},
      // A low RLIMIT_RTPRIO grants what it allows.
      {"limit 1", {2, 1, 0, true}, TThreadPriority::tpTimeCritical, {-20, 1}, {"nice -20", "rr 3", "rr 2", "rr 1"}},
  };
  for (const auto& r : rows) {
    FakeScheduler system(r.limits);
    EXPECT_EQ(ScheduleThread(system, 7, r.priority), r.granted) << r.name;
    EXPECT_EQ(system.realtime, r.granted.RealtimePriority) << r.name;
    EXPECT_EQ(system.calls, r.calls) << r.name;
  }
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
  // A 1 ms period has nothing before its due time to spin through.
  for (auto [interval, spin] : {std::pair{250u, 1u}, {120u, 1u}, {2u, 1u}, {1u, 0u}}) {
    EXPECT_EQ(BusyWaitMilliseconds(interval, true), spin) << interval;
    EXPECT_EQ(BusyWaitMilliseconds(interval, false), 0u) << interval;
  }
}

}  // namespace
}  // namespace quorvane
