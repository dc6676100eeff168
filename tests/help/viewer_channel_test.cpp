#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <optional>

#include "help/viewer_channel.h"
#include "support/scoped_env.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quorvane::testing {
namespace {

const QString kBinDir = QStringLiteral(QUORVANE_BIN_DIR);
const QString kViewer = kBinDir + "/tolvenix-help";

TEST(ViewerChannel, ReadsTheGamesCommands) {
  const struct {
    const char* line;
    std::optional<HelpCommand> command;
  } rows[] = {
      {"contents", HelpCommand{HelpCommand::Contents}},
      {"context 1010", HelpCommand{HelpCommand::Context, 1010}},
      {"context 0", HelpCommand{HelpCommand::Context, 0}},
      {"quit", HelpCommand{HelpCommand::Quit}},
      {"", std::nullopt},
      {"Quit", std::nullopt},
      {"contents ", std::nullopt},
      {"context", std::nullopt},
      {"context ", std::nullopt},
      {"context 12x", std::nullopt},
      {"context 99999999999", std::nullopt},
      {"context  12", std::nullopt},
  };
  for (const auto& row : rows) EXPECT_EQ(ParseHelpCommand(row.line), row.command) << '"' << row.line << '"';
}

// The real viewer, told what to show; it answers "active" as its window
// takes the focus.
class ViewerTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(cache_.isValid()); }
  bool HeardActive(QProcess& viewer) {
    return QTest::qWaitFor(
        [&] {
          viewer.waitForReadyRead(50);
          heard_ += viewer.readAllStandardOutput();
          return heard_.contains("active\n");
        },
        20000);
  }

  QTemporaryDir cache_;
  const ScopedEnv cacheHome_{"XDG_CACHE_HOME", cache_.path().toUtf8()};
  QByteArray heard_;
};

// The game gone or done: the viewer ends at once, whatever it showed.
TEST_F(ViewerTest, EndsAtTheEndOfItsInputAndWhenToldToQuit) {
  const struct {
    const char* how;
    std::function<void(QProcess&)> end;
  } rows[] = {
      {"end of input", [](QProcess& viewer) { viewer.closeWriteChannel(); }},
      {"quit", [](QProcess& viewer) { viewer.write("quit\n"); }},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.how);
    heard_.clear();
    QProcess viewer;
    viewer.start(kViewer, {kBinDir});
    ASSERT_TRUE(viewer.waitForStarted(10000));
    // A line far too long is no command, and does not stop the next.
    viewer.write(QByteArray(100000, 'x') + "\ncontents\n");
    EXPECT_TRUE(HeardActive(viewer));
    row.end(viewer);
    EXPECT_TRUE(viewer.waitForFinished(10000));
    EXPECT_EQ(viewer.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(viewer.exitCode(), 0);
  }
}

// kill -9 of the game, whose end of the viewer's input someone else still
// holds: the viewer ends all the same. This test takes the orphaned viewer
// in, to see it end.
TEST_F(ViewerTest, EndsWhenItsGameIsKilled) {
  ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
  int input[2], output[2], said[2];
  ASSERT_EQ(pipe2(input, O_CLOEXEC), 0);
  ASSERT_EQ(pipe2(output, O_CLOEXEC), 0);
  ASSERT_EQ(pipe2(said, O_CLOEXEC), 0);
  const QByteArray viewer = QFile::encodeName(kViewer), folder = QFile::encodeName(kBinDir);
  const pid_t game = fork();
  if (game == 0) {
    // A stand-in for the game: it starts the viewer, tells its number, waits.
    dup2(input[0], 3);
    dup2(output[1], 4);
    dup2(said[1], 1);
    execl("/bin/sh", "sh", "-c", "\"$0\" \"$1\" <&3 >&4 & echo $!; exec sleep 600", viewer.constData(),
          folder.constData(), static_cast<char*>(nullptr));
    _exit(127);
  }
  ASSERT_GT(game, 0);
  close(input[0]);
  close(output[1]);
  close(said[1]);
  char number[32] = {};
  ASSERT_GT(read(said[0], number, sizeof number - 1), 0);
  const pid_t shown = static_cast<pid_t>(std::atol(number));
  ASSERT_GT(shown, 0);
  // Once it shows a topic, it has long set itself up to end with its game.
  ASSERT_EQ(write(input[1], "contents\n", 9), 9);
  pollfd answer{output[0], POLLIN, 0};
  EXPECT_EQ(poll(&answer, 1, 20000), 1) << "the viewer never showed its window";

  ASSERT_EQ(kill(game, SIGKILL), 0);
  ASSERT_EQ(waitpid(game, nullptr, 0), game);
  const bool ended = QTest::qWaitFor([&] { return waitpid(shown, nullptr, WNOHANG) == shown; }, 10000);
  EXPECT_TRUE(ended) << "the viewer outlived its game";
  if (!ended) {
    kill(shown, SIGKILL);
    waitpid(shown, nullptr, 0);
  }
  for (int fd : {input[1], output[0], said[0]}) close(fd);
}

}  // namespace
}  // namespace quorvane::testing
