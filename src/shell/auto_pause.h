#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

class QWidget;

namespace quorvane {

// Pauses a running game when the player is gone: the main window
// minimised, another program given the focus, the screen locked, the pad
// in use pulled out. The game stays paused until the player resumes it.
//
// The game's own windows can take the focus too (its help viewer, which may
// be a program of its own); the desktop reports that as the application
// going inactive, so a deactivation pauses only after a short grace, which
// the return of the focus or the help viewer's notice cancels. The viewer
// also tells when it loses the focus: unless the game has it back, the
// grace starts again, as the player may have gone on to another program.
class AutoPause final : public QObject {
  Q_OBJECT
 public:
  // pause pauses the game when one runs unpaused, and does nothing otherwise.
  AutoPause(QWidget& mainWindow, std::function<void()> pause, QObject* parent = nullptr);

  static constexpr int GraceMilliseconds = 400;

  // The game's own help viewer has just taken the focus.
  void OwnHelpActivated();
  // The game's own help viewer has just lost the focus, to one of the
  // game's windows or to another program.
  void OwnHelpDeactivated();
  // The player cannot be playing: the screen locked, the pad pulled out.
  void PlayerGone() { pause_(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ApplicationStateChanged(Qt::ApplicationState state);

  QWidget& mainWindow_;
  std::function<void()> pause_;
  QTimer grace_;
  // One of the game's own windows has the focus. The viewer's notice and
  // the game's own activation may come in either order.
  bool active_ = false;
};

// Calls locked whenever the desktop reports the screen locked: the session
// bus's screen savers (freedesktop, GNOME) and logind's Lock of this
// session on the system bus. Where neither bus is there, nothing is watched.
void WatchScreenLock(QObject& owner, std::function<void()> locked);

}  // namespace quorvane
