#include "shell/auto_pause.h"

#include <QDBusConnection>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

namespace quorvane {

AutoPause::AutoPause(QWidget& mainWindow, std::function<void()> pause, QObject* parent)
    : QObject(parent), mainWindow_(mainWindow), pause_(std::move(pause)) {
  grace_.setParent(this);  // found by name among the window's children
  grace_.setObjectName(QStringLiteral("AutoPauseGrace"));
  grace_.setSingleShot(true);
  grace_.setInterval(GraceMilliseconds);
  connect(&grace_, &QTimer::timeout, this, [this] { pause_(); });
  active_ = QGuiApplication::applicationState() == Qt::ApplicationActive;
  connect(qApp, &QGuiApplication::applicationStateChanged, this, &AutoPause::ApplicationStateChanged);
  mainWindow_.installEventFilter(this);
}

void AutoPause::OwnHelpActivated() { grace_.stop(); }

void AutoPause::OwnHelpDeactivated() {
  if (!active_ && !grace_.isActive()) grace_.start();
}

void AutoPause::ApplicationStateChanged(Qt::ApplicationState state) {
  active_ = state == Qt::ApplicationActive;
  if (active_) {
    grace_.stop();  // the focus went from one of the game's windows to another
  } else if (!grace_.isActive()) {
    grace_.start();
  }
}

bool AutoPause::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &mainWindow_ && event->type() == QEvent::WindowStateChange &&
      mainWindow_.windowState().testFlag(Qt::WindowMinimized))
    pause_();
  return QObject::eventFilter(watched, event);
}

namespace {

// Forwards a bus signal to a function; lives as long as its owner.
class LockSignal final : public QObject {
  Q_OBJECT
 public:
  LockSignal(std::function<void()> locked, QObject* parent) : QObject(parent), locked_(std::move(locked)) {}

 public slots:
  void ActiveChanged(bool active) {
    if (active) locked_();
  }
  void Lock() { locked_(); }

 private:
  std::function<void()> locked_;
};

// logind's object path for a session id: each byte that is no letter or
// digit, and a digit in front, written as _ and two hex digits.
QString SessionPath(const QByteArray& id) {
  QString path = QStringLiteral("/org/freedesktop/login1/session/");
  for (qsizetype i = 0; i < id.size(); ++i) {
    const char c = id[i];
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (i > 0 && c >= '0' && c <= '9');
    path += plain ? QString(QChar::fromLatin1(c))
                  : QStringLiteral("_%1").arg(static_cast<unsigned char>(c), 2, 16, QChar(u'0'));
  }
  return path;
}

}  // namespace

void WatchScreenLock(QObject& owner, std::function<void()> locked) {
  auto* signal = new LockSignal(std::move(locked), &owner);
  QDBusConnection session = QDBusConnection::sessionBus();
  if (session.isConnected()) {
    for (const auto& [path, interface] : {std::pair{"/org/freedesktop/ScreenSaver", "org.freedesktop.ScreenSaver"},
                                          std::pair{"/org/gnome/ScreenSaver", "org.gnome.ScreenSaver"}})
      session.connect(QString(), QString::fromLatin1(path), QString::fromLatin1(interface),
                      QStringLiteral("ActiveChanged"), signal, SLOT(ActiveChanged(bool)));
  }
  const QByteArray id = qgetenv("XDG_SESSION_ID");
  QDBusConnection system = QDBusConnection::systemBus();
  if (!id.isEmpty() && system.isConnected())
    system.connect(QStringLiteral("org.freedesktop.login1"), SessionPath(id),
                   QStringLiteral("org.freedesktop.login1.Session"), QStringLiteral("Lock"), signal, SLOT(Lock()));
}

}  // namespace quorvane

#include "auto_pause.moc"
