#pragma once

#include <QObject>

#include "timer/super_timer.h"

namespace quorvane {

// Delivers timer ticks as queued calls to an object of the main thread, so
// they are served by whichever event loop runs there: the application's,
// or the nested one of a menu, message box or modal dialog. The worker
// waits on its own hand-over rather than in a blocking queued call, which
// lets a timer be destroyed while a tick is still on its way.
//
// Create it on the main thread and keep it alive longer than its timers.
// Each tick costs Qt one small queued-call allocation.
// A handler's exception leaves through the event delivery, where the
// application's notify() can report it.
class QtTickDispatcher final : public QObject, public TickDispatcher {
 public:
  explicit QtTickDispatcher(QObject* parent = nullptr);
  void Post(const std::shared_ptr<TickHandOver>& handOver) override;
};

}  // namespace quorvane
