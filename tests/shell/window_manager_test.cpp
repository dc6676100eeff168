// Frames and stacking as a real window manager makes them. This program runs
// under tests/support/with_openbox.sh on an X server of its own.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QProcess>
#include <QScopeGuard>
#include <QScreen>
#include <QWindow>

#include "support/window_test_support.h"

namespace quorvane::testing {
namespace {

// What an X tool prints, or "" when it fails.
QString XTool(const QString& tool, const QStringList& arguments) {
  QProcess process;
  process.start(tool, arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
  return QString::fromLatin1(process.readAllStandardOutput());
}

QString Id(const QWidget* window) { return QString::number(window->winId()); }

// The window's frame: the client's place on the screen grown by the frame
// the window manager reported; empty before that.
QRect XFrame(const QWidget* window) {
  const QStringList sides =
      XTool("xprop", {"-id", Id(window), "_NET_FRAME_EXTENTS"}).section(u'=', 1).split(u',', Qt::SkipEmptyParts);
  if (sides.size() != 4) return {};
  return QRect(window->mapToGlobal(QPoint()), window->size())
      .marginsAdded(QMargins(sides[0].toInt(), sides[2].toInt(), sides[1].toInt(), sides[3].toInt()));
}

// Waits until the window manager has framed the window and the frame's
// middle is that of `area` (to a pixel, for odd sizes): the screen's free
// area, or the owner's frame.
void ExpectFrameCentred(QWidget* window, const char* what, const QRect& area) {
  SCOPED_TRACE(what);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window, 20000));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !XFrame(window).isEmpty(); }, 10000)) << "the window manager drew no frame";
  const auto off = [&] { return XFrame(window).center() - area.center(); };
  EXPECT_TRUE(QTest::qWaitFor([&] { return std::abs(off().x()) <= 1 && std::abs(off().y()) <= 1; }, 10000))
      << "frame middle off by " << off().x() << "," << off().y();
}

QRect FreeArea(const QWidget* window) { return window->screen()->availableGeometry(); }

// From the frame's top to the window's: the title bar, as the window manager drew it.
int TitleBarHeight(const QWidget* window) { return window->mapToGlobal(QPoint()).y() - XFrame(window).top(); }

// The window ids of a property, as xprop prints them: of the root window, or
// of a window (WM_TRANSIENT_FOR, the one the window manager keeps it over).
QStringList WindowIds(const char* property, const QWidget* window = nullptr) {
  const QString text = XTool("xprop", {window ? "-id" : "-root", window ? Id(window) : "", property});
  QStringList ids;
  for (const QString& part : text.section(u'#', 1).split(u',', Qt::SkipEmptyParts))
    ids << QString::number(part.trimmed().toULongLong(nullptr, 16));
  return ids;
}
QString TransientOwner(const QWidget* window) { return WindowIds("WM_TRANSIENT_FOR", window).value(0); }
// The window the server is told this one belongs to: on X, as the server
// holds it; on Wayland, where no client can read another's parent, the one
// Qt hands the compositor.
QString OwnerOnTheServer(const QWidget* window) {
  if (QGuiApplication::platformName() == "xcb") return TransientOwner(window);
  const QWindow* parent = window->windowHandle()->transientParent();
  return parent ? QString::number(parent->winId()) : QString();
}
QString ActiveWindow() { return WindowIds("_NET_ACTIVE_WINDOW").value(0); }
// The windows as the window manager stacks them, top first.
QStringList Stacking() {
  QStringList ids = WindowIds("_NET_CLIENT_LIST_STACKING");  // bottom to top
  std::reverse(ids.begin(), ids.end());
  return ids;
}

void ExpectActive(const QWidget* window) {
  EXPECT_TRUE(QTest::qWaitFor([&] { return ActiveWindow() == Id(window); }, 10000))
      << ActiveWindow().toStdString() << " is active, not " << Id(window).toStdString();
}

// The player chooses a window, as from a task list. A window manager may
// pass over one request while another window is still coming up (a slow
// machine), so the request is made again until it is honoured.
void Choose(const QWidget* window) {
  EXPECT_TRUE(QTest::qWaitFor(
      [&] {
        XTool("xdotool", {"windowactivate", Id(window)});
        return QTest::qWaitFor([&] { return ActiveWindow() == Id(window); }, 1000);
      },
      20000))
      << ActiveWindow().toStdString() << " is active, not " << Id(window).toStdString();
}

TEST(WindowManager, RunsUnderOne) { ASSERT_EQ(QGuiApplication::platformName(), "xcb"); }

TEST_F(WindowTest, MainWindowAndEveryDialogCentreTheirFrames) {
  TForm1& form = Show();
  ExpectFrameCentred(&form, "main window", FreeArea(&form));
  ModalAnswers answers;
  // Dialogs sit in the middle of the screen. Message boxes sit over their
  // owner, wide enough for the title bar to show the whole title beside the
  // window's icon and buttons, and are answered No.
  auto centred = [&](const char* what) {
    return [&, what](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      ExpectFrameCentred(modal, what, box ? XFrame(box->parentWidget()->window()) : FreeArea(modal));
      if (!box) return static_cast<QDialog*>(modal)->reject();
      const QFontMetrics bold(
          QFont(QGuiApplication::font().family(), QGuiApplication::font().pointSize(), QFont::Bold));
      const int wanted = bold.horizontalAdvance(box->windowTitle()) + 4 * TitleBarHeight(box);
      EXPECT_TRUE(QTest::qWaitFor([&] { return XFrame(box).width() >= wanted; }, 10000))
          << what << ": " << XFrame(box).width() << " px, not " << wanted;
      ModalAnswers::Press(QMessageBox::No)(box);
    };
  };
  answers.Then(centred("new hi score"));
  answers.Then(centred("about box"));
  answers.Then([&](QWidget* options) {
    ExpectFrameCentred(options, "options", FreeArea(options));
    ModalAnswers overOptions;  // a box over a dialog runs inside this answer
    overOptions.Then(centred("reset hi score question"));
    Control<QPushButton>(*options, "Button6")->click();  // Reset hi score?
    EXPECT_TRUE(overOptions.AllUsed());
    static_cast<QDialog*>(options)->reject();
  });
  answers.Then(centred("game over question"));
  form.AskHiScoreName(120);
  Control<QAction>(form, "About1")->trigger();
  Control<QAction>(form, "Options1")->trigger();
  form.AskPlayAgain();
  EXPECT_TRUE(answers.AllUsed());
}

// A question over the options dialog belongs to the dialog, not to the
// game behind it, so that the window manager keeps it over the dialog. Run
// under weston too.
TEST_F(WindowTest, MessageBoxOverTheOptionsDialogBelongsToIt) {
  TForm1& form = Show();
  ModalAnswers answers;
  answers.Then([&](QWidget* options) {
    ModalAnswers overOptions;  // a box over a dialog runs inside this answer
    overOptions.Then([&](QWidget* box) {
      EXPECT_TRUE(QTest::qWaitFor([&] { return OwnerOnTheServer(box) == Id(options); }, 10000))
          << "owned by " << OwnerOnTheServer(box).toStdString() << ", not by the dialog " << Id(options).toStdString();
      ModalAnswers::Press(QMessageBox::No)(box);
    });
    Control<QPushButton>(*options, "Button6")->click();  // Reset hi score?
    EXPECT_TRUE(overOptions.AllUsed());
    static_cast<QDialog*>(options)->reject();
  });
  Control<QAction>(form, "Options1")->trigger();
  EXPECT_TRUE(answers.AllUsed());
}

// The help viewer's window, a client of another program, by its title; ""
// until the window manager lists it.
QString HelpWindow() {
  for (const QString& id : Stacking())
    if (XTool("xprop", {"-id", id, "_NET_WM_NAME"}).contains("\"Quorvane Sinuvar Help\"")) return id;
  return {};
}

// Help open beside the game is an ordinary window of another program: each
// of the game's dialogs opens over it with the focus, a click on help
// brings help forward and leaves the dialog open, and the dialog, chosen
// again (help may cover it now), takes the focus back.
TEST_F(HelpWindowTest, EveryDialogOpensOverHelpWithTheFocus) {
  TForm1& form = Show();
  ASSERT_TRUE(WaitUntilActive(&form));
  form.Button4Click();
  QString help;
  ASSERT_TRUE(QTest::qWaitFor([&] { return !(help = HelpWindow()).isEmpty(); }, 20000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return ActiveWindow() == help; }, 10000)) << "help comes up active";
  EXPECT_TRUE(XTool("xprop", {"-id", help, "WM_TRANSIENT_FOR"}).contains("not found")) << "no owner";

  const auto overHelp = [&](const char* what) {
    return [&, what](QWidget* modal) {
      SCOPED_TRACE(what);
      const auto close = qScopeGuard([&] { static_cast<QDialog*>(modal)->reject(); });
      ASSERT_TRUE(QTest::qWaitForWindowExposed(modal, 20000));
      ExpectActive(modal);
      EXPECT_TRUE(QTest::qWaitFor([&] { return Stacking().indexOf(Id(modal)) < Stacking().indexOf(help); }, 10000))
          << "over help: " << Stacking().join(u' ').toStdString();
      // The player clicks on help, then goes back to the dialog.
      XTool("xdotool", {"mousemove", "--window", help, "200", "100", "click", "1"});
      EXPECT_TRUE(QTest::qWaitFor([&] { return ActiveWindow() == help; }, 10000)) << "help takes the focus";
      EXPECT_TRUE(modal->isVisible()) << "the dialog stays open";
      Choose(modal);
    };
  };
  // The player is back in the game when a dialog opens, and opens it with
  // the keyboard, or plays a game to its end.
  int answered = 0;
  const auto fromTheGame = [&](const QStringList& keys, const std::function<void()>& then) {
    Choose(&form);
    const int before = answered;
    for (const QString& key : keys) XTool("xdotool", {"key", key});
    if (then) then();
    EXPECT_TRUE(QTest::qWaitFor([&] { return answered > before; }, 20000)) << keys.join(u' ').toStdString();
  };
  ModalAnswers answers;
  for (const char* what : {"about box", "options dialog", "new hi score"}) {
    answers.Then([&, what](QWidget* modal) {
      ++answered;
      overHelp(what)(modal);
    });
  }
  fromTheGame({"alt+h", "a"}, nullptr);
  fromTheGame({"alt+g", "o"}, nullptr);
  fromTheGame({"alt+g", "n"}, [&] { form.AskHiScoreName(120); });
  EXPECT_TRUE(answers.AllUsed());
  EXPECT_TRUE(Problems.isEmpty()) << Problems.join(u'|').toStdString();
}

// Help open beside a dialog, opened before it or from its Help button,
// stays open as the dialog closes: the same viewer, never reported gone.
// Run under weston too.
TEST_F(HelpWindowTest, HelpStaysBesideADialogThatCloses) {
  TForm1& form = Show();
  Help().ShowTopics();
  const auto viewers = [] {
    QProcess pgrep;
    pgrep.start("pgrep", {"-x", "-P", QString::number(QCoreApplication::applicationPid()), "tolvenix-help"});
    pgrep.waitForFinished(10000);
    return pgrep.readAllStandardOutput();
  };
  // Started: a compositor need not give a new window the focus.
  QByteArray viewer;
  ASSERT_TRUE(QTest::qWaitFor([&] { return !(viewer = viewers()).isEmpty(); }, 20000));
  for (bool fromDialog : {false, true}) {
    SCOPED_TRACE(fromDialog ? "help from the dialog's Help button" : "help open before the dialog");
    ModalAnswers answers;
    answers.Then([&](QWidget* options) {
      if (fromDialog) Control<QPushButton>(*options, "Button7")->click();
      static_cast<QDialog*>(options)->reject();
    });
    Control<QAction>(form, "Options1")->trigger();
    EXPECT_TRUE(answers.AllUsed());
    QCoreApplication::processEvents();
    EXPECT_EQ(viewers(), viewer);
  }
  EXPECT_TRUE(Problems.isEmpty()) << Problems.join(u'|').toStdString();
}

}  // namespace
}  // namespace quorvane::testing
