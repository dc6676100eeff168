#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QTest>

#include "shell/auto_pause.h"
#include "support/scoped_env.h"

// Runs on a private bus that is both the session bus and the system bus
// (tests/support/with_private_bus.sh): the test speaks for the screen saver
// and for logind itself.

namespace quorvane::testing {
namespace {

// Hears the numbered signal the test sends after the one it checks:
// signals from one sender arrive in the order sent, so once the marker is
// heard, the one before it has been heard too, or never will be.
class Marker final : public QObject {
  Q_OBJECT
 public slots:
  void Heard(int number) { last = number; }

 public:
  int last = 0;
};

// Connections of the test's own: one owns logind's name, one does not.
QDBusConnection Sending(bool asLogind) {
  return QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                       asLogind ? QStringLiteral("logind") : QStringLiteral("stranger"));
}

QDBusMessage Signal(const QString& path, const QString& interface, const QString& member,
                    const QVariantList& arguments = {}) {
  QDBusMessage signal = QDBusMessage::createSignal(path, interface, member);
  signal.setArguments(arguments);
  return signal;
}

QDBusMessage Saver(const QString& path, const QString& interface, bool on) {
  return Signal(path, interface, QStringLiteral("ActiveChanged"), {on});
}

QDBusMessage Logind(const QString& session, const QString& member = QStringLiteral("Lock")) {
  return Signal("/org/freedesktop/login1/session/" + session, QStringLiteral("org.freedesktop.login1.Session"), member);
}

// The desktop's reports reach the function only when they say the screen
// has locked, and logind's only for this session.
TEST(WatchScreenLock, CallsOnEachLockAndNothingElse) {
  ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "run under with_private_bus.sh";
  ASSERT_TRUE(QDBusConnection::systemBus().isConnected());
  ASSERT_TRUE(Sending(true).registerService(QStringLiteral("org.freedesktop.login1")));
  ASSERT_TRUE(Sending(false).isConnected());

  const QString fdoPath = QStringLiteral("/org/freedesktop/ScreenSaver"),
                fdo = QStringLiteral("org.freedesktop.ScreenSaver");
  const QString gnomePath = QStringLiteral("/org/gnome/ScreenSaver"), gnome = QStringLiteral("org.gnome.ScreenSaver");
  const struct {
    const char* name;
    QByteArray sessionId;
    QDBusMessage signal;
    bool locks;
    bool fromLogind = true;
  } rows[] = {
      {"freedesktop screen saver on", "c2", Saver(fdoPath, fdo, true), true},
      {"GNOME screen saver on", "c2", Saver(gnomePath, gnome, true), true},
      {"freedesktop screen saver off", "c2", Saver(fdoPath, fdo, false), false},
      {"another interface", "c2", Saver(fdoPath, "org.example.ScreenSaver", true), false},
      {"another path", "c2", Saver("/org/example/ScreenSaver", fdo, true), false},
      {"this session locked", "c2", Logind("c2"), true},
      {"this session, its id a number", "3", Logind("_33"), true},
      {"this session, its id escaped", "12_x", Logind("_312_5fx"), true},
      {"another session locked", "c2", Logind("c3"), false},
      {"this session unlocked", "c2", Logind("c2", "Unlock"), false},
      {"a lock from another than logind", "c2", Logind("c2"), false, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ScopedEnv id("XDG_SESSION_ID", row.sessionId);
    QObject owner;
    int locks = 0;
    WatchScreenLock(owner, [&] { ++locks; });
    // The marker is heard on the connection the game hears this signal on.
    const bool system = row.signal.interface().startsWith(QStringLiteral("org.freedesktop.login1"));
    QDBusConnection listening = system ? QDBusConnection::systemBus() : QDBusConnection::sessionBus();
    QDBusConnection sending = Sending(row.fromLogind);
    Marker marker;
    const QString markerPath = QStringLiteral("/marker"), markerInterface = QStringLiteral("org.example.Marker");
    ASSERT_TRUE(
        listening.connect(QString(), markerPath, markerInterface, QStringLiteral("Mark"), &marker, SLOT(Heard(int))));
    // The bus takes a listener's wishes in the order it made them: once the
    // marker is heard, the game's are in place too.
    int sent = 0;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
          sending.send(Signal(markerPath, markerInterface, QStringLiteral("Mark"), {++sent}));
          return QTest::qWaitFor([&] { return marker.last > 0; }, 100);
        },
        10000));

    ASSERT_TRUE(sending.send(row.signal));
    ASSERT_TRUE(sending.send(Signal(markerPath, markerInterface, QStringLiteral("Mark"), {++sent})));
    ASSERT_TRUE(QTest::qWaitFor([&] { return marker.last == sent; }, 10000));
    EXPECT_EQ(locks, row.locks ? 1 : 0);
  }
}

}  // namespace
}  // namespace quorvane::testing

#include "auto_pause_test.moc"
