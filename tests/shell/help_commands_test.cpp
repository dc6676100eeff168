#include <gtest/gtest.h>

#include <QHelpContentWidget>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QWindow>

#include "help/help_window.h"
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

TEST_F(HelpWindowTest, KeysInTheHelpWindowAreTheReadersNotTheSnakes) {
  TForm1& form = Show();
  StartHeldGame();
  form.Button4Click();
  THelpWindow* window = Help().Window();
  ASSERT_NE(window, nullptr);
  window->resize(420, 260);  // short enough for the topic to scroll
  Help().ShowContext(OptionsHelpContext);
  QApplication::processEvents();

  auto* browser = Control<THelpBrowser>(*window, "Browser");
  auto* contents = Control<QHelpContentWidget>(*window, "Contents");
  for (int i = 0; i < 3; ++i) QTest::keyClick(browser, Qt::Key_Down);
  EXPECT_GT(browser->verticalScrollBar()->value(), 0) << "the topic scrolls";
  QTest::keyClick(browser, Qt::Key_Left);

  // Arrows move through the contents and Enter opens the chosen topic.
  ASSERT_TRUE(QTest::qWaitFor([&] { return contents->model()->rowCount() > 0; }, 10000));
  contents->expandAll();
  contents->setCurrentIndex(contents->model()->index(0, 0));
  QTest::keyClick(contents, Qt::Key_Down);
  QTest::keyClick(contents, Qt::Key_Return);
  EXPECT_EQ(browser->source().fileName(), "playing.html");

  QTest::keyClick(Control<QPushButton>(form, "Button4"), Qt::Key_Up);
  EXPECT_EQ(Moves(2), (std::vector<int>{Right, Up})) << "no key in the help window steers; the main window still does";
}

// A click as the window system delivers it, where Qt holds back what a
// modal window blocks (a click sent to the widget itself would get through);
// in the middle unless told.
void ClickThroughTheWindowSystem(QWidget* widget, std::optional<QPoint> at = {}) {
  QWidget* top = widget->window();
  QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, widget->mapTo(top, at.value_or(widget->rect().center())));
}

// While any of the game's modal windows is open, the help window takes the
// mouse, the keyboard and its close box, and a help request brings it up
// over the dialog; the dialog still keeps the main window from the player.
TEST_F(HelpWindowTest, HelpStaysUsableBesideEveryModalWindow) {
  TForm1& form = Show();
  ASSERT_TRUE(WaitUntilActive(&form));
  Help().SetOwner(&form);
  StartHeldGame();
  form.Button4Click();
  THelpWindow* window = Help().Window();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  EXPECT_EQ(window->windowHandle()->transientParent(), form.windowHandle()) << "the game owns it";

  // Checks the help window beside a modal window, then gives that window its answer.
  const auto usable = [&](const char* what, ModalAnswers::Action answer, QWidget* const* owner = nullptr) {
    return [&, what, answer, owner](QWidget* modal) {
      SCOPED_TRACE(what);
      const auto answered = qScopeGuard([&] { answer(modal); });  // after a failed check too
      // Each dialog belongs to its owner, so a compositor puts it over the game.
      EXPECT_EQ(modal->windowHandle()->transientParent(), (owner ? *owner : &form)->windowHandle());
      if (!window->isVisible()) {
        Help().ShowTopics();  // a help request
        ASSERT_TRUE(WaitUntilActive(window)) << "brought up and activated";
      }
      EXPECT_EQ(window->windowHandle()->transientParent(), modal->windowHandle()) << "kept over the dialog";
      auto* tabs = Control<QTabWidget>(*window, "Tabs");
      auto* filter = Control<QLineEdit>(*window, "IndexFilter");
      const int other = 1 - tabs->currentIndex();
      ClickThroughTheWindowSystem(tabs->tabBar(), tabs->tabBar()->tabRect(other).center());
      EXPECT_EQ(tabs->currentIndex(), other) << "a click";
      tabs->setCurrentIndex(1);
      filter->setFocus();
      filter->clear();
      for (Qt::Key key : {Qt::Key_O, Qt::Key_P, Qt::Key_Left}) QTest::keyClick(window->windowHandle(), key);
      EXPECT_EQ(filter->text(), "op") << "typing";
      EXPECT_EQ(filter->cursorPosition(), 1) << "no key steers: the game would have swallowed Left";
      const bool ran = Running();
      ClickThroughTheWindowSystem(Control<QPushButton>(form, "Button2"));  // New game, behind the dialog
      EXPECT_EQ(Running(), ran) << "the main window is still held";
      window->windowHandle()->close();  // the close box
      EXPECT_FALSE(window->isVisible());
      Help().ShowTopics();
      ASSERT_TRUE(WaitUntilActive(window));
    };
  };

  const ModalAnswers::Action reject = [](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); };
  ModalAnswers answers;
  answers.Then(usable("about box over a running game", reject));
  answers.Then(usable("new hi score", reject));
  answers.Then(usable("message box", ModalAnswers::Press(QMessageBox::No)));
  // The game ends, as options can only be chosen between games.
  answers.Then(reject);
  answers.Then(ModalAnswers::Press(QMessageBox::No));
  // F1 in the options dialog shows its topic; a question on top of the
  // dialog takes the help window over, and gives it back when answered.
  QWidget* options = nullptr;
  answers.Then([&](QWidget* modal) {
    options = modal;
    ASSERT_NE(qobject_cast<TForm3*>(modal), nullptr);
    window->close();
    QTest::keyClick(modal->windowHandle(), Qt::Key_F1);
    EXPECT_EQ(Control<THelpBrowser>(*window, "Browser")->source().fileName(), "options.html");
    usable("options dialog", [](QWidget* modal) {
      QTimer::singleShot(0, modal, [modal] { static_cast<TForm3*>(modal)->Button6Click(); });
    })(modal);
  });
  answers.Then(usable("question over the options dialog", ModalAnswers::Press(QMessageBox::No), &options));
  answers.Then([&](QWidget* modal) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->windowHandle()->transientParent() == modal->windowHandle(); }));
    reject(modal);  // after a failed check too: the dialog would wait for ever
  });

  Control<QAction>(form, "About1")->trigger();
  form.AskHiScoreName(120);
  form.AskPlayAgain();
  StepUntilCrash();
  Control<QAction>(form, "Options1")->trigger();
  EXPECT_TRUE(answers.AllUsed());
  EXPECT_TRUE(QTest::qWaitFor([&] { return window->windowHandle()->transientParent() == form.windowHandle(); }))
      << "back with the game";
}

}  // namespace
}  // namespace quorvane::testing
