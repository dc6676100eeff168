#pragma once

// What the benchmarks that measure time and processor share: the clocks
// they read and the load they measure beside.

#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <thread>
#include <vector>

namespace quorvane::bench {

inline int64_t NowMicroseconds() {
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

inline double ProcessCpuMilliseconds() {
  timespec cpu{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
  return static_cast<double>(cpu.tv_sec) * 1e3 + static_cast<double>(cpu.tv_nsec) / 1e6;
}

// Busy processes, one per processor, each in a session of its own: the
// load of someone else's build, which the kernel weighs as another group
// however nice the game's threads are.
class CompetingLoad {
 public:
  CompetingLoad() {
    const long processors = sysconf(_SC_NPROCESSORS_ONLN);
    for (long i = 0; i < std::max(1L, processors); ++i) {
      const pid_t child = fork();
      if (child == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        setsid();
        volatile uint64_t spin = 0;
        for (;;) spin = spin + 1;
      }
      if (child > 0) children_.push_back(child);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(500));  // let them settle on the processors
  }
  ~CompetingLoad() {
    for (pid_t child : children_) kill(child, SIGKILL);
    for (pid_t child : children_) waitpid(child, nullptr, 0);
  }
  size_t Size() const { return children_.size(); }

 private:
  std::vector<pid_t> children_;
};

}  // namespace quorvane::bench
