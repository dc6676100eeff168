#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

class QDeadlineTimer;
class QSocketNotifier;
class QWidget;

namespace quorvane {

// Without a session bus, no library the game loads may start one of its own
// (libdbus would run "dbus-launch --autolaunch" for the X display and leave
// a bus running for the player): the session bus address is set to one that
// fails at once. Run first thing, before any thread starts; a named bus is
// left as it is.
void KeepFromStartingABus();

// One copy of the game per user: two copies would each write their own best
// score back to the one settings file, and the one closed last would win.
//
// On a desktop the first copy owns the application's name on the session
// bus, as desktop applications do, and a later start calls the standard
// Activate method there. Without a session bus a lock file marks the first
// copy, which listens on a local socket beside it for the same request: in
// $XDG_RUNTIME_DIR when that is the player's own and no one else may write
// there, otherwise beside the settings file. Without either the game runs
// unguarded.
class SingleCopy final : public QObject {
  Q_OBJECT
 public:
  ~SingleCopy() override;

  // How long a second start waits for the first copy to answer, counted
  // from the start of its process.
  static constexpr int AnswerMilliseconds = 2000;

  // Claims the game for this process under `appId`. Gives null when another
  // copy holds it: this one should end. `answered` then says whether that
  // copy took the request to show itself. A lock that cannot be taken counts
  // as held. Needs the application object.
  static std::unique_ptr<SingleCopy> Claim(const QString& appId, bool& answered);

  // Tells the player, on standard error and in a message box, that a copy
  // holds the game but does not answer. Gives the program's exit status.
  static int ReportSilentCopy();

  // The window to bring to the front on a request; a request that came
  // before it raises it now.
  void SetWindow(QWidget* window);

  // Brings the window, and the dialog over it, to the front. `token` is the
  // activation token the starting copy was given, if any.
  void Raise(const QString& token);

 private:
  enum class Other { None, Answered, Silent };

  SingleCopy() = default;
  bool ClaimOnBus(const QString& appId, const QDeadlineTimer& deadline);
  bool ClaimByLock(const QString& appId, const QDeadlineTimer& deadline);
  void Listen(const QByteArray& path);
  void TakeConnections();
  void Serve(int fd);

  Other other_ = Other::None;
  QPointer<QWidget> window_;
  bool pending_ = false;
  QString pendingToken_;
  int lockFd_ = -1;
  int listenFd_ = -1;
  int spareFd_ = -1;  // held for when accept() runs out of descriptors
  QByteArray socketPath_;
  QSocketNotifier* notifier_ = nullptr;
  int served_ = 0;
};

}  // namespace quorvane
