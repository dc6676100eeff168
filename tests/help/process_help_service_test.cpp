#include <gmock/gmock.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>

#include "help/process_help_service.h"
#include "support/scoped_env.h"

#include <signal.h>

namespace quorvane::testing {
namespace {

using ::testing::ElementsAre;

const QString kBinDir = QStringLiteral(QUORVANE_BIN_DIR);

// The game's side of help, with a viewer of the test's making or the real
// one; what it reports and how often the viewer said it was active.
class HelpServiceTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

  // A viewer that is a shell script: it notes its process number in
  // "starts" and runs `body` with the folder as $1.
  QString Fake(const QString& body) {
    const QString path = dir_.filePath("viewer");
    QFile script(path);
    EXPECT_TRUE(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
    script.write(("#!/bin/sh\necho $$ >> \"$1/starts\"\n" + body + "\n").toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    return path;
  }
  std::unique_ptr<ProcessHelpService> Service(const QString& viewer, const QString& folder) {
    auto service = std::make_unique<ProcessHelpService>(viewer, folder);
    service->OnProblem = [this](const QString& text) { reports_.push_back(text.toStdString()); };
    service->OnViewerActivated = [this] { ++activations_; };
    return service;
  }
  QStringList Lines(const char* name) const {
    QFile file(dir_.filePath(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
  }
  // Waits until the viewer started last has gone, and the game has heard of it.
  bool Gone(pid_t viewer) {
    return QTest::qWaitFor([&] { return kill(viewer, 0) != 0; }, 10000);
  }

  QTemporaryDir dir_;
  std::vector<std::string> reports_;
  int activations_ = 0;
};

TEST_F(HelpServiceTest, CommandsGoAsLinesToOneViewer) {
  auto help = Service(Fake("exec cat >> \"$1/lines\""), dir_.path());
  help->Quit();
  EXPECT_TRUE(Lines("starts").isEmpty()) << "nothing to quit: no viewer is started for it";
  help->ShowTopics();
  help->ShowContext(1010);
  help->ShowContext(1000);
  help->Quit();
  const QStringList sent{"contents", "context 1010", "context 1000", "quit"};
  EXPECT_TRUE(QTest::qWaitFor([&] { return Lines("lines") == sent; }, 10000)) << Lines("lines").join('|').toStdString();
  EXPECT_EQ(Lines("starts").size(), 1) << "one viewer, used again";
  EXPECT_TRUE(reports_.empty());
}

// A viewer that has gone is started again by the next request; one that
// crashed or failed is reported, one the player closed is not.
TEST_F(HelpServiceTest, AViewerThatHasGoneIsStartedAgain) {
  const struct {
    const char* how;
    const char* body;
    int signal;  // sent to the viewer, or 0 to let it end by itself
    bool reported;
  } rows[] = {
      {"crashed", "exec cat >> \"$1/lines\"", SIGSEGV, true},
      {"killed", "exec cat >> \"$1/lines\"", SIGKILL, true},
      {"closed by the player", "read line; echo \"$line\" >> \"$1/lines\"; exit 0", 0, false},
      {"failed", "read line; echo \"$line\" >> \"$1/lines\"; exit 3", 0, true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.how);
    QFile::remove(dir_.filePath("starts"));
    QFile::remove(dir_.filePath("lines"));
    reports_.clear();
    auto help = Service(Fake(row.body), dir_.path());
    help->ShowTopics();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Lines("lines").size() == 1; }, 10000));
    const pid_t first = static_cast<pid_t>(Lines("starts").value(0).toInt());
    ASSERT_GT(first, 0);
    if (row.signal != 0) kill(first, row.signal);
    ASSERT_TRUE(Gone(first));
    help->ShowContext(1010);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Lines("lines").size() == 2; }, 10000));
    EXPECT_EQ(Lines("starts").size(), 2) << "a new viewer";
    EXPECT_EQ(Lines("lines").value(1), "context 1010");
    if (row.reported) {
      EXPECT_THAT(reports_, ElementsAre("The help viewer has stopped unexpectedly."));
    } else {
      EXPECT_TRUE(reports_.empty());
    }
  }
}

TEST_F(HelpServiceTest, AViewerThatCannotStartIsReportedAndNothingElse) {
  QFile notAProgram(dir_.filePath("not-a-program"));
  ASSERT_TRUE(notAProgram.open(QIODevice::WriteOnly));
  notAProgram.close();
  for (const QString& viewer : {dir_.filePath("missing"), notAProgram.fileName()}) {
    SCOPED_TRACE(viewer.toStdString());
    reports_.clear();
    auto help = Service(viewer, dir_.path());
    help->ShowContext(1010);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !reports_.empty(); }, 10000));
    EXPECT_THAT(reports_, ElementsAre("The help viewer " + viewer.toStdString() + " could not be started."));
    help->Quit();
    QCoreApplication::processEvents();
    EXPECT_EQ(reports_.size(), 1u);
  }
}

TEST_F(HelpServiceTest, EachActiveLineOfTheViewerIsHeard) {
  auto help = Service(Fake("echo active; echo inactive; head -c 100000 /dev/zero | tr '\\0' x; echo; echo active; "
                           "printf 'act'; sleep 0.1; echo ive; exec cat > /dev/null"),
                      dir_.path());
  help->ShowTopics();
  EXPECT_TRUE(QTest::qWaitFor([&] { return activations_ == 3; }, 10000)) << activations_;
}

// The real viewer: it shows what it is asked, and a crash of it is reported
// once while the game goes on; the next request starts a new one, and a
// quit ends it quietly.
TEST_F(HelpServiceTest, TheRealViewerComesAndGoesBesideTheGame) {
  const ScopedEnv cacheHome("XDG_CACHE_HOME", dir_.filePath("cache").toUtf8());
  auto help = Service(HelpViewerProgram(kBinDir), kBinDir);
  help->ShowContext(1010);
  ASSERT_TRUE(QTest::qWaitFor([&] { return activations_ == 1; }, 20000));
  ASSERT_EQ(QProcess::execute("pkill", {"-SEGV", "-x", "-P", QString::number(getpid()), "tolvenix-help"}), 0);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !reports_.empty(); }, 10000));
  help->ShowTopics();
  EXPECT_TRUE(QTest::qWaitFor([&] { return activations_ == 2; }, 20000)) << "a new viewer";
  help->Quit();
  EXPECT_TRUE(QTest::qWaitFor(
      [&] {
        return QProcess::execute("pgrep", {"-x", "-P", QString::number(getpid()), "tolvenix-help"}) == 1;
      },
      10000));
  EXPECT_THAT(reports_, ElementsAre("The help viewer has stopped unexpectedly."));
}

long ResidentKilobytes() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
  return 0;
}

// Every crafted page of a replaced help file, each shown by a viewer of its
// own: whatever the viewer makes of it, the game's steps come on time and
// its memory stays where it was.
TEST_F(HelpServiceTest, CraftedHelpPagesLeaveTheGameUntouched) {
  const ScopedEnv cacheHome("XDG_CACHE_HOME", dir_.filePath("cache").toUtf8());
  const QString hostile = QStringLiteral(QUORVANE_HOSTILE_DIR);
  const struct {
    const char* page;
    QString folder;
    int context;
  } rows[] = {
      {"outside", hostile + "/program", 0},
      {"zero", hostile + "/program", 1},
      {"nested", hostile + "/program", 2},
      {"quoted", hostile + "/program", 3},
      {"declared", hostile + "/program", 4},
      {"long", hostile + "/program", 5},
      {"pictures", hostile + "/program", 6},
      {"drawing", hostile + "/program", 7},
      {"deep contents", hostile + "/deep/program", 0},
  };
  const long before = ResidentKilobytes();
  for (const auto& row : rows) {
    SCOPED_TRACE(row.page);
    activations_ = 0;
    reports_.clear();
    auto help = Service(HelpViewerProgram(kBinDir), row.folder);
    QElapsedTimer sinceStep;
    qint64 longestGap = 0;
    QTimer step;  // the game's step timer, at a quick level
    QObject::connect(&step, &QTimer::timeout, [&] { longestGap = std::max(longestGap, sinceStep.restart()); });
    step.start(20);
    sinceStep.start();
    row.context == 0 ? help->ShowTopics() : help->ShowContext(row.context);
    // Shown, or ended by what it read: either way, done with the page.
    EXPECT_TRUE(QTest::qWaitFor([&] { return activations_ > 0 || !reports_.empty(); }, 30000));
    step.stop();
    EXPECT_LT(longestGap, 1000) << "a step came late";
    help->Quit();
  }
  EXPECT_LT(ResidentKilobytes() - before, 30 * 1024) << "the game's memory grew";
}

}  // namespace
}  // namespace quorvane::testing
