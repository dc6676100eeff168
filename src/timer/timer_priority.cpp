#include "timer/timer_priority.h"

#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace quorvane {

// The seven priorities become nice offsets from the process's own value.
// Nice values weigh threads only within one scheduling group, and a desktop
// puts each session in a group of its own, so the three raised priorities
// also ask for SCHED_RR: only that wins a processor from another session's
// load within the millisecond.
int TimerThreadNice(TThreadPriority priority, int processNice) {
  static constexpr int kOffset[] = {19, 10, 5, 0, -5, -10, -20};
  return std::clamp(processNice + kOffset[static_cast<int>(priority)], -20, 19);
}

int RealtimePriorityFor(TThreadPriority priority) {
  switch (priority) {
    case TThreadPriority::tpHigher: return 1;
    case TThreadPriority::tpHighest: return 2;
    case TThreadPriority::tpTimeCritical: return 3;
    default: return 0;
  }
}

int LinuxThreadScheduler::UsableProcessors() {
  cpu_set_t set;
  CPU_ZERO(&set);
  if (sched_getaffinity(0, sizeof set, &set) != 0) return 1;
  return CPU_COUNT(&set);
}

int LinuxThreadScheduler::ProcessNice() {
  errno = 0;
  const int nice = getpriority(PRIO_PROCESS, static_cast<id_t>(getpid()));
  return nice == -1 && errno != 0 ? 0 : nice;
}

bool LinuxThreadScheduler::SetNice(int threadId, int nice) {
  // On Linux PRIO_PROCESS with a thread id sets that one thread's nice value.
  return setpriority(PRIO_PROCESS, static_cast<id_t>(threadId), nice) == 0;
}

bool LinuxThreadScheduler::SetRoundRobin(int threadId, int priority) {
  const sched_param param{priority};
  return sched_setscheduler(threadId, SCHED_RR | SCHED_RESET_ON_FORK, &param) == 0;
}

void LinuxThreadScheduler::SetOrdinary(int threadId) {
  // The reset-on-fork flag stays: a process without privileges may not
  // clear it once set.
  const sched_param param{0};
  sched_setscheduler(threadId, SCHED_OTHER | SCHED_RESET_ON_FORK, &param);
}

ThreadScheduler& SystemThreadScheduler() {
  static LinuxThreadScheduler system;
  return system;
}

ThreadScheduling ScheduleThread(ThreadScheduler& system, int threadId, TThreadPriority priority) {
  ThreadScheduling result;
  const int processNice = system.ProcessNice();
  result.Nice = TimerThreadNice(priority, processNice);
  if (!system.SetNice(threadId, result.Nice)) {
    result.Nice = processNice;
    system.SetNice(threadId, processNice);
  }
  const int wanted = RealtimePriorityFor(priority);
  if (wanted > 0 && system.UsableProcessors() >= 2) {
    // RLIMIT_RTPRIO may allow less than asked for; any grant beats none.
    for (int p = wanted; p >= 1 && result.RealtimePriority == 0; --p)
      if (system.SetRoundRobin(threadId, p)) result.RealtimePriority = p;
  }
  if (result.RealtimePriority == 0) system.SetOrdinary(threadId);
  return result;
}

ThreadScheduling ApplyTimerThreadPriority(int threadId, TThreadPriority priority) {
  return ScheduleThread(SystemThreadScheduler(), threadId, priority);
}

uint32_t BusyWaitMilliseconds(uint32_t interval, bool realtime) {
  return realtime ? std::min(TSuperTimer::kRealtimeSpinMargin, interval / 2) : TSuperTimer::kOrdinarySpinMargin;
}

void RaiseTickReceiverPriority() {
  ScheduleThread(SystemThreadScheduler(), static_cast<int>(gettid()), TThreadPriority::tpHigher);
}

}  // namespace quorvane
