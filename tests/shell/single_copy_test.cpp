#include "shell/single_copy.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <algorithm>

#include "support/scoped_env.h"
#include "support/window_test_support.h"
#include "widgets/link_labels.h"

namespace quorvane::testing {
namespace {

// Connections that send nothing are dropped rather than pile up until the
// game runs out of descriptors, and the socket still answers a request.
TEST(SingleCopy, TheSocketDropsIdleConnectionsAndAnswers) {
  QTemporaryDir home;
  ASSERT_TRUE(QDir(home.path()).mkdir("run"));
  const ScopedEnv runtime("XDG_RUNTIME_DIR", home.filePath("run").toUtf8()),
      bus("DBUS_SESSION_BUS_ADDRESS", NoSessionBusAddress);
  bool answered = true;
  const auto copy = SingleCopy::Claim(QStringLiteral("com.example.SingleCopyTest"), answered);
  ASSERT_TRUE(copy && !answered);
  const QString path = home.filePath("run/com.example.SingleCopyTest");
  QLocalSocket idle[40];
  for (QLocalSocket& socket : idle) {
    socket.connectToServer(path);
    ASSERT_EQ(socket.state(), QLocalSocket::ConnectedState);
  }
  const auto dropped = [](const QLocalSocket& socket) { return socket.state() == QLocalSocket::UnconnectedState; };
  EXPECT_TRUE(QTest::qWaitFor([&] { return std::all_of(std::begin(idle), std::end(idle), dropped); }, 20000));
  QLocalSocket asking;
  asking.connectToServer(path);
  asking.write("activate\n");
  ASSERT_TRUE(QTest::qWaitFor([&] { return asking.canReadLine(); }, 20000));
  EXPECT_EQ(asking.readLine(), "shown\n");
}

}  // namespace
}  // namespace quorvane::testing
