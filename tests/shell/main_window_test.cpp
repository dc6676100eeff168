#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include "support/window_test_support.h"

namespace quorvane::testing {
namespace {

using ::testing::Each;
using ::testing::Field;
using ::testing::Property;
using ::testing::Truly;

TEST_F(WindowTest, LayoutAfterShow) {
  TForm1& form = Show();
  auto* statusBar1 = Control<TStatusBar>(form, "StatusBar1");
  EXPECT_EQ(form.centralWidget()->size(), QSize(518, 401));
  EXPECT_EQ(form.minimumSize(), form.maximumSize()) << "fixed size";
  std::vector<QRect> inClient;
  for (const char* name :
       {"PaintBox1", "Bevel5", "FlexActive1", "Panel4", "Panel3", "Panel2", "StatusBar1", "Button2"}) {
    auto* control = Control<QWidget>(form, name);
    inClient.emplace_back(control->mapTo(form.centralWidget(), QPoint(0, 0)), control->size());
  }
  // New game lines up with the board.
  EXPECT_THAT(inClient, ElementsAre(QRect(59, 78, 400, 240), QRect(56, 75, 406, 246), QRect(25, 7, 468, 60),
                                    QRect(58, 325, 405, 53), QRect(0, 75, 518, 246), QRect(0, 321, 518, 61),
                                    QRect(0, 382, 518, 19), Property(&QRect::left, 59)));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(statusBar1->PanelRect(i).right() + 1, 129 * (i + 1));
  EXPECT_EQ(statusBar1->PanelRect(3).width(), 131);
  // The arrow buttons form a cross.
  EXPECT_THAT(
      Read(form, {"UpSpeed", "DownSpeed", "LeftSpeed", "RightSpeed"}, &QWidget::geometry),
      ElementsAre(QRect(189, 4, 23, 22), QRect(189, 29, 23, 22), QRect(163, 15, 23, 22), QRect(215, 15, 23, 22)));
  EXPECT_EQ(form.windowTitle(), "Quorvane Sinuvar");
  EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(WindowTest, ControlsAtStart) {
  TForm1& form = Show();
  const QStringList buttons{"Button2", "Button3", "Button4", "Button1"};
  EXPECT_THAT(Read(form, buttons, &QAbstractButton::text), ElementsAre("&New game", "Pa&use", "He&lp", "E&xit"));
  EXPECT_THAT(Read(form, buttons, &QWidget::isEnabled), ElementsAre(true, false, true, true));
  EXPECT_THAT(Read(form, buttons, &QWidget::focusPolicy), Each(Truly([](int p) { return !(p & Qt::TabFocus); })))
      << "no tab stops";
  EXPECT_THAT(Read(form, buttons, &QWidget::size), Each(QSize(75, 25)));
  const QStringList arrows{"LeftSpeed", "UpSpeed", "DownSpeed", "RightSpeed"};
  EXPECT_THAT(Read(form, arrows, &QWidget::isEnabled), Each(false));
  EXPECT_THAT(Read(form, arrows, &QToolButton::autoRaise), Each(true));
  EXPECT_THAT(form.menuBar()->actions(),
              ElementsAre(Property(&QAction::text, "&Game"), Property(&QAction::text, "&Help")));
  QStringList gameItems, helpItems;
  for (QAction* a : Control<QMenu>(form, "Game1")->actions()) gameItems << (a->isSeparator() ? "-" : a->text());
  for (QAction* a : Control<QMenu>(form, "Help1")->actions()) helpItems << (a->isSeparator() ? "-" : a->text());
  EXPECT_EQ(gameItems, (QStringList{"&New game", "&Pause", "&Options ...", "-", "E&xit"}));
  EXPECT_EQ(helpItems, (QStringList{"Help &topics ...", "Privacy statement ...", "-", "&About ..."}));
  EXPECT_THAT(Read(form, {"Pause1", "Options1"}, &QAction::isEnabled), ElementsAre(false, true));
  EXPECT_EQ(Control<QAction>(form, "Helptopics1")->shortcut(), QKeySequence(Qt::Key_F1));
  for (int i = 0; i < TStatusBar::PanelCount; ++i) EXPECT_TRUE(Panel(i).isEmpty()) << i;
  EXPECT_TRUE(Control<QTimer>(form, "ClickNewTimer")->isActive());
  EXPECT_EQ(Control<QTimer>(form, "ClickNewTimer")->interval(), 500);
  EXPECT_FALSE(SuperTimer1().Enabled());
  EXPECT_EQ(SuperTimer1().ThreadPriority(), TThreadPriority::tpHighest);
  EXPECT_TRUE(ShowsIntro());
  EXPECT_FALSE(Running());
}

TEST_F(WindowTest, NewGameButtonStartsAGameSteeredByArrowKeys) {
  TForm1& form = Show();
  QTest::mouseClick(Control<QPushButton>(form, "Button2"), Qt::LeftButton);
  EXPECT_TRUE(Running());
  EXPECT_TRUE(SuperTimer1().Enabled());
  EXPECT_EQ(SuperTimer1().Interval(), 250);
  EXPECT_EQ(Panel(SkillLevelPanel), "Easy");
  EXPECT_TRUE(Control<QToolButton>(form, "UpSpeed")->isEnabled());
  EXPECT_FALSE(Control<QTimer>(form, "ClickNewTimer")->isActive());

  // The real step timer moves the snake; the key goes through the
  // application's filter whichever widget has the focus.
  QTest::keyClick(Control<QPushButton>(form, "Button4"), Qt::Key_Up);
  ASSERT_TRUE(QTest::qWaitFor([&] { return HeadIn(Seen()).y() < 10; }, 10000));
  EXPECT_FALSE(Control<QToolButton>(form, "DownSpeed")->isEnabled()) << "moving up, Down is barred";
  ASSERT_TRUE(QTest::qWaitFor([&] { return Panel(ScorePanel).startsWith("Score : "); }, 5000));
}

TEST_F(WindowTest, ArrowButtonsQueueDirections) {
  TForm1& form = StartHeldGame();
  QTest::mouseClick(Control<QToolButton>(form, "UpSpeed"), Qt::LeftButton);
  QTest::mouseClick(Control<QToolButton>(form, "LeftSpeed"), Qt::LeftButton);
  EXPECT_EQ(Moves(4), (std::vector<int>{Right, Up, Left, Left})) << "the start direction, then the two in order";
}

// Counts the key presses that reach a widget.
class KeySpy : public QObject {
 public:
  int presses = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::KeyPress) ++presses;
    return false;
  }
};

TEST_F(WindowTest, EnterIsSwallowedOnlyDuringAGame) {
  TForm1& form = Show();
  auto* button4 = Control<QPushButton>(form, "Button4");
  KeySpy spy;
  button4->installEventFilter(&spy);
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Up}) QTest::keyClick(button4, key);
  EXPECT_EQ(spy.presses, 2) << "between games keys reach the window";

  StartHeldGame();
  spy.presses = 0;
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Down, Qt::Key_A, Qt::Key_Left})
    QTest::keyClick(button4, key);
  EXPECT_EQ(spy.presses, 1) << "only the A key gets through";
  // Each turn queued once, and Up from before the game not at all.
  EXPECT_EQ(Moves(3), (std::vector<int>{Right, Down, Left})) << "the start direction, Down, Left";
}

TEST_F(WindowTest, PauseAndResume) {
  TForm1& form = Show();
  auto* button3 = Control<QPushButton>(form, "Button3");
  auto* pause1 = Control<QAction>(form, "Pause1");
  QTest::mouseClick(Control<QPushButton>(form, "Button2"), Qt::LeftButton);
  // Paused by the button, resumed by the menu item.
  for (auto [paused, caption, status] : {std::tuple{true, "Res&ume", "Paused"}, {false, "Pa&use", ""}}) {
    paused ? QTest::mouseClick(button3, Qt::LeftButton) : pause1->trigger();
    EXPECT_EQ(SuperTimer1().Enabled(), !paused) << caption;
    EXPECT_EQ(button3->text(), caption);
    EXPECT_EQ(pause1->isChecked(), paused) << caption;
    EXPECT_EQ(Panel(GameStatePanel), status);
    EXPECT_EQ(Control<QToolButton>(form, "LeftSpeed")->isEnabled(), !paused) << caption;
    form.Game1Click();
    EXPECT_FALSE(Control<QAction>(form, "Options1")->isEnabled()) << "no options during a game, paused or not";
  }
}

TEST_F(WindowTest, CrashAnsweredNoReturnsToTheIntro) {
  TForm1& form = StartHeldGame();
  ModalAnswers answers{EnterName("Ada", "50"), ModalAnswers::Press(QMessageBox::No)};
  StepUntilCrash();
  EXPECT_TRUE(answers.AllUsed());
  EXPECT_THAT(answers.Seen(), ElementsAre("Quorvane Sinuvar - New hi score",
                                          "Quorvane Sinuvar | Game Over! Would you like to play again?"));
  EXPECT_TRUE(ShowsIntro());
  EXPECT_EQ(Panel(0), "Game over");
  for (const char* name : {"LeftSpeed", "UpSpeed", "DownSpeed", "RightSpeed", "Button3"})
    EXPECT_FALSE(Control<QWidget>(form, name)->isEnabled()) << name;
  EXPECT_FALSE(Control<QAction>(form, "Pause1")->isEnabled());
  EXPECT_TRUE(Control<QTimer>(form, "ClickNewTimer")->isActive());
  form.Game1Click();
  EXPECT_TRUE(Control<QAction>(form, "Options1")->isEnabled());
  EXPECT_THAT(SavedSettings(), AllOf(Field(&GameSettings::HiName, "Ada"), Field(&GameSettings::HiScore, 50)));
}

TEST_F(WindowTest, CrashAnsweredYesStartsTheNextGame) {
  WriteSettings("[SCORE]\nHISCORE=1000\nHINAME=Bo\n");
  TForm1& form = StartHeldGame();
  ModalAnswers answers{ModalAnswers::Press(QMessageBox::Yes)};
  for (int i = 0; i < 6; ++i) form.SuperTimer1Timer();  // five moves, then the edge
  EXPECT_TRUE(answers.AllUsed());
  EXPECT_EQ(answers.Seen().size(), 1u) << "no new best, so no name is asked";
  EXPECT_TRUE(Running());
  EXPECT_TRUE(SuperTimer1().Enabled());
  EXPECT_EQ(HeadIn(Seen()), QPoint(14, 10));
  EXPECT_EQ(SavedSettings().HiName, "Bo");
}

TEST_F(WindowTest, CloseSavesTheHiScoreReachedDuringPlay) {
  const std::string cheer = dir_.filePath("cheer.wav").toStdString();
  std::ofstream(cheer) << "cheer";
  WriteSettings("[SCORE]\nHISCORE=20\nHINAME=Bo\n[MINE]\nKEPT=yes\n[SOUNDS]\nPLAYWAVS=1\nPLAYHISCORE=1\nHISCOREWAV=" +
                cheer + "\n");
  TForm1& form = StartHeldGame();
  for (int i = 0; i < 4; ++i) form.SuperTimer1Timer();
  EXPECT_EQ(sounds_.plays, 1) << "passing the stored best cheers, once";
  EXPECT_TRUE(form.close());
  // The name changes only at game over.
  EXPECT_THAT(ReadSettings(),
              AllOf(HasSubstr("HISCORE=40"), HasSubstr("HINAME=Bo"), HasSubstr("KEPT=yes"), HasSubstr("LEVEL=1")));
  EXPECT_FALSE(SuperTimer1().Enabled());
}

TEST_F(WindowTest, UnwritableSettingsKeepTheWindowOpenOnce) {
  // A regular file where the settings folder should be: no file can be made.
  std::ofstream(dir_.path().toStdString() + "/blocker") << "x";
  location_.IniFile = std::filesystem::path(dir_.path().toStdString()) / "blocker" / "Tolvenix.ini";
  TForm1& form = Show();
  ModalAnswers answers{ModalAnswers::Press(QMessageBox::Ok)};
  QTest::mouseClick(Control<QPushButton>(form, "Button1"), Qt::LeftButton);
  EXPECT_TRUE(answers.AllUsed());
  EXPECT_THAT(answers.Seen(), ElementsAre("Quorvane Sinuvar | Unable to write to Tolvenix.ini."));
  EXPECT_TRUE(form.isVisible()) << "the close was abandoned";

  Control<QAction>(form, "Exit1")->trigger();
  EXPECT_FALSE(form.isVisible()) << "the second close lets the player go";
  EXPECT_EQ(answers.Seen().size(), 1u);
}

TEST_F(WindowTest, UnreadableSoundWarnsOnceAtShowAndFolderIsSilent) {
  const std::string folder = dir_.path().toStdString();
  const std::string pipe = folder + "/pipe.wav";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
  WriteSettings("[SOUNDS]\nGAMEOVERWAV=" + pipe + "\nHISCOREWAV=" + pipe + "\nBALLWAV=" + folder + "\n");
  ModalAnswers answers{ModalAnswers::Press(QMessageBox::Ok)};
  Show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return answers.AllUsed(); }));
  QTest::qWait(50);  // room for a second warning that must not come
  // One warning for the pipe named twice, none for the folder.
  EXPECT_THAT(answers.Seen(), ElementsAre("Quorvane Sinuvar | Could not load sound file."));
  for (GameSound sound : {GameSound::GameOver, GameSound::HiScore, GameSound::Blob})
    EXPECT_EQ(Played(sound), nullptr) << static_cast<int>(sound);
}

}  // namespace
}  // namespace quorvane::testing
