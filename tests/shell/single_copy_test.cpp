#include "shell/single_copy.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "support/window_test_support.h"
#include "widgets/link_labels.h"

namespace quorvane::testing {
namespace {

const QString kId = QStringLiteral("com.example.SingleCopyTest");

// Claims in a home of its own with no session bus, the runtime folder made
// with `mode` (none when negative), the settings in home/config.
struct PrivateHome {
  explicit PrivateHome(int mode) {
    config = home.filePath("config");
    runtime = home.filePath("run");
    if (mode >= 0) {
      QDir().mkdir(runtime);
      ::chmod(QFile::encodeName(runtime).constData(), static_cast<mode_t>(mode));
    }
    qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
    qputenv("XDG_CONFIG_HOME", config.toUtf8());
    qputenv("DBUS_SESSION_BUS_ADDRESS", NoSessionBusAddress);
  }
  ~PrivateHome() {
    for (const char* name : {"XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "DBUS_SESSION_BUS_ADDRESS"})
      saved[name].isNull() ? qunsetenv(name) : qputenv(name, saved[name]);
  }
  std::unique_ptr<SingleCopy> Claim() {
    bool answered = true;
    auto copy = SingleCopy::Claim(kId, answered);
    EXPECT_FALSE(answered);
    return copy;
  }
  std::map<std::string, QByteArray> saved{{"XDG_RUNTIME_DIR", qgetenv("XDG_RUNTIME_DIR")},
                                          {"XDG_CONFIG_HOME", qgetenv("XDG_CONFIG_HOME")},
                                          {"DBUS_SESSION_BUS_ADDRESS", qgetenv("DBUS_SESSION_BUS_ADDRESS")}};
  QTemporaryDir home;
  QString config, runtime;
};

// The lock and socket go to the runtime folder only when no one else may
// write there; otherwise beside the settings, made if need be.
TEST(SingleCopy, TheRuntimeFolderServesOnlyWhenOthersCannotWriteThere) {
  const struct {
    int mode;
    bool runtime;
  } cases[] = {{0700, true}, {0755, true}, {0770, false}, {0777, false}, {01777, false}, {-1, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode);
    PrivateHome home(c.mode);
    const auto copy = home.Claim();
    ASSERT_TRUE(copy);
    const QString folder = c.runtime ? home.runtime : home.config;
    EXPECT_TRUE(QFile::exists(folder + "/" + kId + ".lock"));
    EXPECT_TRUE(QFileInfo::exists(folder + "/" + kId)) << "the socket";
    if (c.mode >= 0 && !c.runtime) {
      EXPECT_TRUE(QDir(home.runtime).isEmpty()) << "nothing in the open folder";
    }
  }
}

// A planted link is not followed: the game runs unguarded rather than make
// the file the link names.
TEST(SingleCopy, ALinkInPlaceOfTheLockIsNotFollowed) {
  PrivateHome home(0700);
  const QString target = home.home.filePath("planted");
  ASSERT_TRUE(QFile::link(target, home.runtime + "/" + kId + ".lock"));
  EXPECT_TRUE(home.Claim());
  EXPECT_FALSE(QFile::exists(target));
}

// The socket answers a request, and drops connections that send nothing
// instead of letting them pile up.
TEST(SingleCopy, TheSocketAnswersAndDropsIdleConnections) {
  PrivateHome home(0700);
  const auto copy = home.Claim();
  ASSERT_TRUE(copy);
  const QString path = home.runtime + "/" + kId;
  std::vector<std::unique_ptr<QLocalSocket>> idle;
  for (int i = 0; i < 40; ++i) {
    idle.push_back(std::make_unique<QLocalSocket>());
    idle.back()->connectToServer(path);
    ASSERT_EQ(idle.back()->state(), QLocalSocket::ConnectedState);
  }
  EXPECT_TRUE(QTest::qWaitFor(
      [&] {
        return std::all_of(idle.begin(), idle.end(),
                           [](const auto& socket) { return socket->state() == QLocalSocket::UnconnectedState; });
      },
      20000))
      << "idle connections are dropped";
  QLocalSocket asking;
  asking.connectToServer(path);
  asking.write("activate\n");
  ASSERT_TRUE(QTest::qWaitFor([&] { return asking.canReadLine(); }, 20000));
  EXPECT_EQ(asking.readLine(), "shown\n");
}

TEST(SingleCopy, ASilentCopyIsReportedInABoxAndAFailingStatus) {
  ModalAnswers answers;
  answers.Then(ModalAnswers::Press(QMessageBox::Ok));
  EXPECT_EQ(SingleCopy::ReportSilentCopy(), 1);
  EXPECT_EQ(answers.Seen(),
            std::vector<QString>{"Quorvane Sinuvar | Quorvane Sinuvar is running already but does not answer."});
}

}  // namespace
}  // namespace quorvane::testing
