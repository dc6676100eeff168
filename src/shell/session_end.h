#pragma once

#include <QObject>

class QSocketNotifier;

namespace quorvane {

class TForm1;

// Ends the game with the desktop session. SIGTERM (a logout, kill),
// SIGINT (Ctrl+C in a terminal) and SIGHUP (the terminal or session went
// away), the session manager's request to save before logging out and a
// request to quit the application all leave every running event loop,
// modal ones included, so that RunMainWindow can close the main window as
// Exit does.
//
// The signal handlers only write to an eventfd; a socket notifier reads it
// in the event loop, where it is safe to touch Qt. There is one at a time:
// it installs the handlers when made and puts back the earlier ones when
// it goes.
class SessionEnd final : public QObject {
  Q_OBJECT
 public:
  // Throws std::system_error when no eventfd can be had, or std::logic_error
  // when another one exists.
  explicit SessionEnd(QObject* parent = nullptr);
  ~SessionEnd() override;

  SessionEnd(const SessionEnd&) = delete;
  SessionEnd& operator=(const SessionEnd&) = delete;

  // Ends every event loop; the game ends once they have returned.
  void Request();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ReadSignals();

  QSocketNotifier* notifier_ = nullptr;
};

// Runs the application's event loop with the shown main window until the
// window closes or the loop is ended with the window still open, as at the
// end of the session, and gives the program's exit status. In the second
// case the window is closed as Exit does it, except that a failed save
// cannot keep it open, since nobody may be left to answer: the failure is
// written to standard error and the status is 1.
int RunMainWindow(TForm1& form);

}  // namespace quorvane
