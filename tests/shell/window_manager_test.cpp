// Frames and stacking as a real window manager makes them. This program runs
// under tests/support/with_openbox.sh on an X server of its own.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QProcess>
#include <QScreen>
#include <QWindow>

#include "dialogs/about_box.h"
#include "dialogs/new_hi_score_dialog.h"
#include "dialogs/options_dialog.h"
#include "help/help_window.h"
#include "help/qt_help_service.h"
#include "support/controls.h"
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
  const QString extents = XTool("xprop", {"-id", Id(window), "_NET_FRAME_EXTENTS"});
  const QStringList sides = extents.mid(extents.indexOf(u'=') + 1).split(u',', Qt::SkipEmptyParts);
  if (!extents.contains(u'=') || sides.size() != 4) return {};
  return QRect(window->mapToGlobal(QPoint()), window->size())
      .marginsAdded(QMargins(sides[0].toInt(), sides[2].toInt(), sides[1].toInt(), sides[3].toInt()));
}

// Waits until the window manager has framed the window and the frame's
// middle is that of `area` (to a pixel, for odd sizes): the screen's free
// area, or the owner's frame.
void ExpectFrameCentred(QWidget* window, const char* what, const QRect& area) {
  SCOPED_TRACE(what);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !XFrame(window).isEmpty(); }, 10000)) << "the window manager drew no frame";
  const bool centred = QTest::qWaitFor(
      [&] {
        const QPoint off = XFrame(window).center() - area.center();
        return std::abs(off.x()) <= 1 && std::abs(off.y()) <= 1;
      },
      10000);
  EXPECT_TRUE(centred) << "frame middle at " << XFrame(window).center().y() << ", not " << area.center().y();
}

QRect FreeArea(const QWidget* window) { return window->screen()->availableGeometry(); }

// The window ids of a property, as xprop prints them: of the root window, or
// of a window (WM_TRANSIENT_FOR, the one the window manager keeps it over).
QStringList WindowIds(const char* property, const QWidget* window = nullptr) {
  const QString text = XTool("xprop", {window ? "-id" : "-root", window ? Id(window) : "", property});
  QStringList ids;
  for (const QString& part : text.mid(text.indexOf(u'#') + 1).split(u',', Qt::SkipEmptyParts))
    if (text.contains(u'#')) ids << QString::number(part.trimmed().toULongLong(nullptr, 16));
  return ids;
}
QStringList RootWindows(const char* property) { return WindowIds(property); }
QString TransientOwner(const QWidget* window) { return WindowIds("WM_TRANSIENT_FOR", window).value(0); }

TEST(WindowManager, RunsUnderOne) { ASSERT_EQ(QGuiApplication::platformName(), "xcb"); }

TEST_F(WindowTest, MainWindowAndEveryDialogCentreTheirFrames) {
  TForm1& form = Show();
  ExpectFrameCentred(&form, "main window", FreeArea(&form));
  ModalAnswers answers;
  auto centred = [&](const char* what) {
    return [&, what](QWidget* modal) {
      ExpectFrameCentred(modal, what, FreeArea(modal));
      static_cast<QDialog*>(modal)->reject();
    };
  };
  // Message boxes sit over their owner, wide enough for the title bar to
  // show the whole title beside the window's icon and buttons.
  auto overOwner = [&](const char* what) {
    return [&, what](QWidget* box) {
      ExpectFrameCentred(box, what, XFrame(box->parentWidget()->window()));
      const QFontMetrics bold(
          QFont(QGuiApplication::font().family(), QGuiApplication::font().pointSize(), QFont::Bold));
      const int titleBar = box->mapToGlobal(QPoint()).y() - XFrame(box).top();
      const int wanted = bold.horizontalAdvance(box->windowTitle()) + 4 * titleBar;
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
    overOptions.Then(overOwner("reset hi score question"));
    Control<QPushButton>(*options, "Button6")->click();  // Reset hi score?
    EXPECT_TRUE(overOptions.AllUsed());
    static_cast<QDialog*>(options)->reject();
  });
  answers.Then(overOwner("game over question"));
  form.AskHiScoreName(120);
  form.About1Click();
  form.Options1Click();
  form.AskPlayAgain();
  EXPECT_TRUE(answers.AllUsed());
}

// The options dialog's Help button brings the help window up over the game
// and the dialog, active, even when it was open already.
TEST_F(HelpWindowTest, HelpFromTheOptionsDialogComesUpOnTopAndActive) {
  QtHelpService& help = Help();
  TForm1& form = Show();
  help.SetOwner(&form);
  ASSERT_TRUE(WaitUntilActive(&form));
  ModalAnswers answers;
  for (int round = 0; round < 2; ++round) {
    answers.Then([&, round](QWidget* modal) {
      SCOPED_TRACE(round);
      auto* options = static_cast<TForm3*>(modal);
      ASSERT_TRUE(WaitUntilActive(options));
      Control<QPushButton>(*options, "Button7")->click();
      THelpWindow* window = help.Window();
      ASSERT_NE(window, nullptr);
      ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
      const QString helpId = Id(window);
      EXPECT_TRUE(QTest::qWaitFor([&] { return RootWindows("_NET_ACTIVE_WINDOW") == QStringList{helpId}; }, 10000))
          << RootWindows("_NET_ACTIVE_WINDOW").join(u' ').toStdString() << " is active, not " << helpId.toStdString();
      const QStringList stacking = RootWindows("_NET_CLIENT_LIST_STACKING");  // bottom to top
      EXPECT_EQ(stacking.isEmpty() ? QString() : stacking.back(), helpId) << stacking.join(u' ').toStdString();
      EXPECT_EQ(TransientOwner(window), Id(options));
      options->reject();
    });
  }
  form.Options1Click();
  form.activateWindow();
  // The game or the help window it now owns: the window manager may keep
  // the focus where the player last had it.
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  form.Options1Click();  // the help window is open behind the game now
  EXPECT_TRUE(answers.AllUsed());
}

// Help open beside a dialog belongs to it, as the window manager is told,
// and goes back to the game, still shown, as the dialog closes: whether it
// was open before the dialog or opened from it. Run under weston too, where
// a window goes with the one it was shown over and no owner can be read.
TEST_F(HelpWindowTest, HelpFollowsTheDialogInFrontAndStaysShownAsItCloses) {
  QtHelpService& help = Help();
  TForm1& form = Show();
  help.SetOwner(&form);
  help.ShowTopics();
  THelpWindow* window = help.Window();
  auto ownerIs = [&](const QWidget* owner) {
    return QGuiApplication::platformName() != "xcb" || TransientOwner(window) == Id(owner);
  };
  for (bool fromDialog : {false, true}) {
    SCOPED_TRACE(fromDialog ? "help from the dialog's Help button" : "help open before the dialog");
    ModalAnswers answers;
    answers.Then([&](QWidget* options) {
      if (fromDialog) Control<QPushButton>(*options, "Button7")->click();
      EXPECT_TRUE(ownerIs(options));
      static_cast<QDialog*>(options)->reject();
    });
    form.Options1Click();
    EXPECT_TRUE(answers.AllUsed() && window->isVisible() && QTest::qWaitForWindowExposed(window));
    EXPECT_TRUE(ownerIs(&form));
  }
}

}  // namespace
}  // namespace quorvane::testing
