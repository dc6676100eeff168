#pragma once

#include "timer/super_timer.h"

namespace quorvane {

// The nice value a worker at |priority| runs at, given the process's own.
int TimerThreadNice(TThreadPriority priority, int processNice);

// Applies |priority| to the thread with kernel id |threadId|. Where the
// process may not raise it, the thread carries on at the process's own
// priority; nothing is reported.
void ApplyTimerThreadPriority(int threadId, TThreadPriority priority);

}  // namespace quorvane

namespace quorvane {

// Raises the calling thread, the one that will run the ticks, as far as
// tpHigher where the process may. A tick handed over on time is only as
// punctual as the thread that has to take it: on a busy machine an ordinary
// main thread can wait milliseconds for a core.
void RaiseTickReceiverPriority();

}  // namespace quorvane
