#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLocalSocket>
#include <algorithm>
#include <stdexcept>

#include "qt_glue/handler_errors.h"
#include "shell/application.h"
#include "shell/error_report.h"
#include "shell/single_copy.h"
#include "support/window_test_support.h"
#include "widgets/link_labels.h"

namespace quorvane::testing {
namespace {

TEST(ErrorReport, AddsAFullStopOnlyAfterLaterCharacters) {
  EXPECT_EQ(ErrorReportText("Unable to write to Tolvenix.ini"), "Unable to write to Tolvenix.ini.");
  EXPECT_EQ(ErrorReportText("Done."), "Done.");
  EXPECT_EQ(ErrorReportText("Really?"), "Really?.");  // '?' comes after '.'
  EXPECT_EQ(ErrorReportText("Stop!"), "Stop!");       // '!' comes before '.'
  EXPECT_EQ(ErrorReportText("(see above)"), "(see above)");
  EXPECT_EQ(ErrorReportText(""), "");
  // A Chinese sentence that ends in its own stop, exclamation or question mark
  EXPECT_EQ(ErrorReportText("无法写入 Tolvenix.ini。"), "无法写入 Tolvenix.ini。");
  EXPECT_EQ(ErrorReportText("停！"), "停！");
  EXPECT_EQ(ErrorReportText("真的？"), "真的？");
  EXPECT_EQ(ErrorReportText("无法写入 Tolvenix.ini"), "无法写入 Tolvenix.ini.");  // not a sentence's end
}

class Throwing : public QObject {
 public:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) throw std::runtime_error("Link has no address");
    return QObject::event(e);
  }
};

TEST(ErrorReport, AHandlersErrorIsShownAndTheProgramGoesOn) {
  Throwing target;
  ModalAnswers answers;
  answers.Then(ModalAnswers::Press(QMessageBox::Ok));
  QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
  ASSERT_TRUE(QTest::qWaitFor([&] { return answers.AllUsed(); }));
  EXPECT_EQ(answers.Seen(), std::vector<QString>{"Quorvane Sinuvar | Link has no address."});
  // And the loop goes on serving events.
  bool later = false;
  QTimer::singleShot(0, [&] { later = true; });
  ASSERT_TRUE(QTest::qWaitFor([&] { return later; }));
}

// The way our own handlers report: the box comes up at once, without the
// error passing through Qt's frames, and the handler's caller goes on.
TEST(ErrorReport, AnErrorSentFromAHandlerIsShownAtOnce) {
  ModalAnswers answers;
  answers.Then(ModalAnswers::Press(QMessageBox::Ok));
  ReportHandlerErrors([] {});
  EXPECT_TRUE(answers.Seen().empty());
  ReportHandlerErrors([] { throw std::runtime_error("Error: Property URL not Specified"); });
  EXPECT_EQ(answers.Seen(), std::vector<QString>{"Quorvane Sinuvar | Error: Property URL not Specified."});
}

// A box is answered by a press made in it. The repeats of a key held since
// before it came up (Enter on a link whose opener fails), down to the key's
// letting go, leave it up; a fresh press then answers it.
TEST(ErrorReport, OnlyAFreshPressAnswersTheBox) {
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape}) {
    SCOPED_TRACE(QKeySequence(key).toString().toStdString());
    ModalAnswers answers;
    bool heldLeftItUp = false;
    answers.Then([&](QWidget* box) {
      // Where the keys go once the box has the focus, whether it has yet or not.
      QWidget* focus = static_cast<QMessageBox*>(box)->button(QMessageBox::Ok);
      for (int event = 0; event < 4; ++event) {  // press, release, press: repeats; the last release is not
        QKeyEvent held(event % 2 ? QEvent::KeyRelease : QEvent::KeyPress, key, Qt::NoModifier, QString(), event < 3);
        QApplication::sendEvent(focus, &held);
      }
      heldLeftItUp = box->isVisible();
      QTest::keyClick(focus, key);
      EXPECT_FALSE(box->isVisible()) << "a fresh press left the box up";
      if (box->isVisible()) static_cast<QDialog*>(box)->reject();
    });
    ShowErrorReport(nullptr, "Unable to open https://x.example/.");
    EXPECT_TRUE(answers.AllUsed());
    EXPECT_TRUE(heldLeftItUp);
  }
}

TEST(ErrorReport, LastResortNamesTheErrorAndTheProgram) {
  ModalAnswers answers;
  answers.Then(ModalAnswers::Press(QMessageBox::Ok));
  const QString text = ShowApplicationError(std::runtime_error("No banner control"), "/opt/game/tolvenix");
  EXPECT_TRUE(answers.AllUsed());
  ASSERT_EQ(answers.Seen().size(), 1u);
  EXPECT_TRUE(answers.Seen()[0].startsWith("Application Error | Exception std::runtime_error in module tolvenix at "))
      << answers.Seen()[0].toStdString();
  EXPECT_TRUE(text.contains(" in module tolvenix at ")) << text.toStdString();
  EXPECT_TRUE(text.endsWith("\nNo banner control.")) << text.toStdString();
}

// Connections that send nothing are dropped rather than pile up until the
// game runs out of descriptors, and the socket still answers a request,
// which brings up the window made after it.
TEST(SingleCopy, TheSocketDropsIdleConnectionsAndAnswers) {
  QTemporaryDir runtimeFolder;
  const ScopedEnv runtime("XDG_RUNTIME_DIR", runtimeFolder.path().toUtf8()),
      bus("DBUS_SESSION_BUS_ADDRESS", NoSessionBusAddress);
  bool answered = true;
  const auto copy = SingleCopy::Claim(QStringLiteral("com.example.SingleCopyTest"), answered);
  ASSERT_TRUE(copy && !answered);
  const QString path = runtimeFolder.filePath("com.example.SingleCopyTest");
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
  QWidget window;
  copy->SetWindow(&window);
  EXPECT_TRUE(window.isVisible());
}

// Since before the tests began: this process is at least this old.
const qint64 loadedAt = QDateTime::currentMSecsSinceEpoch();

// The lock and socket go to the runtime folder only when it is the
// player's and no one else may write there, otherwise beside the settings.
// Whatever lies in the lock's place, no second game runs: a lock that cannot
// be taken is held, and then a box says so, and a start that came that late
// waits no longer. What lies in the socket's place the first copy replaces.
TEST(SingleCopy, OneGameWhateverLiesInTheFolders) {
  const QString id = QStringLiteral("com.example.SingleCopyTest");
  enum class Planted { Nothing, Link, Folder };
  const struct {
    const char* what;
    int runtimeMode;  // none when negative
    Planted atLock, atSocket;
    bool claimed, inRuntime;
  } cases[] = {
      {"the player's runtime folder", 0700, Planted::Nothing, Planted::Nothing, true, true},
      {"one others may read", 0755, Planted::Nothing, Planted::Nothing, true, true},
      {"one the group may write", 0770, Planted::Nothing, Planted::Nothing, true, false},
      {"one anyone may write", 0777, Planted::Nothing, Planted::Nothing, true, false},
      {"a sticky one anyone may write", 01777, Planted::Nothing, Planted::Nothing, true, false},
      {"no runtime folder", -1, Planted::Nothing, Planted::Nothing, true, false},
      {"a link at the lock", 0700, Planted::Link, Planted::Nothing, false, true},
      {"a folder at the lock", 0700, Planted::Folder, Planted::Nothing, false, true},
      {"a link at the socket", 0700, Planted::Nothing, Planted::Link, true, true},
      {"a folder at the socket", 0700, Planted::Nothing, Planted::Folder, true, true},
  };
  // A late start, as this test is: it waits at most what is left of the
  // answer time, counted from the start of the process.
  ASSERT_TRUE(QTest::qWaitFor(
      [] { return QDateTime::currentMSecsSinceEpoch() - loadedAt > SingleCopy::AnswerMilliseconds; }, 20000));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    QTemporaryDir home;
    const QString runtime = home.filePath("run"), config = home.filePath("config");
    const ScopedEnv runtimeEnv("XDG_RUNTIME_DIR", runtime.toUtf8()), configEnv("XDG_CONFIG_HOME", config.toUtf8()),
        bus("DBUS_SESSION_BUS_ADDRESS", NoSessionBusAddress);
    if (c.runtimeMode >= 0) {
      ASSERT_TRUE(QDir().mkdir(runtime));
      ASSERT_EQ(::chmod(QFile::encodeName(runtime).constData(), static_cast<mode_t>(c.runtimeMode)), 0);
    }
    const QString folder = c.inRuntime ? runtime : config;
    const QString target = home.filePath("planted");
    for (const auto& [planted, path] :
         {std::pair{c.atLock, folder + "/" + id + ".lock"}, {c.atSocket, folder + "/" + id}}) {
      // A folder with a file in it: one rmdir() cannot take away.
      EXPECT_TRUE(planted != Planted::Link || QFile::link(target, path));
      EXPECT_TRUE(planted != Planted::Folder || QDir().mkpath(path + "/in"));
    }
    bool answered = true;
    QElapsedTimer claiming;
    claiming.start();
    const auto copy = SingleCopy::Claim(id, answered);
    EXPECT_LT(claiming.elapsed(), SingleCopy::AnswerMilliseconds * 9 / 10) << "it waited the full time again";
    EXPECT_FALSE(answered);
    EXPECT_FALSE(QFile::exists(target)) << "a planted link was followed";
    ASSERT_EQ(copy != nullptr, c.claimed);
    if (!copy) {
      ModalAnswers answers;
      answers.Then(ModalAnswers::Press(QMessageBox::Ok));
      EXPECT_EQ(SingleCopy::ReportSilentCopy(), 1);
      EXPECT_EQ(answers.Seen(),
                std::vector<QString>{"Quorvane Sinuvar | Quorvane Sinuvar is running already but does not answer."});
      continue;
    }
    struct stat socketStatus {};
    ASSERT_EQ(::lstat(QFile::encodeName(folder + "/" + id).constData(), &socketStatus), 0);
    EXPECT_TRUE(S_ISSOCK(socketStatus.st_mode));
    EXPECT_TRUE(QFile::exists(folder + "/" + id + ".lock"));
    if (c.runtimeMode >= 0 && !c.inRuntime) {
      EXPECT_TRUE(QDir(runtime).isEmpty()) << "the game wrote into a runtime folder open to others";
    }
  }
}

}  // namespace
}  // namespace quorvane::testing
