// The real window on its real timer at a 30 ms step, played by a random
// player: arrow keys, pauses, the About box and the help window opened and
// closed during play, every box answered, and a clean close at the end.
#include <gtest/gtest.h>

#include <random>

#include <QProcess>

#include "support/window_test_support.h"

namespace quorvane::testing {
namespace {

TEST_F(HelpWindowTest, SoakAtAThirtyMillisecondStepWithKeysPausesAboutAndHelp) {
  ProcessHelpService& help = Help();
  // Faster than any level's floor: only a hand-edited file asks for it.
  WriteSettings(
      "[SKILL]\nLEVEL=4\n[CUSTOM]\nSNAKESPEED=30\nMOVEMAX=2\nMAXMAX=3\nWALLMAX=1\nWALLNUM=3\n"
      "[SCORE]\nHISCORE=30\nHINAME=Old\n[MINE]\nKEPT=yes\n");
  TForm1& form = Show();

  std::mt19937 rng(99);
  auto roll = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  int steps = 0, gameOvers = 0, aboutShown = 0;
  std::string fault, hiName = "Old";
  SuperTimer1().SetOnTimer([&](TSuperTimer&) {
    form.SuperTimer1Timer();
    ++steps;
    if (fault.empty() && Running()) fault = PictureFault(Seen());
  });

  ModalAnswers answers;
  answers.Otherwise([&](QWidget* modal) {
    if (qobject_cast<TForm4*>(modal)) {
      hiName = "Soak";
      EnterName("Soak")(modal);
    } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      ASSERT_EQ(box->text(), "Game Over! Would you like to play again?");
      ++gameOvers;
      box->button(roll(4) != 0 ? QMessageBox::Yes : QMessageBox::No)->click();
    } else if (auto* about = qobject_cast<TForm5*>(modal)) {
      ++aboutShown;
      // The game runs on behind the box for a while.
      QTimer::singleShot(400, about, [about] { Control<QPushButton>(*about, "Button1")->click(); });
    } else {
      ADD_FAILURE() << "unexpected window " << modal->windowTitle().toStdString();
    }
  });

  // The player acts every 40 ms, between the boxes.
  QTimer player;
  player.setInterval(40);
  int turns = 0;
  QObject::connect(&player, &QTimer::timeout, [&] {
    if (QApplication::activeModalWidget() != nullptr) return;
    ++turns;
    if (!Running()) {
      QTest::mouseClick(Control<QPushButton>(form, "Button2"), Qt::LeftButton);
    } else if (turns % 60 == 20) {
      QTimer::singleShot(0, Control<QAction>(form, "About1"),
                         &QAction::trigger);  // modal: not from inside this handler
    } else if (turns % 90 == 45) {
      QTest::mouseClick(Control<QPushButton>(form, "Button4"), Qt::LeftButton);
    } else if (turns % 90 == 80) {
      help.Quit();
    } else if (roll(25) == 0 || !SuperTimer1().Enabled()) {
      QTest::mouseClick(Control<QPushButton>(form, "Button3"), Qt::LeftButton);  // pause, or resume
    } else {
      constexpr Qt::Key kArrows[] = {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down};
      QTest::keyClick(&form, kArrows[roll(4)]);
    }
  });
  QTest::mouseClick(Control<QPushButton>(form, "Button2"), Qt::LeftButton);
  player.start();

  ASSERT_TRUE(QTest::qWaitFor([&] { return steps >= 300 || !fault.empty(); }, 120000)) << steps << " steps";
  player.stop();
  EXPECT_EQ(fault, "");
  EXPECT_GT(gameOvers, 0);
  EXPECT_GT(aboutShown, 0);
  EXPECT_GT(Activations, 0) << "the help viewer came up";
  EXPECT_TRUE(Problems.isEmpty()) << Problems.join(u'|').toStdString();
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeModalWidget() == nullptr; }, 5000));

  // "Hi : " and the best score, as the last step left it.
  const std::string hiScore = Panel(HiScorePanel).mid(5).toStdString();
  EXPECT_TRUE(form.close());
  EXPECT_FALSE(SuperTimer1().Enabled());
  const QStringList viewers = {"-x", "-P", QString::number(QCoreApplication::applicationPid()), "tolvenix-help"};
  EXPECT_TRUE(QTest::qWaitFor([&] { return QProcess::execute("pgrep", viewers) == 1; }, 10000))
      << "the help the topics opened is quit";
  EXPECT_THAT(ReadSettings(), AllOf(HasSubstr("HISCORE=" + hiScore + "\n"), HasSubstr("HINAME=" + hiName + "\n"),
                                    HasSubstr("SNAKESPEED=30\n"), HasSubstr("KEPT=yes")));
}

}  // namespace
}  // namespace quorvane::testing
