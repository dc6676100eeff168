#include <gmock/gmock.h>

#include <QCheckBox>
#include <QRadioButton>
#include <QToolButton>

#include "dialog_test_support.h"
#include "dialogs/radio_group.h"
#include "dialogs/up_down.h"

namespace quorvane::testing {
namespace {

TEST_F(OptionsWindowTest, AcceptedValuesAreTakenBackAndUsedByTheNextGame) {
  TForm1& form = ShowStored("[CUSTOM]\nMOVEMAX=7\nSNAKESPEED=305\n[SCORE]\nHISCORE=20\nHINAME=Bo\n");
  std::ofstream(folder_ + "/new.wav") << "fresh";
  const SoundImage gameOverBefore = Played(GameSound::GameOver);
  ASSERT_TRUE(Options([&](TForm3& d) {
    ASSERT_EQ(Control<QLabel>(d, "Label13")->text(), "20") << "the stored best";
    Control<QRadioButton>(d, "RadioButton3")->click();
    Control<QLineEdit>(d, "Edit5")->setText(QString::fromStdString(folder_ + "/new.wav"));
    Control<QLineEdit>(d, "Edit7")->setText(QString::fromStdString(folder_ + "/new.wav"));
    Control<QRadioButton>(d, "RadioButton7")->click();
    Control<TRadioGroup>(d, "RadioGroup1")->Item(Down)->click();  // from the stored Right: row 6, column 19
    for (int i = 0; i < 2; ++i) SpinButton(d, "UpDown5", "Down")->click();
    Control<QPushButton>(d, "Button2")->click();
  }));

  const SoundImage blob = Played(GameSound::Blob);
  EXPECT_EQ(blob ? std::string(blob->begin(), blob->end()) : "", "fresh");
  EXPECT_EQ(Played(GameSound::GameOver), gameOverBefore) << "same path, not reloaded";
  EXPECT_EQ(Played(GameSound::HiScore), blob) << "one file named twice is read once";

  StartHeldGame();
  EXPECT_EQ(Seen()[4 * BoardColumns + 19], Down) << "the tail, pointing down";
  EXPECT_EQ(HeadIn(Seen()), QPoint(19, 8)) << "the head four cells below";
  EXPECT_EQ(SuperTimer1().Interval(), 160) << "Difficult";
  const int plays = sounds_.plays;
  for (int i = 0; i < 3; ++i) form.SuperTimer1Timer();
  EXPECT_EQ(sounds_.plays, plays) << "no sound for beating a score just accepted";

  // The speed is the slider's value, whatever the level.
  const GameSettings s = SavedSettings();
  EXPECT_EQ(
      std::tie(s.Level, s.MoveMax, s.SnakeSpeed, s.Mode, s.CustomDirection, s.CustomVPos, s.CustomHPos, s.HiScore),
      std::tuple(Difficult, 7, 300, CustomStart, Down, 4, 19, 30));
  EXPECT_EQ(std::tie(s.BallWav, s.WavFolder, s.HiName), std::tuple(folder_ + "/new.wav", folder_, "Bo"));
}

// A Latin-1 file name or holder's name shows with replacement characters
// and goes back as it was read; a retyped path is encoded for the file
// system (and read), a reset name is empty.
TEST_F(OptionsWindowTest, StoredTextsKeepTheirBytesUnlessEdited) {
  ShowStored("");
  const std::string latin1 = folder_ + "/\xe9t\xe9.wav", utf8 = folder_ + "/\xc3\xa9t\xc3\xa9.wav";
  std::ofstream(latin1) << "latin";
  std::ofstream(utf8) << "utf8";
  const struct {
    std::string stored;
    QString typed;
    std::string taken, played;
    std::string holder;
    bool reset;
    std::string holderTaken;
  } rows[] = {
      {latin1, "", latin1, "latin", "\xe9l\xe8ve", false, "\xe9l\xe8ve"},
      {latin1, "/\u00e9t\u00e9.wav", utf8, "utf8", "\xe9l\xe8ve", true, ""},
      {utf8 + "x", "/\u00e9t\u00e9.wav", utf8, "utf8", "\xc3\xa9l\xc3\xa8ve", false, "\xc3\xa9l\xc3\xa8ve"},
  };
  for (const auto& row : rows) {
    WriteSettings("[SOUNDS]\nWAVFOLDER=" + folder_ + "\nBALLWAV=" + row.stored +
                  "\n[SCORE]\nHISCORE=5\nHINAME=" + row.holder + "\n");
    Show();
    EXPECT_TRUE(Options([&](TForm3& d) {
      if (!row.typed.isEmpty()) Control<QLineEdit>(d, "Edit5")->setText(QString::fromStdString(folder_) + row.typed);
      if (row.reset) Answering(QMessageBox::Yes, Control<QPushButton>(d, "Button6"));
      ModalAnswers refused;  // watches only the boxes Ok raises
      refused.Otherwise([](QWidget* box) {
        ADD_FAILURE() << "Ok refused the path: " << qobject_cast<QMessageBox*>(box)->text().toStdString();
        ModalAnswers::Press(QMessageBox::Ok)(box);
      });
      Control<QPushButton>(d, "Button2")->click();
    }));
    const SoundImage blob = Played(GameSound::Blob);
    EXPECT_EQ(blob ? std::string(blob->begin(), blob->end()) : "", row.played);
    EXPECT_EQ(SavedSettings().BallWav, row.taken);
    EXPECT_EQ(SavedSettings().HiName, row.holderTaken);
  }
}

TEST_F(OptionsWindowTest, ResetCountsOnlyWhenAccepted) {
  ShowStored("[SCORE]\nHISCORE=900\nHINAME=Bo\n[POSITION]\nMODE=2\nCUSTOMDIRECTION=-1\n");
  const GameSettings before = FileSettings();
  EXPECT_TRUE(Options(
      [](TForm3& d) {
        Answering(QMessageBox::No, Control<QPushButton>(d, "Button6"));
        EXPECT_EQ(Control<QLabel>(d, "Label13")->text() + Control<QLabel>(d, "Label15")->text(), "900Bo");
        Answering(QMessageBox::Yes, Control<QPushButton>(d, "Button6"));
        EXPECT_EQ(Control<QLabel>(d, "Label13")->text() + Control<QLabel>(d, "Label15")->text(), "0");
        Control<QRadioButton>(d, "RadioButton4")->click();
        Control<QPushButton>(d, "Button1")->click();
      },
      [](TForm3& d) {
        EXPECT_EQ(Control<QLabel>(d, "Label13")->text(), "900") << "a new dialog starts from the settings";
        Answering(QMessageBox::Yes, Control<QPushButton>(d, "Button6"));
        Control<QPushButton>(d, "Button2")->click();
      }));
  StartHeldGame();
  EXPECT_EQ(Seen(), HeldStart()) << "no direction: the default start";
  GameSettings reset = before;
  reset.HiScore = 0;
  reset.HiName = "";
  EXPECT_EQ(SavedSettings(), reset) << "Cancel changed nothing; Ok took the reset and kept no direction";
}

TEST_F(OptionsWindowTest, SoundsOffDropsWhatWasTypedOrBrowsed) {
  FakeWavBrowser browser;
  browser.answers = {QStringLiteral("/somewhere/else/beep.wav")};
  ports_.Browser = &browser;
  ShowStored("");
  const GameSettings before = FileSettings();
  EXPECT_TRUE(Options(
      [](TForm3& d) {
        Control<QLineEdit>(d, "Edit5")->setText("/typed/over.wav");
        Control<QPushButton>(d, "Button4")->click();
        Control<QCheckBox>(d, "CheckBox1")->click();
        Control<QPushButton>(d, "Button2")->click();
      },
      [](TForm3& d) {
        EXPECT_THAT(Read(d, {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4"}, &QAbstractButton::isChecked),
                    ::testing::Each(false));
        EXPECT_THAT(Read(d, {"CheckBox2", "Edit5", "Button3"}, &QWidget::isEnabled), ::testing::Each(false));
        Control<QPushButton>(d, "Button1")->click();
      }));
  const GameSettings s = SavedSettings();
  EXPECT_FALSE(s.PlayWavs || s.PlayBall || s.PlayGameOver || s.PlayHiScore);
  EXPECT_EQ(std::tie(s.BallWav, s.GameOverWav, s.WavFolder),
            std::tie(before.BallWav, before.GameOverWav, before.WavFolder));
}

TEST_F(OptionsWindowTest, FailuresAreReportedAndTheDialogReleased) {
  FailingDialogs dialogs;
  ports_.Dialogs = &dialogs;
  TForm1& form = ShowStored("[SCORE]\nHISCORE=900\n");
  const GameSettings before = FileSettings();
  ModalAnswers answers{ModalAnswers::Press(QMessageBox::Ok), ModalAnswers::Press(QMessageBox::Ok)};
  dialogs.FailAt = FailingDialogs::Stage::Create;
  Control<QAction>(form, "Options1")->trigger();
  dialogs.FailAt = FailingDialogs::Stage::Show;
  Control<QAction>(form, "Options1")->trigger();
  EXPECT_TRUE(answers.AllUsed());
  EXPECT_THAT(answers.Seen(), ElementsAre("Quorvane Sinuvar | Could not create options dialog box.",
                                          "Quorvane Sinuvar | Could not display options dialog box."));
  EXPECT_TRUE(form.findChildren<TForm3*>().isEmpty());
  EXPECT_EQ(SavedSettings(), before);
}

TEST_F(OptionsWindowTest, HelpButtonCountsAsOpeningHelpAndF1DoesNot) {
  RecordingHelp helps[2];  // F1 alone, then F1 and the Help button
  for (const bool button : {false, true}) {
    SCOPED_TRACE(button ? "F1 and Help" : "F1 alone");
    RecordingHelp& help = helps[button];
    ports_.Help = &help;
    TForm1& form = ShowStored("");
    EXPECT_TRUE(Options([&](TForm3& d) {
      QTest::keyClick(Control<QLineEdit>(d, "Edit5"), Qt::Key_F1);
      if (button) Control<QPushButton>(d, "Button7")->click();
      EXPECT_TRUE(d.isVisible());
      Control<QPushButton>(d, "Button1")->click();
    }));
    EXPECT_EQ(help.contexts, std::vector<int>(button ? 2 : 1, 1000));
    EXPECT_TRUE(form.close());
    EXPECT_EQ(help.quits, button ? 1 : 0) << "closing the window closes the help the button opened, and only that";
  }
}

}  // namespace
}  // namespace quorvane::testing
