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

// The window's frame as the X server holds it: the client's place on the
// screen grown by the frame the window manager reported; empty before that.
QRect XFrame(const QWidget* window) {
  const QString extents = XTool("xprop", {"-id", Id(window), "_NET_FRAME_EXTENTS"});
  const QStringList sides = extents.mid(extents.indexOf(u'=') + 1).split(u',', Qt::SkipEmptyParts);
  if (!extents.contains(u'=') || sides.size() != 4) return {};
  const QString info = XTool("xwininfo", {"-id", Id(window)});
  auto field = [&](const char* name) {
    const QString label = QString::fromLatin1(name) + u':';
    return info.mid(info.indexOf(label) + label.size()).section(u'\n', 0, 0).trimmed().toInt();
  };
  const QRect client(field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"), field("Height"));
  return client.marginsAdded(QMargins(sides[0].toInt(), sides[2].toInt(), sides[1].toInt(), sides[3].toInt()));
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
  const QRect frame = XFrame(window);
  EXPECT_TRUE(centred) << "frame at " << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height()
                       << ", middle wanted at " << area.center().x() << "," << area.center().y();
}

QRect FreeArea(const QWidget* window) { return window->screen()->availableGeometry(); }

// The root window's list of a property's window ids, as xprop prints them.
QStringList RootWindows(const char* property) {
  const QString text = XTool("xprop", {"-root", QString::fromLatin1(property)});
  QStringList ids;
  for (const QString& part : text.mid(text.indexOf(u'#') + 1).split(u',', Qt::SkipEmptyParts))
    ids << QString::number(part.trimmed().toULongLong(nullptr, 16));
  return ids;
}

// The window the window manager keeps this one over (WM_TRANSIENT_FOR).
QString TransientOwner(const QWidget* window) {
  const QString text = XTool("xprop", {"-id", Id(window), "WM_TRANSIENT_FOR"});
  if (!text.contains(u'#')) return {};
  return QString::number(text.mid(text.indexOf(u'#') + 1).trimmed().toULongLong(nullptr, 16));
}

// The game's help viewer, with its files in the test's folder, serving `form`.
struct HelpBeside {
  HelpBeside(TForm1& form, const QTemporaryDir& dir) : form_(form), saved_(qgetenv("XDG_CACHE_HOME")) {
    qputenv("XDG_CACHE_HOME", dir.filePath("cache").toUtf8());
    help.SetOwner(&form);
    form.SetHelpService(&help);
  }
  ~HelpBeside() {
    form_.SetHelpService(nullptr);
    saved_.isNull() ? qunsetenv("XDG_CACHE_HOME") : qputenv("XDG_CACHE_HOME", saved_);
  }
  QtHelpService help{QStringLiteral(QUORVANE_BIN_DIR)};
  TForm1& form_;
  QByteArray saved_;
};

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
      QFont bold = QGuiApplication::font();
      bold.setBold(true);
      const QRect frame = XFrame(box);
      const int titleBar = box->mapToGlobal(QPoint()).y() - frame.top();
      EXPECT_GE(frame.width(), QFontMetrics(bold).horizontalAdvance(box->windowTitle()) + 4 * titleBar) << what;
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
TEST_F(WindowTest, HelpFromTheOptionsDialogComesUpOnTopAndActive) {
  TForm1& form = Show();
  HelpBeside beside(form, dir_);
  ASSERT_TRUE(WaitUntilActive(&form));
  ModalAnswers answers;
  for (int round = 0; round < 2; ++round) {
    answers.Then([&, round](QWidget* modal) {
      SCOPED_TRACE(round);
      auto* options = static_cast<TForm3*>(modal);
      ASSERT_TRUE(WaitUntilActive(options));
      Control<QPushButton>(*options, "Button7")->click();
      THelpWindow* window = beside.help.Window();
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
  ASSERT_TRUE(WaitUntilActive(&form));
  form.Options1Click();  // the help window is open behind the game now
  EXPECT_TRUE(answers.AllUsed());
}

// The window manager is told that the help window belongs to the dialog in
// front, as dialogs come and go, so that it keeps the help over that dialog.
TEST_F(WindowTest, HelpBelongsToTheDialogInFront) {
  TForm1& form = Show();
  HelpBeside beside(form, dir_);
  ASSERT_TRUE(WaitUntilActive(&form));
  beside.help.ShowTopics();
  THelpWindow* window = beside.help.Window();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  EXPECT_EQ(TransientOwner(window), Id(&form));

  ModalAnswers answers;
  answers.Then([&](QWidget* options) {
    ASSERT_TRUE(WaitUntilActive(options));
    EXPECT_EQ(TransientOwner(window), Id(options)) << "help already open goes over to the dialog";
    ModalAnswers overOptions;
    overOptions.Then([&](QWidget* box) {
      EXPECT_EQ(TransientOwner(window), Id(box)) << "and to a box over the dialog";
      ModalAnswers::Press(QMessageBox::No)(box);
    });
    Control<QPushButton>(*options, "Button6")->click();
    EXPECT_TRUE(overOptions.AllUsed());
    EXPECT_EQ(TransientOwner(window), Id(options)) << "back to the dialog as the box goes";
    static_cast<QDialog*>(options)->reject();
  });
  form.Options1Click();
  EXPECT_TRUE(answers.AllUsed());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(TransientOwner(window), Id(&form)) << "back to the game as the dialog goes";
}

// Help open beside a dialog stays shown as the dialog closes, whether it
// was open before the dialog or opened from it. Run under weston too, where
// a window goes with the one it was shown over.
TEST_F(WindowTest, HelpStaysShownAsItsDialogCloses) {
  TForm1& form = Show();
  HelpBeside beside(form, dir_);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  beside.help.ShowTopics();
  THelpWindow* window = beside.help.Window();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  ModalAnswers answers;
  answers.Then([](QWidget* options) { static_cast<QDialog*>(options)->reject(); });
  answers.Then([&](QWidget* options) {
    Control<QPushButton>(*options, "Button7")->click();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    static_cast<QDialog*>(options)->reject();
  });
  for (const char* how : {"help open before the dialog", "help from the dialog's Help button"}) {
    SCOPED_TRACE(how);
    form.Options1Click();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
  }
  EXPECT_TRUE(answers.AllUsed());
}

}  // namespace
}  // namespace quorvane::testing
