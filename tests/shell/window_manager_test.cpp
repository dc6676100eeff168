// Frames and stacking as a real window manager makes them. This program runs
// under tests/support/with_openbox.sh on an X server of its own.
#include <gtest/gtest.h>

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

// Waits until the window manager has framed the window and the frame's
// middle is that of the screen's free area (to a pixel, for odd sizes).
void ExpectFrameCentred(QWidget* window, const char* what) {
  SCOPED_TRACE(what);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  const QPoint middle = window->screen()->availableGeometry().center();
  const bool framed = QTest::qWaitFor([&] { return window->windowHandle()->frameMargins().top() > 0; }, 10000);
  ASSERT_TRUE(framed) << "the window manager drew no frame";
  const bool centred = QTest::qWaitFor(
      [&] {
        const QPoint off = window->frameGeometry().center() - middle;
        return std::abs(off.x()) <= 1 && std::abs(off.y()) <= 1;
      },
      10000);
  EXPECT_TRUE(centred) << "frame at " << window->frameGeometry().x() << "," << window->frameGeometry().y() << " "
                       << window->frameGeometry().width() << "x" << window->frameGeometry().height() << ", middle "
                       << middle.x() << "," << middle.y();
}

// The root window's list of a property's window ids, as xprop prints them.
QStringList RootWindows(const char* property) {
  QProcess xprop;
  xprop.start(QStringLiteral("xprop"), {QStringLiteral("-root"), QString::fromLatin1(property)});
  if (!xprop.waitForFinished(30000)) return {};
  const QString text = QString::fromLatin1(xprop.readAllStandardOutput());
  QStringList ids;
  for (const QString& part : text.mid(text.indexOf(u'#') + 1).split(u',', Qt::SkipEmptyParts))
    ids << QString::number(part.trimmed().toULongLong(nullptr, 16));
  return ids;
}

TEST(WindowManager, RunsUnderOne) { ASSERT_EQ(QGuiApplication::platformName(), "xcb"); }

TEST_F(WindowTest, MainWindowAndEveryDialogCentreTheirFrames) {
  TForm1& form = Show();
  ExpectFrameCentred(&form, "main window");
  ModalAnswers answers;
  auto centred = [&](const char* what) {
    return [&, what](QWidget* modal) {
      ExpectFrameCentred(modal, what);
      static_cast<QDialog*>(modal)->reject();
    };
  };
  answers.Then(centred("new hi score"));
  answers.Then(centred("about box"));
  answers.Then(centred("options"));
  form.AskHiScoreName(120);
  form.About1Click();
  form.Options1Click();
  EXPECT_TRUE(answers.AllUsed());
}

// The options dialog's Help button brings the help window up over the game
// and the dialog, active, even when it was open already.
TEST_F(WindowTest, HelpFromTheOptionsDialogComesUpOnTopAndActive) {
  const QByteArray savedCache = qgetenv("XDG_CACHE_HOME");
  qputenv("XDG_CACHE_HOME", dir_.filePath("cache").toUtf8());
  QtHelpService help(QStringLiteral(QUORVANE_BIN_DIR));
  TForm1& form = Show();
  help.SetOwner(&form);
  form.SetHelpService(&help);
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
      const QString helpId = QString::number(window->winId());
      EXPECT_TRUE(QTest::qWaitFor([&] { return RootWindows("_NET_ACTIVE_WINDOW") == QStringList{helpId}; }, 10000))
          << RootWindows("_NET_ACTIVE_WINDOW").join(u' ').toStdString() << " is active, not " << helpId.toStdString();
      const QStringList stacking = RootWindows("_NET_CLIENT_LIST_STACKING");  // bottom to top
      EXPECT_EQ(stacking.isEmpty() ? QString() : stacking.back(), helpId) << stacking.join(u' ').toStdString();
      options->reject();
    });
  }
  form.Options1Click();
  form.activateWindow();
  ASSERT_TRUE(WaitUntilActive(&form));
  form.Options1Click();  // the help window is open behind the game now
  EXPECT_TRUE(answers.AllUsed());
  form.SetHelpService(nullptr);
  savedCache.isNull() ? qunsetenv("XDG_CACHE_HOME") : qputenv("XDG_CACHE_HOME", savedCache);
}

}  // namespace
}  // namespace quorvane::testing
