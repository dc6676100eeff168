#include "shell/session_end.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QSocketNotifier>
#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <iostream>
#include <stdexcept>
#include <system_error>

#if QT_CONFIG(sessionmanager)
#include <QSessionManager>
#endif

#include "shell/error_report.h"
#include "shell/main_window.h"

namespace quorvane {

namespace {

constexpr std::array<int, 3> kEndSignals = {SIGTERM, SIGINT, SIGHUP};

// Read by the signal handler, so a lock-free atomic and nothing more.
std::atomic<int> signalFd{-1};
static_assert(std::atomic<int>::is_always_lock_free);

std::array<struct sigaction, kEndSignals.size()> earlierActions{};

extern "C" void OnEndSignal(int) {
  // Only async-signal-safe calls here; errno belongs to whatever was
  // interrupted.
  const int savedErrno = errno;
  const uint64_t one = 1;
  const int fd = signalFd.load();
  if (fd >= 0) {
    // Nothing to do on failure: a counter that is already readable will
    // still wake the loop.
    [[maybe_unused]] const ssize_t written = ::write(fd, &one, sizeof one);
  }
  errno = savedErrno;
}

}  // namespace

SessionEnd::SessionEnd(QObject* parent) : QObject(parent) {
  if (signalFd.load() >= 0) throw std::logic_error("only one session end handler at a time");
  const int fd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (fd < 0) throw std::system_error(errno, std::generic_category(), "eventfd");
  signalFd.store(fd);
  notifier_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &SessionEnd::ReadSignals);

  struct sigaction action {};
  action.sa_handler = OnEndSignal;
  sigemptyset(&action.sa_mask);
  // Interrupted calls carry on, so no other code has to expect EINTR.
  action.sa_flags = SA_RESTART;
  for (size_t i = 0; i < kEndSignals.size(); ++i) ::sigaction(kEndSignals[i], &action, &earlierActions[i]);

    // The session manager asks for our data before it logs out; then the
    // game ends as it would on SIGTERM.
#if QT_CONFIG(sessionmanager)
  connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { Request(); });
#endif
  // A quit request from the platform (the session manager's "die") would
  // close the windows while a modal dialog may still be running.
  qApp->installEventFilter(this);
}

SessionEnd::~SessionEnd() {
  qApp->removeEventFilter(this);
  for (size_t i = 0; i < kEndSignals.size(); ++i) ::sigaction(kEndSignals[i], &earlierActions[i], nullptr);
  const int fd = signalFd.exchange(-1);
  delete notifier_;  // before its descriptor goes
  ::close(fd);
}

void SessionEnd::Request() {
  // Ends the nested loops of modal dialogs and message boxes too, and any
  // opened while those unwind returns at once.
  QCoreApplication::exit(0);
}

bool SessionEnd::eventFilter(QObject* watched, QEvent* event) {
  if (watched == qApp && event->type() == QEvent::Quit) {
    Request();
    return true;
  }
  return false;
}

void SessionEnd::ReadSignals() {
  uint64_t count = 0;
  while (::read(signalFd.load(), &count, sizeof count) < 0 && errno == EINTR) {
  }
  Request();
}

int RunMainWindow(TForm1& form) {
  const int status = QApplication::exec();
  if (!form.isVisible()) return status;
  const std::string error = form.CloseForSessionEnd();
  if (error.empty()) return 0;
  std::cerr << "tolvenix: " << ErrorReportText(QString::fromStdString(error)).toStdString() << std::endl;
  return 1;
}

}  // namespace quorvane
