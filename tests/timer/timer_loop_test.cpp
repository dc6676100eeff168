// The timer's rules and its worker loop on a fake clock, the worker taking
// turns with the test a number of ticks at a time.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "timer/super_timer.h"
#include "timer_fakes.h"

namespace quorvane {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class TimerLoop : public ::testing::Test {
 protected:
  explicit TimerLoop(uint32_t clockStart = 0) : clock(clockStart, &turns) {
    turns.timer = &timer;
    // An ordinary thread, which keeps the whole busy-wait margin.
    timer.SetThreadPriority(TThreadPriority::tpNormal);
    timer.SetOnTimer([this](TSuperTimer& sender) {
      ticks.push_back(sender.Elapsed());
      if (onTick) onTick();
    });
    timer.SetOnStop([this](TSuperTimer&) { stoppedAfterTicks.push_back(static_cast<int>(ticks.size())); });
  }

  ~TimerLoop() override {
    // The worker parks for good before the timer ends it.
    sleeper.onSleep = nullptr;
    timer.SetEnabled(false);
    turns.Open();
  }

  // Runs up to |count| ticks; stops early once the timer is parked.
  void Run(int count) { turns.Run(count); }

  testing::TimerTurns turns;
  testing::FakeClock clock;
  testing::FakeSleeper sleeper{clock, &turns};
  testing::TurnDispatcher dispatcher{turns};
  TSuperTimer timer{dispatcher, clock, sleeper};
  std::vector<int32_t> ticks;          // Elapsed at each OnTimer
  std::vector<int> stoppedAfterTicks;  // one entry per OnStop
  std::function<void()> onTick;
};

TEST_F(TimerLoop, SettingTheCurrentValueDoesNotRebase) {
  timer.SetEnabled(true);
  Run(1);
  sleeper.onSleep = [this] {
    timer.SetEnabled(true);
    timer.SetCountDown(false);
  };
  Run(1);
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

TEST_F(TimerLoop, SleepsAllButTheLastFiftyMilliseconds) {
  timer.SetInterval(30);
  timer.SetEnabled(true);
  Run(3);
  EXPECT_THAT(sleeper.sleeps, IsEmpty());
  EXPECT_THAT(ticks, ElementsAre(30, 60, 90));

  timer.SetEnabled(false);
  timer.SetInterval(51);
  timer.SetEnabled(true);
  Run(3);
  EXPECT_THAT(sleeper.sleeps, ElementsAre(1, 1, 1));
  EXPECT_THAT(ticks, ElementsAre(30, 60, 90, 141, 192, 243));
}

TEST_F(TimerLoop, IntervalChangedInOnTimerAppliesOnePeriodLater) {
  timer.SetInterval(200);
  timer.SetEnabled(true);
  onTick = [this] { timer.SetInterval(100); };
  Run(3);
  EXPECT_THAT(ticks, ElementsAre(200, 400, 500));
  EXPECT_THAT(sleeper.sleeps, ElementsAre(150, 50, 50));
}

TEST_F(TimerLoop, SlowHandlerStretchesThePeriodWithoutABurst) {
  timer.SetInterval(100);
  timer.SetEnabled(true);
  onTick = [this] {
    if (ticks.size() == 1) clock.Advance(300);
  };
  Run(3);
  // Late by the handler's time beyond the 50 ms margin, then a full
  // period again: no catch-up tick.
  EXPECT_THAT(ticks, ElementsAre(100, 450, 550));
}

TEST_F(TimerLoop, CountDownFromZeroStopsAtTheFirstTick) {
  timer.SetEnabled(true);
  timer.SetCountDown(true);
  Run(3);
  EXPECT_THAT(ticks, ElementsAre(-1000));
  EXPECT_THAT(stoppedAfterTicks, ElementsAre(1));
  EXPECT_FALSE(timer.Enabled());
}

TEST_F(TimerLoop, CountDownFromTheLastTicksValue) {
  timer.SetEnabled(true);
  Run(3);
  // Switched 475 ms after the tick at 3000; those are counted neither way.
  sleeper.onSleep = [this] { timer.SetCountDown(true); };
  Run(5);
  EXPECT_THAT(ticks, ElementsAre(1000, 2000, 3000, 2475, 1475, 475, -525));
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
  EXPECT_EQ(clock.Now(), 1200u);
  EXPECT_THAT(ticks, ElementsAre(100, 200));
}

TEST_F(TimerLoop, ReenabledDuringASleepFiresWhenTheSleepEnds) {
  timer.SetEnabled(true);
  sleeper.onSleep = [this] {
    timer.SetEnabled(false);
    timer.SetInterval(100);
    timer.SetEnabled(true);  // at 475, due at 575, but the sleep lasts until 950
  };
  Run(2);
  EXPECT_THAT(ticks, ElementsAre(475, 575));
}

class TimerLoopAcrossClockWrap : public TimerLoop {
 protected:
  // The first sleep ends 30 ms before the wrap, the due time lies 20 ms after it.
  TimerLoopAcrossClockWrap() : TimerLoop(0u - 980u) {}
};

TEST_F(TimerLoopAcrossClockWrap, KeepsItsPeriod) {
  timer.SetEnabled(true);
  Run(2);
  EXPECT_THAT(ticks, ElementsAre(1000, 2000));
  EXPECT_EQ(clock.Now(), 1020u);
}

}  // namespace
}  // namespace quorvane
