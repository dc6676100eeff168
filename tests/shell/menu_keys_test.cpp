#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <QWindow>

#include "support/window_test_support.h"

namespace quorvane::testing {
namespace {

class MenuKeysTest : public WindowTest {
 protected:
  // A running game whose timer is on but far from its first tick, so that
  // pausing has a running timer to stop and the test owns every step.
  TForm1& RunningGame() {
    TForm1& form = StartHeldGame();
    SuperTimer1().SetInterval(60000);
    SuperTimer1().SetEnabled(true);
    return form;
  }
};

TEST_F(MenuKeysTest, AnOpenMenuTakesArrowsAndEnterDuringAGame) {
  TForm1& form = RunningGame();
  QMenu* game1 = Control<QMenu>(form, "Game1");
  QAction* pause1 = Control<QAction>(form, "Pause1");
  form.menuBar()->setActiveAction(game1->menuAction());
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activePopupWidget() == game1; }, 2000));
  QWindow* menu = game1->windowHandle();
  ASSERT_NE(menu, nullptr);

  QAction* before = game1->activeAction();
  QTest::keyClick(menu, Qt::Key_Down);
  EXPECT_THAT(game1->activeAction(), AllOf(::testing::Ne(before), ::testing::NotNull())) << "Down moves the highlight";
  for (int i = 0; i < 5 && game1->activeAction() != pause1; ++i) QTest::keyClick(menu, Qt::Key_Down);
  ASSERT_EQ(game1->activeAction(), pause1);

  QTest::keyClick(menu, Qt::Key_Return);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !SuperTimer1().Enabled(); }, 2000)) << "Enter picks Pause";
  EXPECT_EQ(Panel(GameStatePanel), "Paused");
  EXPECT_TRUE(pause1->isChecked());
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

  // With the menus closed again the arrows steer as before.
  QTest::keyClick(form.windowHandle(), Qt::Key_Up);
  EXPECT_EQ(Moves(2), (std::vector<int>{Right, Up})) << "no key in the menu steered";
}

TEST_F(MenuKeysTest, AltHeldAndAFocusedMenuBarLeaveTheSnakeAlone) {
  TForm1& form = RunningGame();
  for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up}) QTest::keyClick(form.windowHandle(), key, Qt::AltModifier);
  EXPECT_EQ(Moves(2), (std::vector<int>{Right, Right})) << "Alt+arrow is a system key";

  form.activateWindow();
  form.menuBar()->setFocus(Qt::MenuBarFocusReason);
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == form.menuBar(); }, 2000));
  QTest::keyClick(form.windowHandle(), Qt::Key_Down);
  EXPECT_EQ(Moves(1), std::vector<int>{Right}) << "keys go to the focused menu bar";
}

TEST_F(MenuKeysTest, TheAboutBoxIsNoMenuArrowsSteerAndEnterIsSwallowed) {
  TForm1& form = RunningGame();
  ModalAnswers answers{[&](QWidget* modal) {
    auto* box = qobject_cast<TForm5*>(modal);
    ASSERT_NE(box, nullptr);
    QTest::keyClick(box->windowHandle(), Qt::Key_Up);
    QTest::keyClick(box->windowHandle(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_TRUE(box->isVisible()) << "Enter does not press OK during a game";
    QTest::mouseClick(Control<QPushButton>(*box, "Button1"), Qt::LeftButton);
  }};
  Control<QAction>(form, "About1")->trigger();
  EXPECT_TRUE(answers.AllUsed());
  EXPECT_TRUE(SuperTimer1().Enabled()) << "the box does not pause the game";
  EXPECT_EQ(Moves(2), (std::vector<int>{Right, Up})) << "the arrow steered";
}

}  // namespace
}  // namespace quorvane::testing
