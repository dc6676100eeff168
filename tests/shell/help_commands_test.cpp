#include <gtest/gtest.h>

#include <QScopeGuard>

#include "support/window_test_support.h"

namespace quorvane::testing {
namespace {

// Remembers every command the window gives its help viewer.
class RecordingHelp final : public HelpService {
 public:
  void ShowTopics() override { calls.push_back("topics"); }
  void ShowContext(int context) override { calls.push_back("context " + std::to_string(context)); }
  void Quit() override { calls.push_back("quit"); }
  std::vector<std::string> calls;
};
using Calls = std::vector<std::string>;

// Each way to the help topics shows them and has the close quit them; the
// privacy statement alone is left to the end of the program.
TEST_F(WindowTest, HelpCommandsAndWhatTheCloseQuits) {
  const struct {
    const char* how;
    std::function<void(TForm1&)> open;
    Calls calls;
  } rows[] = {
      {"button",
       [](TForm1& form) { QTest::mouseClick(Control<QPushButton>(form, "Button4"), Qt::LeftButton); },
       {"topics", "quit"}},
      {"menu", [](TForm1& form) { Control<QAction>(form, "Helptopics1")->trigger(); }, {"topics", "quit"}},
      {"F1",
       [](TForm1& form) {
         form.activateWindow();
         ASSERT_TRUE(WaitUntilActive(&form));
         QTest::keyClick(&form, Qt::Key_F1);
       },
       {"topics", "quit"}},
      {"privacy", [](TForm1& form) { Control<QAction>(form, "Privacystatement1")->trigger(); }, {"context 1010"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.how);
    RecordingHelp help;
    ports_.Help = &help;
    TForm1& form = Show();
    row.open(form);
    EXPECT_TRUE(form.close());
    EXPECT_EQ(help.calls, row.calls);
  }
}

// The help viewer is a program of its own: none of the game's modal windows
// holds it back. Beside each, a help request reaches a viewer, which comes
// up active, and the dialog still keeps the main window from the player.
TEST_F(HelpWindowTest, HelpRequestsReachTheViewerBesideEveryModalWindow) {
  TForm1& form = Show();
  StartHeldGame();
  const auto reached = [&](const char* what, ModalAnswers::Action answer) {
    return [&, what, answer](QWidget* modal) {
      SCOPED_TRACE(what);
      const auto answered = qScopeGuard([&] { answer(modal); });  // after a failed check too
      // A viewer of its own each time: the one before is told to quit.
      Help().Quit();
      const int before = Activations;
      Help().ShowTopics();
      EXPECT_TRUE(QTest::qWaitFor([&] { return Activations > before; }, 20000)) << "no viewer came up";
      const bool ran = Running();
      QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {},
                        Control<QPushButton>(form, "Button2")->mapTo(&form, QPoint(5, 5)));
      EXPECT_EQ(Running(), ran) << "the main window is still held";
    };
  };
  const ModalAnswers::Action reject = [](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); };
  ModalAnswers answers;
  answers.Then(reached("about box over a running game", reject));
  answers.Then(reached("new hi score", reject));
  answers.Then(reached("message box", ModalAnswers::Press(QMessageBox::No)));
  Control<QAction>(form, "About1")->trigger();
  form.AskHiScoreName(120);
  form.AskPlayAgain();
  EXPECT_TRUE(answers.AllUsed());
  EXPECT_TRUE(Problems.isEmpty()) << Problems.join(u'|').toStdString();
}

// No viewer beside the program: the request is reported in the game's
// usual box, and the game plays on.
TEST_F(WindowTest, AHelpViewerThatCannotStartIsReportedAndTheGamePlaysOn) {
  TForm1& form = Show();  // its own help, beside this test program: no viewer there
  StartHeldGame();
  QString said;
  ModalAnswers answers;
  answers.Then([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    said = box->windowTitle() + u'|' + box->text();
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    ModalAnswers::Press(QMessageBox::Ok)(box);
  });
  form.Button4Click();
  EXPECT_TRUE(QTest::qWaitFor([&] { return answers.AllUsed(); }, 10000));
  EXPECT_EQ(said.toStdString(), "Quorvane Sinuvar|The help viewer " +
                                    QCoreApplication::applicationDirPath().toStdString() +
                                    "/tolvenix-help could not be started.");
  EXPECT_TRUE(Running());
}

}  // namespace
}  // namespace quorvane::testing
