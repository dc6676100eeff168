#pragma once

#include "timer/super_timer.h"

namespace quorvane {

// The nice value a worker at |priority| runs at, given the process's own.
int TimerThreadNice(TThreadPriority priority, int processNice);

// The SCHED_RR priority that |priority| may ask for: 1 to 3 for the three
// priorities above tpNormal, 0 (none) for the others. Kept at the bottom
// of the real-time range, below sound servers and the kernel's own threads.
int RealtimePriorityFor(TThreadPriority priority);

// The scheduler calls behind the choice, so that the choice can be tried
// without privileges and without a second processor.
class ThreadScheduler {
 public:
  virtual ~ThreadScheduler() = default;
  // Processors this process may run on, from its affinity mask.
  virtual int UsableProcessors() = 0;
  virtual int ProcessNice() = 0;
  virtual bool SetNice(int threadId, int nice) = 0;
  // SCHED_RR at |priority|; threads the thread creates start ordinary.
  // False when the system refuses (no privilege, RLIMIT_RTPRIO too low, a
  // control group without real-time time).
  virtual bool SetRoundRobin(int threadId, int priority) = 0;
  // Back to the ordinary policy at the thread's nice value.
  virtual void SetOrdinary(int threadId) = 0;
};

// The calls on Linux.
class LinuxThreadScheduler final : public ThreadScheduler {
 public:
  int UsableProcessors() override;
  int ProcessNice() override;
  bool SetNice(int threadId, int nice) override;
  bool SetRoundRobin(int threadId, int priority) override;
  void SetOrdinary(int threadId) override;
};

ThreadScheduler& SystemThreadScheduler();

struct ThreadScheduling {
  int Nice = 0;
  int RealtimePriority = 0;  // SCHED_RR priority the system granted; 0: none
  bool operator==(const ThreadScheduling&) const = default;
};

// Gives |threadId| the nice value of |priority| (the process's own where it
// may not be raised). A priority above tpNormal also gets SCHED_RR where the
// system grants it, at RealtimePriorityFor or the highest lower one granted,
// but only for a process that may run on two or more processors: a thread
// spinning under SCHED_RR on the only processor would shut every ordinary
// thread out, the one that must take the tick included. Otherwise, or at a
// lower priority, the thread returns to the ordinary policy.
ThreadScheduling ScheduleThread(ThreadScheduler& system, int threadId, TThreadPriority priority);

// Applies |priority| to the worker with kernel id |threadId| through
// ScheduleThread; nothing is reported.
ThreadScheduling ApplyTimerThreadPriority(int threadId, TThreadPriority priority);

// How much of each period the worker busy-waits. Under SCHED_RR, the last
// millisecond (none of a 1 ms period), after a sleep to an absolute time: a
// real-time sleeper wakes within about 0.1 ms, so the millisecond covers
// its wake and the millisecond clock's coarseness, and costs about 1 ms of
// processor per tick instead of a longer spin's. At a nice value, none: the
// worker posts the tick for its due time, or where the dispatcher cannot
// wait for a time, sleeps to the due time itself, which wakes within a
// fraction of a millisecond. An ordinary thread that spins, even for the
// last millisecond, uses up its slice and is descheduled on a busy machine,
// so it would fire later than one that only sleeps, and the spin costs the
// player's processor.
uint32_t BusyWaitMilliseconds(uint32_t interval, bool realtime);

// Raises the calling thread, the one that will run the ticks, to tpHigher
// where the process may, SCHED_RR priority 1 where granted (below the
// worker's 2). A tick handed over on time is only as punctual as the
// thread that has to take it: on a busy machine an ordinary main thread
// can wait milliseconds for a processor. Threads it creates afterwards
// start ordinary. Call before any other thread starts.
void RaiseTickReceiverPriority();

}  // namespace quorvane
