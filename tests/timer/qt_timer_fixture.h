#pragma once

#include <gtest/gtest.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "qt_glue/qt_tick_dispatcher.h"
#include "timer/super_timer.h"
#include "timer_fakes.h"

namespace quorvane::testing {

struct QtTimerSetup {
  const char* name;
  bool realtime;     // a worker that runs real-time hands each tick over as it reaches it
  bool armingFails;  // the kernel refuses to arm the dispatcher's timerfd
  friend std::ostream& operator<<(std::ostream& out, const QtTimerSetup& setup) { return out << setup.name; }
};

// The timerfds this process holds, by descriptor.
inline std::vector<int> TimerFds() {
  std::vector<int> fds;
  for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
    std::error_code gone;  // the iterator's own descriptor is closed by now
    if (std::filesystem::read_symlink(entry.path(), gone) == "anon_inode:[timerfd]")
      fds.push_back(std::stoi(entry.path().filename()));
  }
  return fds;
}

// The timer on the real clock, handing its ticks to Qt's event loop. A
// worker that runs real-time hands each tick over as it reaches it; an
// ordinary one posts it for its due time, and where the dispatcher cannot
// arm its timerfd, sleeps to the due time itself.
class QtTimer : public ::testing::TestWithParam<QtTimerSetup> {
 protected:
  QtTimer() {
    scheduling.realtime = GetParam().realtime;
    timer.SetInterval(30);
    if (!GetParam().armingFails) return;
    // The dispatcher's timerfd swapped for an eventfd nobody writes: the
    // descriptor stays watched but can no longer be armed.
    for (int fd : TimerFds()) {
      if (std::find(timerFdsBefore.begin(), timerFdsBefore.end(), fd) != timerFdsBefore.end()) continue;
      const int standIn = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
      dup2(standIn, fd);
      close(standIn);
      ++timerFdsReplaced;
    }
  }
  void SetUp() override {
    if (GetParam().armingFails) {
      ASSERT_EQ(timerFdsReplaced, 1) << "the dispatcher's own timerfd";
    }
  }

  std::vector<int> timerFdsBefore = TimerFds();
  QtTickDispatcher dispatcher;
  MonotonicMillisecondClock clock;
  ThreadSleeper sleeper;
  FakeScheduling scheduling;
  TSuperTimer timer{dispatcher, clock, sleeper, scheduling};
  int timerFdsReplaced = 0;
};

inline const auto kQtTimerSetups =
    ::testing::Values(QtTimerSetup{"Realtime", true, false}, QtTimerSetup{"Ordinary", false, false},
                      QtTimerSetup{"OrdinaryArmingFails", false, true});

inline std::string QtTimerSetupName(const ::testing::TestParamInfo<QtTimerSetup>& info) { return info.param.name; }

}  // namespace quorvane::testing
