#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWindow>

#include "dialogs/about_box.h"
#include "shell/status_bar.h"
#include "support/controls.h"
#include "support/window_test_support.h"

namespace quorvane::testing {
namespace {

class MenuKeysTest : public WindowTest {
 protected:
  // A running game whose timer is on but far from its first tick, so that
  // pausing has a running timer to stop and the test owns every step.
  TForm1& RunningGame() {
    TForm1& form = Show();
    StartHeldGame();
    SuperTimer1().SetInterval(60000);
    SuperTimer1().SetEnabled(true);
    return form;
  }
  size_t Queued() { return State().DirectionQueue.size(); }
};

TEST_F(MenuKeysTest, AnOpenMenuTakesArrowsAndEnterDuringAGame) {
  TForm1& form = RunningGame();
  const size_t queued = Queued();
  QMenu* game1 = Control<QMenu>(form, "Game1");
  QAction* pause1 = Control<QAction>(form, "Pause1");
  form.menuBar()->setActiveAction(game1->menuAction());
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activePopupWidget() == game1; }, 2000));
  QWindow* menu = game1->windowHandle();
  ASSERT_NE(menu, nullptr);

  QAction* before = game1->activeAction();
  QTest::keyClick(menu, Qt::Key_Down);
  EXPECT_NE(game1->activeAction(), before) << "Down moves the highlight";
  EXPECT_NE(game1->activeAction(), nullptr);
  for (int i = 0; i < 5 && game1->activeAction() != pause1; ++i) QTest::keyClick(menu, Qt::Key_Down);
  ASSERT_EQ(game1->activeAction(), pause1);
  EXPECT_EQ(Queued(), queued) << "no key in the menu steers";

  QTest::keyClick(menu, Qt::Key_Return);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !SuperTimer1().Enabled(); }, 2000)) << "Enter picks Pause";
  EXPECT_EQ(Control<TStatusBar>(form, "StatusBar1")->PanelText(0), "Paused");
  EXPECT_TRUE(pause1->isChecked());
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

  // With the menus closed again the arrows steer as before.
  QTest::keyClick(form.windowHandle(), Qt::Key_Up);
  EXPECT_EQ(Queued(), queued + 1);
}

TEST_F(MenuKeysTest, AltHeldAndAFocusedMenuBarLeaveTheSnakeAlone) {
  TForm1& form = RunningGame();
  const size_t queued = Queued();
  QTest::keyClick(form.windowHandle(), Qt::Key_Left, Qt::AltModifier);
  QTest::keyClick(form.windowHandle(), Qt::Key_Up, Qt::AltModifier);
  EXPECT_EQ(Queued(), queued) << "Alt+arrow is a system key";

  form.activateWindow();
  form.menuBar()->setFocus(Qt::MenuBarFocusReason);
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == form.menuBar(); }, 2000));
  QTest::keyClick(form.windowHandle(), Qt::Key_Down);
  EXPECT_EQ(Queued(), queued) << "keys go to the focused menu bar";
}

TEST_F(MenuKeysTest, TheAboutBoxIsNoMenuArrowsSteerAndEnterIsSwallowed) {
  TForm1& form = RunningGame();
  const size_t queued = Queued();
  ModalAnswers answers;
  answers.Then([&](QWidget* modal) {
    auto* box = qobject_cast<TForm5*>(modal);
    ASSERT_NE(box, nullptr);
    QTest::keyClick(box->windowHandle(), Qt::Key_Up);
    QTest::keyClick(box->windowHandle(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_TRUE(box->isVisible()) << "Enter does not press OK during a game";
    QTest::mouseClick(Control<QPushButton>(*box, "Button1"), Qt::LeftButton);
  });
  form.About1Click();
  EXPECT_TRUE(answers.AllUsed());
  ASSERT_EQ(Queued(), queued + 1);
  EXPECT_EQ(State().DirectionQueue.back().Value, Up);
  EXPECT_TRUE(SuperTimer1().Enabled()) << "the box does not pause the game";
}

}  // namespace
}  // namespace quorvane::testing
