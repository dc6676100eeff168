#include <gtest/gtest.h>

#include <QHelpContentWidget>
#include <QScrollBar>

#include "help/help_window.h"
#include "help/qt_help_service.h"
#include "support/controls.h"
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

TEST_F(WindowTest, HelpButtonMenuAndF1ShowTheTopicsAndMarkHelpOpened) {
  TForm1& form = Show();
  RecordingHelp help;
  form.SetHelpService(&help);
  EXPECT_FALSE(form.HelpOpened);
  QTest::mouseClick(Control<QPushButton>(form, "Button4"), Qt::LeftButton);
  EXPECT_TRUE(form.HelpOpened);
  form.HelpOpened = false;
  Control<QAction>(form, "Helptopics1")->trigger();
  EXPECT_TRUE(form.HelpOpened);
  form.HelpOpened = false;
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  QTest::keyClick(&form, Qt::Key_F1);
  EXPECT_TRUE(form.HelpOpened);
  EXPECT_EQ(help.calls, (Calls{"topics", "topics", "topics"}));
}

TEST_F(WindowTest, PrivacyStatementAloneIsNotQuitAtClose) {
  TForm1& form = Show();
  RecordingHelp help;
  form.SetHelpService(&help);
  Control<QAction>(form, "Privacystatement1")->trigger();
  EXPECT_FALSE(form.HelpOpened);
  EXPECT_TRUE(form.close());
  EXPECT_EQ(help.calls, Calls{"context 1010"}) << "the end of the program quits it instead";
}

TEST_F(WindowTest, CloseQuitsHelpThatTheTopicsOpened) {
  TForm1& form = Show();
  RecordingHelp help;
  form.SetHelpService(&help);
  form.Button4Click();
  EXPECT_TRUE(form.close());
  EXPECT_EQ(help.calls, (Calls{"topics", "quit"}));
}

TEST_F(WindowTest, KeysInTheHelpWindowAreTheReadersNotTheSnakes) {
  const QByteArray savedCache = qgetenv("XDG_CACHE_HOME");
  qputenv("XDG_CACHE_HOME", dir_.filePath("cache").toUtf8());
  QtHelpService help(QStringLiteral(QUORVANE_BIN_DIR));
  TForm1& form = Show();
  form.SetHelpService(&help);
  StartHeldGame();
  form.Button4Click();
  THelpWindow* window = help.Window();
  ASSERT_NE(window, nullptr);
  window->resize(420, 260);  // short enough for the topic to scroll
  help.ShowContext(OptionsHelpContext);
  QApplication::processEvents();
  State().DirectionQueue.clear();

  QScrollBar* bar = window->Browser->verticalScrollBar();
  for (int i = 0; i < 3; ++i) QTest::keyClick(window->Browser, Qt::Key_Down);
  EXPECT_GT(bar->value(), 0) << "the topic scrolls";
  QTest::keyClick(window->Browser, Qt::Key_Left);

  // Arrows move through the contents and Enter opens the chosen topic.
  ASSERT_TRUE(QTest::qWaitFor([&] { return window->Contents->model()->rowCount() > 0; }, 10000));
  window->Contents->expandAll();
  window->Contents->setCurrentIndex(window->Contents->model()->index(0, 0));
  QTest::keyClick(window->Contents, Qt::Key_Down);
  QTest::keyClick(window->Contents, Qt::Key_Return);
  EXPECT_TRUE(window->Browser->source().path().endsWith("/playing.html"))
      << window->Browser->source().toString().toStdString();
  EXPECT_TRUE(State().DirectionQueue.empty()) << "no key in the help window steers";

  QTest::keyClick(Control<QPushButton>(form, "Button4"), Qt::Key_Up);
  ASSERT_EQ(State().DirectionQueue.size(), 1u) << "the main window still steers";
  EXPECT_EQ(State().DirectionQueue[0].Value, Up);
  form.SetHelpService(nullptr);
  savedCache.isNull() ? qunsetenv("XDG_CACHE_HOME") : qputenv("XDG_CACHE_HOME", savedCache);
}

}  // namespace
}  // namespace quorvane::testing
