#pragma once

#include "components/super_timer.h"

namespace quorvane {

// The nice value a worker at |priority| runs at, given the process's own.
int TimerThreadNice(TThreadPriority priority, int processNice);

// Applies |priority| to the thread with kernel id |threadId|. Where the
// process may not raise it, the thread carries on at the process's own
// priority; nothing is reported.
void ApplyTimerThreadPriority(int threadId, TThreadPriority priority);

}  // namespace quorvane
