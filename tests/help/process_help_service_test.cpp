#include <gmock/gmock.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>

#include "help/process_help_service.h"
#include "support/scoped_env.h"

#include <signal.h>

namespace quorvane::testing {
namespace {

using ::testing::ElementsAre;

const QString kBinDir = QStringLiteral(QUORVANE_BIN_DIR);

// The game's side of help, with a viewer of the test's making or the real
// one; what it reports and how often the viewer said it was active, and
// inactive.
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
    service->OnViewerDeactivated = [this] { ++deactivations_; };
    return service;
  }
  QStringList Lines(const char* name) const {
    QFile file(dir_.filePath(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
  }
  QTemporaryDir dir_;
  std::vector<std::string> reports_;
  int activations_ = 0;
  int deactivations_ = 0;
};

// Commands go as lines to one viewer; each whole "active" and "inactive"
// line it says is heard, also one split across reads or after a line too
// long to keep, and any other line is not.
TEST_F(HelpServiceTest, CommandsGoAsLinesToOneViewerAndItsActiveLinesAreHeard) {
  auto help =
      Service(Fake("echo active; echo inactive; head -c 100000 /dev/zero | tr '\\0' x; echo; echo active; "
                   "printf 'act'; sleep 0.1; echo ive; echo inactive again; echo inactive; exec cat >> \"$1/lines\""),
              dir_.path());
  help->Quit();
  EXPECT_TRUE(Lines("starts").isEmpty()) << "nothing to quit: no viewer is started for it";
  help->ShowTopics();
  help->ShowContext(1010);
  help->ShowContext(1000);
  help->Quit();
  const QStringList sent{"contents", "context 1010", "context 1000", "quit"};
  EXPECT_TRUE(
      QTest::qWaitFor([&] { return Lines("lines") == sent && activations_ == 3 && deactivations_ == 2; }, 10000))
      << Lines("lines").join('|').toStdString() << ' ' << activations_ << ' ' << deactivations_;
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
    ASSERT_TRUE(QTest::qWaitFor([&] { return kill(first, 0) != 0; }, 10000));
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
  for (const QString& viewer : {dir_.filePath("missing"), dir_.path()}) {
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
  // Contexts 1 to 7 are the crafted pages, 0 the contents; the last file's contents nest 40 deep.
  const QString hostile = QStringLiteral(QUORVANE_HOSTILE_DIR), program = hostile + "/program";
  const std::pair<QString, int> rows[] = {{program, 0}, {program, 1}, {program, 2},
                                          {program, 3}, {program, 4}, {program, 5},
                                          {program, 6}, {program, 7}, {hostile + "/deep/program", 0}};
  const long before = ResidentKilobytes();
  for (const auto& [folder, context] : rows) {
    SCOPED_TRACE(folder.toStdString() + " " + std::to_string(context));
    activations_ = 0;
    reports_.clear();
    auto help = Service(HelpViewerProgram(kBinDir), folder);
    QElapsedTimer sinceStep;
    qint64 longestGap = 0;
    QTimer step;  // the game's step timer, at a quick level
    QObject::connect(&step, &QTimer::timeout, [&] { longestGap = std::max(longestGap, sinceStep.restart()); });
    step.start(20);
    sinceStep.start();
    context == 0 ? help->ShowTopics() : help->ShowContext(context);
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
