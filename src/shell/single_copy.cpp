#include "shell/single_copy.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <QVariantMap>
#include <QWidget>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>

#include "product/product.h"
#include "settings/settings_paths.h"
#include "widgets/link_labels.h"
#include "widgets/plain_text.h"

namespace quorvane {

namespace {

// Served at once on the local socket; more are hung up on at once, and the
// one asking to be shown asks again.
constexpr int kMaxServed = 16;
// A connection that has not made its request by then is dropped.
constexpr int kIdleMilliseconds = 1000;
// After accept() failed for want of descriptors or memory, it is tried
// again this much later.
constexpr int kAcceptRetryMilliseconds = 100;
constexpr char kAnswer[] = "shown";
// However late a start comes to ask, the first copy gets this long to answer.
constexpr int kLeastAnswerMilliseconds = 500;

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

// A file of the given type that belongs to the player.
bool Own(const QByteArray& path, mode_t type, struct stat& status) {
  return path.startsWith('/') && ::stat(path.constData(), &status) == 0 && (status.st_mode & S_IFMT) == type &&
         status.st_uid == ::getuid();
}

// The runtime folder only when it is the player's own and no one else may
// write in it, as the desktop's own libraries ask: in another's, a stranger
// could hold the lock, answer for the game or plant links.
QByteArray GuardedRuntimeFolder() {
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  struct stat status {};
  return Own(runtime, S_IFDIR, status) && (status.st_mode & (S_IWGRP | S_IWOTH)) == 0 ? runtime : QByteArray();
}

// Only a bus that the session names, in its address or as the runtime
// folder's "bus"; never the address set by KeepFromStartingABus.
bool SessionBusNamed() {
  const QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
  if (!address.isEmpty()) return address != NoSessionBusAddress;
  const QByteArray runtime = GuardedRuntimeFolder();
  struct stat status {};
  return !runtime.isEmpty() && Own(runtime + "/bus", S_IFSOCK, status);
}

// The folder of the lock and the socket: the runtime folder when only the
// player may write there, otherwise the settings file's own folder, which
// has to be kept from others anyway. Empty when neither can be had.
QByteArray GuardFolder() {
  if (QByteArray runtime = GuardedRuntimeFolder(); !runtime.isEmpty()) return runtime;
  const std::filesystem::path folder = SettingsFilePath().parent_path();
  std::error_code error;
  std::filesystem::create_directories(folder, error);  // a first start, before any settings were saved
  return error ? QByteArray() : QByteArray::fromStdString(folder.string());
}

// How long ago this process started, by the kernel's record of it; 0 when
// that cannot be read.
qint64 MillisecondsSinceStart() {
  std::ifstream stat("/proc/self/stat");
  std::string line;
  std::getline(stat, line);
  // The start time is the 20th field after the command's name, which may
  // itself hold blanks and parentheses.
  std::istringstream fields(line.substr(line.rfind(')') + 1));
  std::string field;
  unsigned long long startTicks = 0;
  for (int i = 0; i < 20 && fields >> field; ++i) {
    if (i == 19) startTicks = std::strtoull(field.c_str(), nullptr, 10);
  }
  timespec now{};
  const long ticksPerSecond = ::sysconf(_SC_CLK_TCK);
  if (startTicks == 0 || ticksPerSecond <= 0 || ::clock_gettime(CLOCK_BOOTTIME, &now) != 0) return 0;
  const qint64 sinceBoot = qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
  return std::max<qint64>(sinceBoot - qint64(startTicks * 1000 / ticksPerSecond), 0);
}

int Remaining(const QDeadlineTimer& deadline) {
  return static_cast<int>(std::max<qint64>(deadline.remainingTime(), 0));
}

// Asks the copy that holds the lock to show itself, over the socket beside
// it, until the deadline. That copy may still be starting and not listen
// yet, or be too busy to take us: then we ask again.
bool AskOverSocket(const QString& path, const QDeadlineTimer& deadline) {
  const QByteArray request = "activate " + OwnActivationToken().toUtf8() + '\n';
  while (!deadline.hasExpired()) {
    QLocalSocket socket;
    socket.connectToServer(path);
    if (socket.waitForConnected(Remaining(deadline))) {
      socket.write(request);
      while (!socket.canReadLine() && socket.waitForReadyRead(Remaining(deadline))) {
      }
      if (socket.canReadLine() && socket.readLine().trimmed() == kAnswer) return true;
    }
    QThread::msleep(std::min(50, Remaining(deadline)));
  }
  return false;
}

}  // namespace

void KeepFromStartingABus() {
  if (!SessionBusNamed()) ::setenv("DBUS_SESSION_BUS_ADDRESS", NoSessionBusAddress, 1);
}

SingleCopy::~SingleCopy() {
  // Removed while the lock is still ours: no later copy has made its own yet.
  if (listenFd_ >= 0) {
    ::unlink(socketPath_.constData());
    ::close(listenFd_);
  }
  if (spareFd_ >= 0) ::close(spareFd_);
  if (lockFd_ >= 0) ::close(lockFd_);  // releases the lock
}

std::unique_ptr<SingleCopy> SingleCopy::Claim(const QString& appId, bool& answered) {
  answered = false;
  std::unique_ptr<SingleCopy> copy(new SingleCopy);
  // One wait for both ways, counted from the start of the process, so that
  // a slow start-up does not add to it: a silent copy is reported, never
  // waited out.
  const QDeadlineTimer deadline(
      std::max<qint64>(AnswerMilliseconds - MillisecondsSinceStart(), kLeastAnswerMilliseconds));
  if (copy->ClaimOnBus(appId, deadline)) return copy;
  // The lock only where the bus has no say: a copy found there is the one.
  if (copy->other_ == Other::None && copy->ClaimByLock(appId, deadline)) return copy;
  answered = copy->other_ == Other::Answered;
  if (copy->other_ == Other::None) return copy;  // neither way works here: unguarded
  return nullptr;
}

int SingleCopy::ReportSilentCopy() {
  const QString text = tr("%1 is running already but does not answer.").arg(QString::fromLatin1(ProductName));
  std::fputs(qPrintable(text + u'\n'), stderr);
  TMessageBox box(QMessageBox::Warning, QString::fromLatin1(ProductName), text, QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
  // Not a success: a launcher learns that no game came up.
  return 1;
}

bool SingleCopy::ClaimOnBus(const QString& appId, const QDeadlineTimer& deadline) {
  if (!SessionBusNamed()) return false;
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected() || bus.interface() == nullptr) return false;
  const QString path = ObjectPath(appId);
  auto* interface = new ApplicationInterface(this);
  if (!bus.registerObject(path, interface, QDBusConnection::ExportAllSlots)) {
    delete interface;
    return false;
  }
  for (;;) {
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
    const QDBusMessage answer = bus.call(call, QDBus::Block, std::max(Remaining(deadline), 1));
    if (answer.type() == QDBusMessage::ReplyMessage) {
      other_ = Other::Answered;
      break;
    }
    // A copy that ended between our claim and our call leaves the name free.
    const QString error = answer.errorName();
    if ((error == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
         error == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner")) &&
        !deadline.hasExpired())
      continue;
    // Held by one that does not answer: still no second game.
    other_ = Other::Silent;
    break;
  }
  bus.unregisterObject(path);
  delete interface;
  return false;
}

bool SingleCopy::ClaimByLock(const QString& appId, const QDeadlineTimer& deadline) {
  const QByteArray folder = GuardFolder();
  if (folder.isEmpty()) return false;
  const QByteArray base = folder + '/' + QFile::encodeName(appId);
  // Not through a planted link, and never handed to a child process.
  const int fd = ::open((base + ".lock").constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  struct stat status {};
  // The kernel drops the lock when its holder ends, however it ends.
  if (fd >= 0 && ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == ::getuid() &&
      ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
    lockFd_ = fd;
    Listen(base);
    return true;
  }
  if (fd >= 0) ::close(fd);
  // A lock that cannot be taken (a link or a folder in its place, say)
  // counts as held: two games must never run side by side.
  other_ = AskOverSocket(QFile::decodeName(base), deadline) ? Other::Answered : Other::Silent;
  return false;
}

// Our own listening socket rather than QLocalServer's, which closes for
// good, socket file and all, the first time accept() fails.
void SingleCopy::Listen(const QByteArray& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= static_cast<qsizetype>(sizeof address.sun_path)) return;  // held, if deaf
  std::copy(path.begin(), path.end(), address.sun_path);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) return;
  ::fchmod(fd, 0600);  // the mode the socket file is made with
  // What is there was left by a copy that was killed, or is in the way of
  // the socket every later start looks for: the lock is ours now, and so is
  // the place.
  if (::unlink(path.constData()) != 0 && (errno == EISDIR || errno == EPERM)) {
    std::error_code error;
    std::filesystem::remove_all(path.toStdString(), error);
  }
  if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 || ::listen(fd, SOMAXCONN) != 0) {
    ::close(fd);
    return;
  }
  listenFd_ = fd;
  socketPath_ = path;
  spareFd_ = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
  notifier_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &SingleCopy::TakeConnections);
}

void SingleCopy::TakeConnections() {
  for (;;) {
    const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) {
      const int failure = errno;
      if (failure == EINTR || failure == ECONNABORTED) continue;
      if (failure == EAGAIN || failure == EWOULDBLOCK) return;  // the queue is empty
      if ((failure == EMFILE || failure == ENFILE) && spareFd_ >= 0) {
        // Out of descriptors: the spare one, given up for a moment, takes a
        // connection off the queue to hang up on, so that the queue drains
        // and the start asking again gets through once one is free.
        ::close(spareFd_);
        const int taken = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (taken >= 0) ::close(taken);
        spareFd_ = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
        if (taken >= 0) continue;
      }
      // The connection stays queued: look again shortly, never spin, and
      // keep the socket whatever failed.
      notifier_->setEnabled(false);
      QTimer::singleShot(kAcceptRetryMilliseconds, notifier_, [notifier = notifier_] { notifier->setEnabled(true); });
      return;
    }
    // Only the player's own starts, and no more than we serve at once.
    ucred peer{};
    socklen_t size = sizeof peer;
    if (served_ >= kMaxServed || ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 ||
        peer.uid != ::getuid()) {
      ::close(fd);
      continue;
    }
    Serve(fd);
  }
}

void SingleCopy::Serve(int fd) {
  auto* socket = new QLocalSocket(this);
  if (!socket->setSocketDescriptor(fd)) {
    ::close(fd);
    delete socket;
    return;
  }
  ++served_;
  connect(socket, &QObject::destroyed, this, [this] { --served_; });
  connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
  QTimer::singleShot(kIdleMilliseconds, socket, [socket] {
    socket->abort();
    socket->deleteLater();
  });
  connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
    if (!socket->canReadLine()) {
      if (socket->bytesAvailable() > 4096) socket->abort();  // no request of ours
      return;
    }
    const QString line = QString::fromUtf8(socket->readLine()).trimmed();
    if (line == QStringLiteral("activate") || line.startsWith(QStringLiteral("activate "))) {
      Raise(line.mid(9).trimmed());
      socket->write(kAnswer);
      socket->write("\n");
    }
    socket->disconnectFromServer();  // after what was written
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
