#include "shell/session_end.h"

#include <gtest/gtest.h>

#include <csignal>
#include <stdexcept>

#include "support/window_test_support.h"

namespace quorvane::testing {
namespace {

class QuitRecordingHelp final : public HelpService {
 public:
  void ShowTopics() override {}
  void ShowContext(int) override {}
  void Quit() override { ++quits; }
  int quits = 0;
};

// Runs the window's event loop, with `during` run inside it.
int RunWith(TForm1& form, std::function<void()> during) {
  QTimer::singleShot(0, std::move(during));
  return RunMainWindow(form);
}

TEST_F(WindowTest, EachEndSignalClosesTheWindowAsExitDoes) {
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(signal);
    WriteSettings("[SCORE]\nHISCORE=20\nHINAME=Bo\n");
    QuitRecordingHelp help;
    ports_.Help = &help;
    TForm1& form = Show();
    form.Button4Click();  // help topics: the close must quit them
    {
      SessionEnd sessionEnd;
      EXPECT_THROW(SessionEnd(), std::logic_error) << "two would fight over the handlers";
      StartHeldGame();
      for (int i = 0; i < 4; ++i) form.SuperTimer1Timer();
      EXPECT_EQ(RunWith(form, [signal] { ::raise(signal); }), 0);
      EXPECT_FALSE(form.isVisible());
      EXPECT_EQ(help.quits, 1);
      EXPECT_FALSE(SuperTimer1().Enabled());
      // The best score reached in play is kept.
      EXPECT_THAT(ReadSettings(), AllOf(HasSubstr("HISCORE=40"), HasSubstr("LEVEL=1")));
    }
    struct sigaction now {};
    ::sigaction(signal, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL) << "the earlier handler is back";
  }
}

TEST_F(WindowTest, SignalDuringTheGameOverDialogsStillSavesAndEnds) {
  TForm1& form = Show();
  SessionEnd sessionEnd;
  StartHeldGame();
  ModalAnswers answers{[](QWidget* modal) {
    EXPECT_NE(qobject_cast<TForm4*>(modal), nullptr) << "the new hi score dialog is open";
    ::raise(SIGTERM);
  }};
  // The play-again question that follows must not wait for an answer either.
  EXPECT_EQ(RunWith(form, [&] { StepUntilCrash(); }), 0);
  EXPECT_TRUE(answers.AllUsed());
  EXPECT_EQ(answers.Seen().size(), 1u);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_THAT(ReadSettings(), HasSubstr("HISCORE=50"));
}

// The session manager's "die" reaches the application as a quit request.
TEST_F(WindowTest, QuitRequestWithTheAboutBoxOpenSavesAndEnds) {
  TForm1& form = Show();
  SessionEnd sessionEnd;
  ModalAnswers answers{[](QWidget*) { QCoreApplication::quit(); }};
  EXPECT_EQ(RunWith(form, [&] { Control<QAction>(form, "About1")->trigger(); }), 0);
  EXPECT_TRUE(answers.AllUsed());
  EXPECT_FALSE(form.isVisible());
  EXPECT_THAT(ReadSettings(), HasSubstr("LEVEL=1")) << "saved";
}

TEST_F(WindowTest, FailedSaveAtTheEndOfTheSessionStillEndsWithoutABox) {
  std::ofstream(dir_.path().toStdString() + "/blocker") << "x";
  location_.IniFile = std::filesystem::path(dir_.path().toStdString()) / "blocker" / "Tolvenix.ini";
  TForm1& form = Show();
  SessionEnd sessionEnd;
  ModalAnswers answers;  // none expected: a box would wait for nobody
  ::testing::internal::CaptureStderr();
  const int status = RunWith(form, [] { ::raise(SIGTERM); });
  const std::string printed = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(status, 1);
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(answers.Seen().empty());
  EXPECT_EQ(printed, "tolvenix: Unable to write to Tolvenix.ini.\n");
}

}  // namespace
}  // namespace quorvane::testing
