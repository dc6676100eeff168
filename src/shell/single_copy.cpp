#include "shell/single_copy.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QVariantMap>
#include <QWidget>
#include <cstdio>

#include "product/product.h"

namespace quorvane {

namespace {

// The freedesktop.org application interface, of which the game answers
// Activate: what a desktop, or a second start, calls to bring it forward.
class ApplicationInterface final : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
 public:
  explicit ApplicationInterface(SingleCopy* owner) : QObject(owner), owner_(owner) {}

 public Q_SLOTS:
  void Activate(const QVariantMap& platformData) {
    owner_->Raise(platformData.value(QStringLiteral("activation-token")).toString());
  }

 private:
  SingleCopy* owner_;
};

// The object path the interface names for an application id.
QString ObjectPath(const QString& appId) {
  return QLatin1Char('/') + QString(appId).replace(QLatin1Char('.'), QLatin1Char('/'));
}

// The token a launcher gave this start, handed on so that the desktop lets
// the first copy take the focus.
QString OwnActivationToken() {
  const QString token = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
  return token.isEmpty() ? qEnvironmentVariable("DESKTOP_STARTUP_ID") : token;
}

// Only a bus that the session names: asked for a session bus without one,
// D-Bus would start a bus of its own for the X display and leave it running.
bool SessionBusNamed() {
  if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) return true;
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  struct stat status {};
  return !runtime.isEmpty() && ::stat((runtime + "/bus").constData(), &status) == 0 && S_ISSOCK(status.st_mode);
}

constexpr int kRequestMilliseconds = 5000;
void SayNoAnswer() {
  std::fputs(ProductName, stderr);
  std::fputs(" is running already but did not answer.\n", stderr);
}

}  // namespace

SingleCopy::~SingleCopy() {
  if (lockFd_ >= 0) ::close(lockFd_);  // releases the lock
}

std::unique_ptr<SingleCopy> SingleCopy::Claim(const QString& appId) {
  std::unique_ptr<SingleCopy> copy(new SingleCopy);
  bool raisedOther = false;
  if (copy->ClaimOnBus(appId, raisedOther) || copy->ClaimByLock(appId, raisedOther)) return copy;
  if (raisedOther) return nullptr;
  return copy;  // neither way works here: unguarded
}

bool SingleCopy::ClaimOnBus(const QString& appId, bool& raisedOther) {
  if (raisedOther || !SessionBusNamed()) return false;
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected() || bus.interface() == nullptr) return false;
  const QString path = ObjectPath(appId);
  auto* interface = new ApplicationInterface(this);
  if (!bus.registerObject(path, interface, QDBusConnection::ExportAllSlots)) {
    delete interface;
    return false;
  }
  // Twice at most: a copy that ends between our claim and our call leaves
  // the name free again.
  for (int attempt = 0; attempt < 2; ++attempt) {
    const auto reply = bus.interface()->registerService(appId, QDBusConnectionInterface::DontQueueService,
                                                        QDBusConnectionInterface::DontAllowReplacement);
    if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered) return true;
    if (!reply.isValid()) break;
    QDBusMessage call = QDBusMessage::createMethodCall(appId, path, QStringLiteral("org.freedesktop.Application"),
                                                       QStringLiteral("Activate"));
    QVariantMap platformData;
    if (const QString token = OwnActivationToken(); !token.isEmpty())
      platformData.insert(QStringLiteral("activation-token"), token);
    call << platformData;
    if (bus.call(call, QDBus::Block, kRequestMilliseconds).type() == QDBusMessage::ReplyMessage) {
      raisedOther = true;
      break;
    }
    // Held twice over, by a copy that does not answer: still no second game.
    if (attempt == 1) {
      SayNoAnswer();
      raisedOther = true;
    }
  }
  bus.unregisterObject(path);
  delete interface;
  return false;
}

bool SingleCopy::ClaimByLock(const QString& appId, bool& raisedOther) {
  if (raisedOther) return false;
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!QDir::isAbsolutePath(runtime)) return false;
  const QString base = QDir(runtime).filePath(appId);
  const int fd =
      ::open(QFile::encodeName(base + QStringLiteral(".lock")).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  // The kernel drops the lock when its holder ends, however it ends.
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
    lockFd_ = fd;
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(base);  // left by a copy that was killed
    if (server_->listen(base)) ServeLocalRequests();
    return true;
  }
  ::close(fd);
  // The holder may be starting and not listen yet.
  const QByteArray request = "activate " + OwnActivationToken().toUtf8() + '\n';
  const QDeadlineTimer deadline(kRequestMilliseconds);
  while (!deadline.hasExpired()) {
    QLocalSocket socket;
    socket.connectToServer(base);
    if (socket.waitForConnected(1000)) {
      socket.write(request);
      socket.waitForBytesWritten(1000);
      // The holder hangs up once it has taken the request.
      if (socket.state() == QLocalSocket::ConnectedState) socket.waitForDisconnected(kRequestMilliseconds);
      raisedOther = true;
      return false;
    }
    QThread::msleep(50);
  }
  // A copy holds the lock, if a deaf one: still no second game.
  SayNoAnswer();
  raisedOther = true;
  return false;
}

void SingleCopy::ServeLocalRequests() {
  connect(server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        if (!socket->canReadLine()) {
          if (socket->bytesAvailable() > 4096) socket->disconnectFromServer();  // no request of ours
          return;
        }
        const QString line = QString::fromUtf8(socket->readLine()).trimmed();
        if (line == QStringLiteral("activate") || line.startsWith(QStringLiteral("activate ")))
          Raise(line.mid(9).trimmed());
        socket->disconnectFromServer();
      });
    }
  });
}

void SingleCopy::SetWindow(QWidget* window) {
  window_ = window;
  if (pending_) Raise(pendingToken_);
}

void SingleCopy::Raise(const QString& token) {
  if (!window_) {
    pending_ = true;
    pendingToken_ = token;
    return;
  }
  pending_ = false;
  // Qt's Wayland platform activates with the token it finds here.
  if (!token.isEmpty()) qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
  window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
  window_->show();
  window_->raise();
  window_->activateWindow();
  // A dialog open over the game comes forward with it.
  if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr && modal != window_) {
    modal->raise();
    modal->activateWindow();
  }
}

}  // namespace quorvane

#include "single_copy.moc"
