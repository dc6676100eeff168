#include "shell/system_sources.h"

#include <QTime>

namespace quorvane {

uint32_t LocalTimeOfDay::MillisecondsSinceMidnight() {
  const QTime now = QTime::currentTime();
  return static_cast<uint32_t>(((now.hour() * 60 + now.minute()) * 60 + now.second()) * 1000 + now.msec());
}

}  // namespace quorvane
