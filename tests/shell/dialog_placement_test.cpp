#include <gtest/gtest.h>

#include <QScreen>

#include "support/window_test_support.h"

namespace quorvane::testing {
namespace {

// Each dialog the game opens sits in the middle of the screen even when the
// main window has been moved into a corner.
TEST_F(WindowTest, DialogsAreCentredOnTheScreenNotOnTheMainWindow) {
  TForm1& form = Show();
  form.move(0, 0);
  QApplication::processEvents();
  const QPoint screenCentre = form.screen()->availableGeometry().center();
  ASSERT_GT((form.frameGeometry().center() - screenCentre).manhattanLength(), 100) << "the owner is off centre";

  std::vector<std::string> seen;
  ModalAnswers answers;
  auto expectCentred = [&](QWidget* modal) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(modal));
    seen.push_back(modal->metaObject()->className());
    EXPECT_LE((modal->frameGeometry().center() - screenCentre).manhattanLength(), 8)
        << seen.back() << " at " << modal->frameGeometry().center().x() << "," << modal->frameGeometry().center().y();
    static_cast<QDialog*>(modal)->reject();
  };
  for (int i = 0; i < 3; ++i) answers.Then(expectCentred);
  form.AskHiScoreName(120);
  Control<QAction>(form, "About1")->trigger();
  Control<QAction>(form, "Options1")->trigger();
  EXPECT_EQ(seen, (std::vector<std::string>{"quorvane::TForm4", "quorvane::TForm5", "quorvane::TForm3"}));
}

}  // namespace
}  // namespace quorvane::testing
