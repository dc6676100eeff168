#include <gtest/gtest.h>

#include <QAccessible>
#include <QToolButton>

#include "support/window_test_support.h"

namespace quorvane::testing {
namespace {

// What a screen reader is told: the object's name, or its description.
QString Heard(QObject* object, QAccessible::Text what = QAccessible::Name) {
  return QAccessible::queryAccessibleInterface(object)->text(what);
}
QAccessible::Role Role(QObject* object) { return QAccessible::queryAccessibleInterface(object)->role(); }

QStringList Panels(TForm1& form) {
  QStringList texts;
  for (int i = 0; i < TStatusBar::PanelCount; ++i) texts << Heard(Control<TStatusBar>(form, "StatusBar1")->Panel(i));
  return texts;
}

TEST_F(WindowTest, ScreenReaderHearsTheControlsTheStatusAndTheBoard) {
  TForm1& form = Show();
  auto* button3 = Control<QPushButton>(form, "Button3");
  auto* paintBox1 = Control<TPaintBox>(form, "PaintBox1");
  const std::pair<const char*, const char*> named[] = {
      {"Button2", "New game"}, {"Button3", "Pause"}, {"Button4", "Help"},   {"Button1", "Exit"},
      {"LeftSpeed", "Left"},   {"UpSpeed", "Up"},    {"DownSpeed", "Down"}, {"RightSpeed", "Right"}};
  for (auto [button, name] : named) {
    EXPECT_EQ(Heard(Control<QWidget>(form, button)), name);
    EXPECT_EQ(Role(Control<QWidget>(form, button)), QAccessible::Button);
  }
  EXPECT_EQ(Control<QToolButton>(form, "RightSpeed")->toolTip(), "Right");
  EXPECT_EQ(Heard(paintBox1), "Board");
  EXPECT_EQ(Role(paintBox1), QAccessible::Graphic);
  EXPECT_EQ(Heard(paintBox1, QAccessible::Description),
            "Quorvane Sinuvar. Use cursor keys to move. Collect the blue blobs. Avoid the walls. "
            "Click New Game to play.");
  EXPECT_EQ(QApplication::focusWidget(), paintBox1) << "the reader starts on the board";
  EXPECT_EQ(Role(Control<TStatusBar>(form, "StatusBar1")->Panel(0)), QAccessible::StaticText);
  EXPECT_EQ(Control<TStatusBar>(form, "StatusBar1")->Panel(2)->geometry(), QRect(258, 2, 127, 17))
      << "a sunken box in its slot";

  StartHeldGame();
  form.SuperTimer1Timer();
  EXPECT_EQ(Panels(form), (QStringList{"", "Score : 10", "Hi : 10", "Easy"}));
  // The head is at (15, 10) heading right; the blob waits at (2, 2).
  EXPECT_EQ(Heard(paintBox1, QAccessible::Description),
            "Playing. Score 10. The snake is 5 cells long, heading right. "
            "The blob is 13 cells left and 8 cells up of the head.");
  SuperTimer1().SetEnabled(true);  // running, so that the button pauses
  QTest::mouseClick(button3, Qt::LeftButton);
  EXPECT_EQ(Panels(form)[0], "Paused");
  EXPECT_EQ(Heard(button3), "Resume");
  EXPECT_TRUE(Heard(paintBox1, QAccessible::Description).startsWith("Paused. Score 10."));

  ModalAnswers answers;
  answers.Then([&](QWidget* modal) {
    auto* dialog = static_cast<TForm4*>(modal);
    EXPECT_EQ(Heard(Control<QLineEdit>(*dialog, "Edit1")), "Your name");
    EXPECT_EQ(Heard(paintBox1, QAccessible::Description), "Game over. Score 50. The snake is 5 cells long.");
    EXPECT_EQ(Panels(form), (QStringList{"Game over", "Score : 50", "Hi : 50", "Easy"}));
    dialog->accept();
  });
  answers.Then(ModalAnswers::Press(QMessageBox::No));
  StepUntilCrash();
  EXPECT_TRUE(answers.AllUsed());
  EXPECT_TRUE(Heard(paintBox1, QAccessible::Description).startsWith("Quorvane Sinuvar. Use cursor keys"));
}

}  // namespace
}  // namespace quorvane::testing
