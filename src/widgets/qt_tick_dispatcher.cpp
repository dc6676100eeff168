#include "widgets/qt_tick_dispatcher.h"

#include <QMetaObject>

namespace quorvane {

QtTickDispatcher::QtTickDispatcher(QObject* parent) : QObject(parent) {}

void QtTickDispatcher::Post(const std::shared_ptr<TickHandOver>& handOver) {
  QMetaObject::invokeMethod(
      this, [handOver] { handOver->Run(); }, Qt::QueuedConnection);
}

}  // namespace quorvane
