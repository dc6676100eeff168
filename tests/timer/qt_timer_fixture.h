#pragma once

#include <gtest/gtest.h>

#include "qt_glue/qt_tick_dispatcher.h"
#include "timer/super_timer.h"
#include "timer_fakes.h"

namespace quorvane::testing {

// The timer on the real clock, handing its ticks to Qt's event loop. A
// worker that runs real-time hands each tick over as it fires it; an
// ordinary one posts it for its due time. Rows run under both.
class QtTimer : public ::testing::TestWithParam<bool> {
 protected:
  QtTimer() {
    scheduling.realtime = GetParam();
    timer.SetInterval(30);
  }

  QtTickDispatcher dispatcher;
  MonotonicMillisecondClock clock;
  ThreadSleeper sleeper;
  FakeScheduling scheduling;
  TSuperTimer timer{dispatcher, clock, sleeper, scheduling};
};

}  // namespace quorvane::testing
