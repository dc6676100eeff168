// The timer's rules and its worker loop on a fake clock: the worker runs on
// its own thread, and this one takes each tick as the main thread would.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "timer/super_timer.h"
#include "timer_fakes.h"

namespace quorvane {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Most rules do not depend on how the worker waits; they are shown here as
// a worker under SCHED_RR runs them. The ordinary worker's waits have rows
// of their own.
class TimerLoop : public ::testing::Test {
 protected:
  TimerLoop() {
    timer.SetOnTimer([this](TSuperTimer& sender) {
      ticks.push_back(sender.Elapsed());
      // The worker waits for this handler, so neither changes meanwhile.
      firedAt = clock.Now();
      sleeps = sleeper.Sleeps();
      if (onTick) onTick();
    });
    timer.SetOnStop([this](TSuperTimer&) { stoppedAfterTicks.push_back(static_cast<int>(ticks.size())); });
  }

  // Takes up to |count| ticks; stops early once the timer is parked.
  void Run(int count) {
    for (int i = 0; i < count && timer.Enabled(); ++i) ASSERT_TRUE(dispatcher.RunNext());
  }
  // Enables the timer and takes |before| ticks; runs |action| while the
  // worker is halfway through its sleep number |hold|, then takes up to
  // |after| ticks more.
  void RunActingInSleep(size_t hold, int before, int after, const std::function<void()>& action) {
    sleeper.Hold(hold);
    timer.SetEnabled(true);
    Run(before);
    ASSERT_TRUE(sleeper.WhileHeld(action));
    Run(after);
  }

  testing::FakeClock clock;
  testing::FakeSleeper sleeper{clock};
  testing::QueueDispatcher dispatcher;
  testing::FakeScheduling scheduling;  // real-time unless a test says otherwise
  TSuperTimer timer{dispatcher, clock, sleeper, scheduling};
  std::vector<int32_t> ticks;          // Elapsed at each OnTimer
  uint32_t firedAt = 0;                // the clock at the last OnTimer
  std::vector<uint32_t> sleeps;        // the worker's sleeps up to the last OnTimer
  std::vector<int> stoppedAfterTicks;  // one entry per OnStop
  std::function<void()> onTick;
};

TEST_F(TimerLoop, SettingTheCurrentValueDoesNotRebase) {
  RunActingInSleep(2, 1, 1, [this] {
    timer.SetEnabled(true);
    timer.SetCountDown(false);
  });
  EXPECT_EQ(timer.StartTime(), 0u);
  EXPECT_THAT(ticks, ElementsAre(1000, 2000));
}

TEST_F(TimerLoop, IntervalZeroDisablesWithoutOnStop) {
  timer.SetEnabled(true);
  onTick = [this] { timer.SetInterval(0); };
  Run(3);
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 0);
  EXPECT_EQ(ticks.size(), 1u);
  EXPECT_THAT(stoppedAfterTicks, IsEmpty());
  timer.SetEnabled(true);  // would only spin: ignored
  EXPECT_FALSE(timer.Enabled());
}

struct PeriodCase {
  const char* name;
  bool realtime;
  uint16_t interval;
  uint16_t intervalFromFirstTick;   // set inside the first OnTimer; 0: kept
  std::vector<uint32_t> handlerMs;  // how long each OnTimer runs, by tick
  std::vector<int32_t> ticks;       // Elapsed at the first three ticks: their firing times
  std::vector<uint32_t> sleeps;
  friend std::ostream& operator<<(std::ostream& out, const PeriodCase& c) { return out << c.name; }
};

class TimerPeriods : public TimerLoop, public ::testing::WithParamInterface<PeriodCase> {};

// A real-time worker sleeps until 1 ms before the due time and spins that
// millisecond (none of a 1 ms period); an ordinary one sleeps until the due
// time itself. Neither wake moves with the length of the hand-over.
TEST_P(TimerPeriods, SleepThenSpinToTheDueTime) {
  const PeriodCase& c = GetParam();
  scheduling.realtime = c.realtime;
  timer.SetInterval(c.interval);
  timer.SetEnabled(true);
  onTick = [&] {
    if (ticks.size() == 1 && c.intervalFromFirstTick != 0) timer.SetInterval(c.intervalFromFirstTick);
    if (ticks.size() <= c.handlerMs.size()) clock.Advance(c.handlerMs[ticks.size() - 1]);
  };
  Run(3);
  EXPECT_EQ(ticks, c.ticks);
  EXPECT_EQ(sleeps, c.sleeps);
}

INSTANTIATE_TEST_SUITE_P(
    BothSchedulings, TimerPeriods,
    ::testing::Values(
        PeriodCase{"RealtimeSpinsTheLastMillisecond", true, 200, 0, {}, {200, 400, 600}, {199, 199, 199}},
        PeriodCase{"RealtimeOneMillisecondPeriodDoesNotSpin", true, 1, 0, {}, {1, 2, 3}, {1, 1, 1}},
        PeriodCase{"OrdinarySleepsToTheDueTime", false, 200, 0, {}, {200, 400, 600}, {200, 200, 200}},
        // The tick already scheduled keeps the old period.
        PeriodCase{"RealtimeIntervalChangedInOnTimer", true, 200, 100, {}, {200, 400, 500}, {199, 199, 99}},
        PeriodCase{"OrdinaryIntervalChangedInOnTimer", false, 200, 100, {}, {200, 400, 500}, {200, 200, 100}},
        PeriodCase{"RealtimeHandlerDoesNotShiftTheWake", true, 100, 0, {80, 80}, {100, 200, 300}, {99, 19, 19}},
        PeriodCase{"OrdinaryHandlerDoesNotShiftTheWake", false, 100, 0, {80, 80}, {100, 200, 300}, {100, 20, 20}},
        // Late by the handler's time, then a full period again: no
        // catch-up tick.
        PeriodCase{"RealtimeSlowHandlerNoBurst", true, 100, 0, {300}, {100, 400, 500}, {99, 99}},
        PeriodCase{"OrdinarySlowHandlerNoBurst", false, 100, 0, {300}, {100, 400, 500}, {100, 100}}),
    [](const auto& info) { return std::string(info.param.name); });

struct DueTimeCase {
  const char* name;
  std::function<void(TSuperTimer&)> beforeDue;  // on the main thread while the tick waits for its time
  uint32_t advance;                             // then the clock moves on, and the hand-over runs
  std::vector<int32_t> ticks;
  std::vector<uint32_t> dueTimes;  // every post for a due time, up to the one after the run
  friend std::ostream& operator<<(std::ostream& out, const DueTimeCase& c) { return out << c.name; }
};

class TimerDueTimes : public TimerLoop, public ::testing::WithParamInterface<DueTimeCase> {};

// An ordinary worker posts the tick for its due time without sleeping; the
// main thread fires it when its hand-over runs, if it is still due.
TEST_P(TimerDueTimes, MainThreadFiresWhatIsDue) {
  const DueTimeCase& c = GetParam();
  scheduling.realtime = false;
  dispatcher.acceptDueTimes = true;
  timer.SetEnabled(true);
  ASSERT_EQ(dispatcher.DueTimes(1).size(), 1u);
  if (c.beforeDue) c.beforeDue(timer);
  clock.Advance(c.advance);
  ASSERT_TRUE(dispatcher.RunNext());
  EXPECT_EQ(ticks, c.ticks);
  EXPECT_EQ(dispatcher.DueTimes(c.dueTimes.size()), c.dueTimes);
  EXPECT_THAT(sleeper.Sleeps(), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Ordinary, TimerDueTimes,
    ::testing::Values(DueTimeCase{"OnTime", nullptr, 1000, {1000}, {1000, 2000}},
                      // Lateness is not made up.
                      DueTimeCase{"Late", nullptr, 1007, {1007}, {1000, 2007}},
                      DueTimeCase{"NotYetDueIsPostedAgain", nullptr, 999, {}, {1000, 1000}},
                      DueTimeCase{"Disabled", [](TSuperTimer& t) { t.SetEnabled(false); }, 1000, {}, {1000}},
                      // The post made before belongs to the old enable: it
                      // is dropped, and the tick posted for the new due time.
                      DueTimeCase{"ReenabledIsPostedForItsOwnDueTime",
                                  [](TSuperTimer& t) {
                                    t.SetEnabled(false);
                                    t.SetInterval(300);
                                    t.SetEnabled(true);
                                  },
                                  1000,
                                  {},
                                  {1000, 300}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TimerLoop, CountDownFromZeroStopsAtTheFirstTick) {
  timer.SetCountDown(true);  // before the enable: the worker would not wait for it
  timer.SetEnabled(true);
  Run(3);
  EXPECT_THAT(ticks, ElementsAre(-1000));
  EXPECT_THAT(stoppedAfterTicks, ElementsAre(1));
  EXPECT_FALSE(timer.Enabled());
}

TEST_F(TimerLoop, CountDownFromTheLastTicksValue) {
  // Switched 499 ms after the tick at 3000; those are counted neither way.
  RunActingInSleep(4, 3, 5, [this] { timer.SetCountDown(true); });
  EXPECT_THAT(ticks, ElementsAre(1000, 2000, 3000, 2499, 1499, 499, -501));
  EXPECT_THAT(stoppedAfterTicks, ElementsAre(7));
  EXPECT_FALSE(timer.Enabled());
}

TEST_F(TimerLoop, DisabledInOnTimerThenEnabledTicksOneIntervalLater) {
  timer.SetInterval(100);
  timer.SetEnabled(true);
  onTick = [this] { timer.SetEnabled(false); };
  Run(3);
  EXPECT_THAT(ticks, ElementsAre(100));
  EXPECT_THAT(stoppedAfterTicks, IsEmpty());

  onTick = nullptr;
  clock.Advance(1000);
  timer.SetEnabled(true);
  Run(1);
  EXPECT_EQ(firedAt, 1200u);
  EXPECT_THAT(ticks, ElementsAre(100, 200));
}

class TimerLoopBothSchedulings : public TimerLoop, public ::testing::WithParamInterface<bool> {
 protected:
  TimerLoopBothSchedulings() { scheduling.realtime = GetParam(); }
};

TEST_P(TimerLoopBothSchedulings, ReenabledDuringASleepFiresWhenTheSleepEnds) {
  RunActingInSleep(1, 0, 2, [this] {
    timer.SetEnabled(false);
    timer.SetInterval(100);
    timer.SetEnabled(true);  // halfway through a sleep that lasts until 999 (1000 for an ordinary worker)
  });
  // Counted from the enable at 499 (500), fired when the sleep ends.
  EXPECT_THAT(ticks, ElementsAre(500, 600));
}

TEST_P(TimerLoopBothSchedulings, KeepsItsPeriodAcrossTheClockWrap) {
  // The due time lies 20 ms after the wrap; a real-time worker's first
  // sleep ends 1 ms before it, an ordinary one at it.
  clock.Advance(0u - 980u);
  timer.SetEnabled(true);
  Run(2);
  EXPECT_THAT(ticks, ElementsAre(1000, 2000));
  EXPECT_EQ(firedAt, 1020u);
}

INSTANTIATE_TEST_SUITE_P(Scheduling, TimerLoopBothSchedulings, ::testing::Bool(), testing::SchedulingName);

}  // namespace
}  // namespace quorvane
