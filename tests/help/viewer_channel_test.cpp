#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <optional>

#include "help/help_files.h"
#include "help/help_window.h"
#include "help/viewer_channel.h"
#include "support/scoped_env.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quorvane::testing {
namespace {

const QString kBinDir = QStringLiteral(QUORVANE_BIN_DIR);
const QString kViewer = kBinDir + "/tolvenix-help";

TEST(ViewerChannel, ReadsTheGamesCommands) {
  EXPECT_EQ(ParseHelpCommand("contents"), HelpCommand{HelpCommand::Contents});
  EXPECT_EQ(ParseHelpCommand("context 1010"), (HelpCommand{HelpCommand::Context, 1010}));
  EXPECT_EQ(ParseHelpCommand("context 0"), (HelpCommand{HelpCommand::Context, 0}));
  EXPECT_EQ(ParseHelpCommand("quit"), HelpCommand{HelpCommand::Quit});
  for (const char* line :
       {"", "Quit", "contents ", "context", "context ", "context 12x", "context 99999999999", "context  12"})
    EXPECT_EQ(ParseHelpCommand(line), std::nullopt) << '"' << line << '"';
}

// The real viewer, told what to show; it answers "active" as its window
// takes the focus.
class ViewerTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(cache_.isValid()); }
  QTemporaryDir cache_;
  const ScopedEnv cacheHome_{"XDG_CACHE_HOME", cache_.path().toUtf8()};
};

// The viewer tells the game each time it takes the focus and each time it
// loses it, whoever has it then.
TEST_F(ViewerTest, TellsTheGameOfEachChangeOfTheFocus) {
  int toViewer[2], toGame[2];
  ASSERT_EQ(pipe2(toViewer, O_CLOEXEC), 0);
  ASSERT_EQ(pipe2(toGame, O_CLOEXEC | O_NONBLOCK), 0);
  {
    THelpWindow window(kBinDir, HelpCacheFolder());
    ViewerChannel channel(toViewer[0], toGame[1], window);
    const struct {
      Qt::ApplicationState state;
      const char* line;
    } rows[] = {{Qt::ApplicationActive, "active\n"},
                {Qt::ApplicationInactive, "inactive\n"},
                {Qt::ApplicationHidden, "inactive\n"}};
    for (const auto& row : rows) {
      SCOPED_TRACE(row.line);
      emit qGuiApp->applicationStateChanged(row.state);
      char said[32];
      const ssize_t got = read(toGame[0], said, sizeof said);
      EXPECT_EQ(QByteArray(said, std::max<ssize_t>(got, 0)), row.line);
    }
  }
  for (int end : {toViewer[0], toViewer[1], toGame[0], toGame[1]}) close(end);
}

// The game gone or done: the viewer ends at once, whatever it showed.
TEST_F(ViewerTest, EndsAtTheEndOfItsInputAndWhenToldToQuit) {
  for (const bool told : {false, true}) {
    SCOPED_TRACE(told ? "quit" : "end of input");
    QProcess viewer;
    QByteArray heard;
    viewer.start(kViewer, {kBinDir});
    ASSERT_TRUE(viewer.waitForStarted(10000));
    // A line far too long is no command, and does not stop the next.
    viewer.write(QByteArray(100000, 'x') + "\ncontents\n");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
          return viewer.waitForReadyRead(50), heard += viewer.readAllStandardOutput(), heard.contains("active\n");
        },
        20000));
    told ? void(viewer.write("quit\n")) : viewer.closeWriteChannel();
    EXPECT_TRUE(viewer.waitForFinished(10000));
    EXPECT_EQ(viewer.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(viewer.exitCode(), 0);
  }
}

// kill -9 of the game, whose end of the viewer's input someone else (this
// test) still holds: the viewer ends all the same. This test takes the
// orphaned viewer in, to see it end.
TEST_F(ViewerTest, EndsWhenItsGameIsKilled) {
  ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
  const QByteArray in = QFile::encodeName(cache_.filePath("in"));
  ASSERT_EQ(mkfifo(in.constData(), 0600), 0);
  const int input = open(in.constData(), O_RDWR | O_CLOEXEC);
  QProcess game;  // a stand-in: it starts the viewer, tells its number, waits
  game.setStandardOutputFile(cache_.filePath("out"));
  game.start("/bin/sh",
             {"-c", "\"$0\" \"$1\" <\"$2\" & echo $!; exec sleep 600", kViewer, kBinDir, cache_.filePath("in")});
  ASSERT_TRUE(game.waitForStarted(10000));
  // Once it shows a topic, it has long set itself up to end with its game.
  ASSERT_EQ(write(input, "contents\n", 9), 9);
  QFile said(cache_.filePath("out"));
  ASSERT_TRUE(said.open(QIODevice::ReadOnly));
  ASSERT_TRUE(QTest::qWaitFor([&] { return said.seek(0) && said.readAll().contains("\nactive\n"); }, 20000))
      << "the viewer never showed its window";
  said.seek(0);
  const pid_t shown = static_cast<pid_t>(said.readLine().trimmed().toInt());
  ASSERT_GT(shown, 0);

  game.kill();
  ASSERT_TRUE(game.waitForFinished(10000));
  const bool ended = QTest::qWaitFor([&] { return waitpid(shown, nullptr, WNOHANG) == shown; }, 10000);
  EXPECT_TRUE(ended) << "the viewer outlived its game";
  if (!ended) {
    kill(shown, SIGKILL);
    waitpid(shown, nullptr, 0);
  }
  close(input);
}

}  // namespace
}  // namespace quorvane::testing
