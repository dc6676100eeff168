#include "timer/timer_priority.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace quorvane {

// The seven priorities become nice offsets from the process's own value,
// never a real-time policy. The worker busy-waits 50 ms of every period,
// and all of it at intervals of 50 ms or less; under SCHED_FIFO or
// SCHED_RR that spin would lock everything of lower priority out of its
// core, the main thread that has to run the tick included, with only the
// kernel's 95 % throttle as a backstop. A strong nice value still wins the
// core from ordinary busy processes quickly enough for a 1 ms aim.
int TimerThreadNice(TThreadPriority priority, int processNice) {
  static constexpr int kOffset[] = {19, 10, 5, 0, -5, -10, -20};
  return std::clamp(processNice + kOffset[static_cast<int>(priority)], -20, 19);
}

void ApplyTimerThreadPriority(int threadId, TThreadPriority priority) {
  errno = 0;
  int processNice = getpriority(PRIO_PROCESS, static_cast<id_t>(getpid()));
  if (processNice == -1 && errno != 0) processNice = 0;
  // On Linux PRIO_PROCESS with a thread id sets that one thread's nice value.
  if (setpriority(PRIO_PROCESS, static_cast<id_t>(threadId), TimerThreadNice(priority, processNice)) != 0)
    setpriority(PRIO_PROCESS, static_cast<id_t>(threadId), processNice);
}

}  // namespace quorvane

namespace quorvane {

void RaiseTickReceiverPriority() { ApplyTimerThreadPriority(static_cast<int>(gettid()), TThreadPriority::tpHigher); }

}  // namespace quorvane
