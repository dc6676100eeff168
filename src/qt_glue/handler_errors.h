#pragma once

#include <QEvent>
#include <exception>
#include <functional>

namespace quorvane {

// An error raised in one of our event handlers must not unwind Qt's own
// frames on its way to the application's general error report: Qt is built
// without exception cleanups, so what those frames hold (the copy of a mouse
// event, for one) would leak. A handler that can fail runs its work through
// ReportHandlerErrors, which sends the error to the application object in a
// HandlerErrorEvent; the game's application raises it again inside its
// notify(), where the report catches it. Under another application object
// the error is dropped.
class HandlerErrorEvent final : public QEvent {
 public:
  static inline const QEvent::Type kType = static_cast<QEvent::Type>(QEvent::registerEventType());

  explicit HandlerErrorEvent(std::exception_ptr error) : QEvent(kType), Error(std::move(error)) {}

  std::exception_ptr Error;
};

void ReportHandlerErrors(const std::function<void()>& work);

}  // namespace quorvane
