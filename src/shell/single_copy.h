#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

class QLocalServer;
class QWidget;

namespace quorvane {

// One copy of the game per user: two copies would each write their own best
// score back to the one settings file, and the one closed last would win.
//
// On a desktop the first copy owns the application's name on the session
// bus, as desktop applications do, and a later start calls the standard
// Activate method there. Without a session bus a lock file in
// $XDG_RUNTIME_DIR marks the first copy, which listens on a local socket
// beside it for the same request. Without either the game runs unguarded.
class SingleCopy final : public QObject {
  Q_OBJECT
 public:
  ~SingleCopy() override;

  // Claims the game for this process under `appId`. Gives null when another
  // copy holds it and has been asked to show itself: this one should end.
  // Needs the application object.
  static std::unique_ptr<SingleCopy> Claim(const QString& appId);

  // The window to bring to the front on a request; a request that came
  // before it raises it now.
  void SetWindow(QWidget* window);

  // Brings the window, and the dialog over it, to the front. `token` is the
  // activation token the starting copy was given, if any.
  void Raise(const QString& token);

 private:
  SingleCopy() = default;
  bool ClaimOnBus(const QString& appId, bool& raisedOther);
  bool ClaimByLock(const QString& appId, bool& raisedOther);
  void ServeLocalRequests();

  QPointer<QWidget> window_;
  bool pending_ = false;
  QString pendingToken_;
  int lockFd_ = -1;
  QLocalServer* server_ = nullptr;
};

}  // namespace quorvane
