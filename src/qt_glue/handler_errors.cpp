#include "qt_glue/handler_errors.h"

#include <QCoreApplication>

namespace quorvane {

void ReportHandlerErrors(const std::function<void()>& work) {
  try {
    work();
  } catch (...) {
    HandlerErrorEvent event(std::current_exception());
    if (QCoreApplication* application = QCoreApplication::instance()) {
      QCoreApplication::sendEvent(application, &event);
    }
  }
}

}  // namespace quorvane
