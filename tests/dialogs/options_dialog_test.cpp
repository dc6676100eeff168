#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include "dialog_fakes.h"
#include "dialogs/options_dialog.h"
#include "dialogs/options_exchange.h"
#include "dialogs/radio_group.h"
#include "dialogs/up_down.h"
#include "support/controls.h"
#include "support/window_test_support.h"

namespace quorvane::testing {
namespace {

// The dialog alone, filled as the main window fills it and shown without
// its own event loop, so that the test can act between the player's moves.
class OptionsDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    for (const char* name : {"zap.wav", "boing.wav", "yehaw.wav"}) std::ofstream(Path(name).toStdString()) << "RIFF";
    stored_.WavFolder = dir_.path().toStdString();
    stored_.BallWav = Path("zap.wav").toStdString();
    stored_.GameOverWav = Path("boing.wav").toStdString();
    stored_.HiScoreWav = Path("yehaw.wav").toStdString();
  }
  QString Path(const char* name) const { return dir_.filePath(name); }

  TForm3& Open(QWidget* owner = nullptr) {
    dialog_ = std::make_unique<TForm3>(owner, help_, helpOpened_, browser_);
    FillOptionsDialog(*dialog_, stored_);
    dialog_->show();
    dialog_->activateWindow();
    EXPECT_TRUE(WaitUntilActive(dialog_.get()));
    return *dialog_;
  }

  // The field's colour, whether or not it is enabled, is the role's.
  static bool Painted(QLineEdit* edit, QPalette::ColorRole role) {
    const QColor wanted = QApplication::palette().color(role);
    return edit->palette().color(QPalette::Disabled, QPalette::Base) == wanted &&
           edit->palette().color(QPalette::Active, QPalette::Base) == wanted;
  }
  static QStringList Texts(std::initializer_list<QLineEdit*> edits) {
    QStringList texts;
    for (QLineEdit* edit : edits) texts << edit->text();
    return texts;
  }

  QTemporaryDir dir_;
  GameSettings stored_;
  RecordingHelp help_;
  FakeWavBrowser browser_;
  bool helpOpened_ = false;
  std::unique_ptr<QWidget> owner_;  // goes after the dialog it may own
  std::unique_ptr<TForm3> dialog_;
};

TEST_F(OptionsDialogTest, OpensWithTheStoredValuesAndHoldsThoseOutOfRange) {
  stored_.Level = Custom;
  stored_.MoveMax = 7;
  stored_.SnakeSpeed = 125;
  stored_.WallMax = 12;
  stored_.PlayGameOver = false;
  stored_.HiScore = 4321;
  stored_.HiName = "Ada";
  stored_.Mode = RandomStart;
  stored_.CustomDirection = Down;
  stored_.CustomHPos = 3;
  stored_.CustomVPos = 10;
  owner_ = std::make_unique<QWidget>();
  owner_->setGeometry(0, 0, 120, 90);
  owner_->show();
  TForm3& d = Open(owner_.get());
  EXPECT_EQ(d.windowTitle(), "Quorvane Sinuvar - Options");
  EXPECT_EQ(d.maximumSize(), d.minimumSize());
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_LE((d.frameGeometry().center() - screen.center()).manhattanLength(), 8) << "on the screen, not the owner";
  EXPECT_EQ(Control<TUpDown>(d, "UpDown1")->geometry(), QRect(129, 46, 15, 21));
  EXPECT_EQ(Control<QLabel>(d, "Label10")->buddy(), Control<QLineEdit>(d, "Edit4"));

  EXPECT_TRUE(Control<QRadioButton>(d, "RadioButton4")->isChecked() &&
              Control<QPushButton>(d, "Button8")->isEnabled() &&
              Painted(Control<QLineEdit>(d, "Edit4"), QPalette::Base));
  EXPECT_EQ(Texts({Control<QLineEdit>(d, "Edit1"), Control<QLineEdit>(d, "Edit2"), Control<QLineEdit>(d, "Edit3"),
                   Control<QLineEdit>(d, "Edit4")}),
            QStringList({"7", "5", "12", "2"}));
  EXPECT_EQ(Control<QSlider>(d, "TrackBar1")->value(), 17) << "125 ms shows as 130";
  EXPECT_TRUE(Control<QRadioButton>(d, "RadioButton6")->isChecked());
  EXPECT_EQ(Control<TRadioGroup>(d, "RadioGroup1")->ItemIndex(), Down);
  EXPECT_EQ(Texts({Control<QLineEdit>(d, "Edit8"), Control<QLineEdit>(d, "Edit9")}), QStringList({"6", "3"}))
      << "row 10 held within Down's rows";
  EXPECT_FALSE(Control<TRadioGroup>(d, "RadioGroup1")->isEnabled() || Control<QLineEdit>(d, "Edit9")->isEnabled());
  EXPECT_TRUE(Painted(Control<QLineEdit>(d, "Edit9"), QPalette::Button));
  EXPECT_TRUE(Control<QCheckBox>(d, "CheckBox1")->isChecked() && Control<QCheckBox>(d, "CheckBox2")->isChecked() &&
              !Control<QCheckBox>(d, "CheckBox3")->isChecked());
  EXPECT_EQ(Control<QLineEdit>(d, "Edit6")->text(), Path("boing.wav"));
  EXPECT_FALSE(Control<QLineEdit>(d, "Edit6")->isEnabled() || Control<QPushButton>(d, "Button4")->isEnabled());
  EXPECT_TRUE(Control<QLineEdit>(d, "Edit7")->isEnabled() && Control<QPushButton>(d, "Button5")->isEnabled());
  EXPECT_EQ(Control<QLabel>(d, "Label13")->text() + Control<QLabel>(d, "Label15")->text(), "4321Ada");

  stored_.Level = 7;
  stored_.Mode = 5;
  stored_.CustomDirection = 9;
  TForm3& odd = Open();
  for (QRadioButton* b : {Control<QRadioButton>(odd, "RadioButton1"), Control<QRadioButton>(odd, "RadioButton2"),
                          Control<QRadioButton>(odd, "RadioButton3"), Control<QRadioButton>(odd, "RadioButton4"),
                          Control<QRadioButton>(odd, "RadioButton5"), Control<QRadioButton>(odd, "RadioButton6"),
                          Control<QRadioButton>(odd, "RadioButton7")})
    EXPECT_FALSE(b->isChecked()) << b->text().toStdString();
  EXPECT_FALSE(Control<QLineEdit>(odd, "Edit1")->isEnabled() || Control<QSlider>(odd, "TrackBar1")->isEnabled() ||
               Control<QLineEdit>(odd, "Edit8")->isEnabled());
  EXPECT_EQ(Control<TRadioGroup>(odd, "RadioGroup1")->ItemIndex(), Up);
  stored_.CustomDirection = -1;
  TForm3& none = Open();
  EXPECT_EQ(Control<TRadioGroup>(none, "RadioGroup1")->ItemIndex(), -1);
  EXPECT_EQ(Texts({Control<QLineEdit>(none, "Edit8"), Control<QLineEdit>(none, "Edit9")}), QStringList({"10", "3"}))
      << "no direction narrows nothing";
}

TEST_F(OptionsDialogTest, EnablingRulesFollowTheButtonsOnEveryPage) {
  stored_.Level = Custom;
  stored_.Mode = CustomStart;
  TForm3& d = Open();
  auto* edit2 = Control<QLineEdit>(d, "Edit2");
  auto* checkBox3 = Control<QCheckBox>(d, "CheckBox3");
  auto* edit6 = Control<QLineEdit>(d, "Edit6");
  Control<QRadioButton>(d, "RadioButton2")->click();
  EXPECT_FALSE(edit2->isEnabled() || Control<TUpDown>(d, "UpDown2")->isEnabled() ||
               Control<QLabel>(d, "Label7")->isEnabled() || Control<QPushButton>(d, "Button8")->isEnabled());
  EXPECT_TRUE(Painted(edit2, QPalette::Button));
  Control<QRadioButton>(d, "RadioButton4")->click();
  EXPECT_TRUE(edit2->isEnabled() && Control<QLabel>(d, "Label5")->isEnabled() && Painted(edit2, QPalette::Base));
  Control<QRadioButton>(d, "RadioButton5")->click();
  EXPECT_FALSE(Control<TRadioGroup>(d, "RadioGroup1")->isEnabled() || Control<QLineEdit>(d, "Edit8")->isEnabled() ||
               Control<TUpDown>(d, "UpDown6")->isEnabled() || Control<QLabel>(d, "Label11")->isEnabled());
  Control<QRadioButton>(d, "RadioButton7")->click();
  EXPECT_TRUE(Control<TRadioGroup>(d, "RadioGroup1")->isEnabled() && Control<QLineEdit>(d, "Edit9")->isEnabled());

  Control<QTabWidget>(d, "PageControl1")->setCurrentWidget(Control<QWidget>(d, "TabSheet3"));
  Control<QPushButton>(d, "Button1")->setFocus();
  Control<QCheckBox>(d, "CheckBox1")->click();  // sounds off
  EXPECT_FALSE(Control<QCheckBox>(d, "CheckBox2")->isEnabled() || Control<QLineEdit>(d, "Edit5")->isEnabled() ||
               Control<QPushButton>(d, "Button4")->isEnabled() || Control<QLineEdit>(d, "Edit7")->isEnabled());
  EXPECT_EQ(d.focusWidget(), Control<QPushButton>(d, "Button1")) << "switching off moves no focus";
  Control<QCheckBox>(d, "CheckBox1")->click();  // three fields come on; the focus ends in the last
  EXPECT_TRUE(checkBox3->isEnabled() && edit6->isEnabled() && Painted(edit6, QPalette::Base));
  EXPECT_EQ(d.focusWidget(), Control<QLineEdit>(d, "Edit7"));
  checkBox3->click();
  EXPECT_FALSE(edit6->isEnabled() || Control<QPushButton>(d, "Button4")->isEnabled());
  EXPECT_TRUE(Control<QLineEdit>(d, "Edit5")->isEnabled());
  checkBox3->click();
  EXPECT_EQ(d.focusWidget(), edit6);
}

TEST_F(OptionsDialogTest, DirectionRangesAndTypedNumbers) {
  stored_.Level = Custom;
  stored_.Mode = CustomStart;
  stored_.CustomDirection = Down;
  stored_.CustomHPos = 3;
  stored_.CustomVPos = 4;
  TForm3& d = Open();
  auto* radioGroup1 = Control<TRadioGroup>(d, "RadioGroup1");
  auto* edit9 = Control<QLineEdit>(d, "Edit9");
  auto* edit1 = Control<QLineEdit>(d, "Edit1");
  auto* edit3 = Control<QLineEdit>(d, "Edit3");
  radioGroup1->Item(Right)->click();
  EXPECT_EQ(Texts({edit9, Control<QLineEdit>(d, "Edit8")}), QStringList({"14", "11"}));
  Control<TUpDown>(d, "UpDown6")->UpButton()->click();
  EXPECT_EQ(edit9->text(), "14") << "the spin buttons stop at the range's end";
  radioGroup1->Item(Up)->click();
  EXPECT_EQ(Control<TUpDown>(d, "UpDown5")->Min(), 5);
  radioGroup1->Item(Down)->click();
  EXPECT_EQ(Texts({edit9, Control<QLineEdit>(d, "Edit8")}), QStringList({"3", "4"})) << "the stored cell again";

  Control<QTabWidget>(d, "PageControl1")->setCurrentIndex(0);
  edit1->setFocus();
  edit1->selectAll();
  QTest::keyClicks(edit1, "25");
  EXPECT_EQ(edit1->text(), "25") << "typing is not refused";
  QTest::keyClick(edit1, Qt::Key_Tab);
  EXPECT_EQ(edit1->text(), "20");
  edit1->setFocus();
  edit1->selectAll();
  QTest::keyClicks(edit1, "abc");
  edit3->setFocus();
  EXPECT_EQ(edit1->text(), "20") << "no number: the previous value";
  // Enter accepts without leaving the field; what it shows is what counts.
  edit3->selectAll();
  QTest::keyClicks(edit3, " -7");
  QTest::keyClick(edit3, Qt::Key_Return);
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(Control<TUpDown>(d, "UpDown3")->Position(), 1);
}

TEST_F(OptionsDialogTest, UseDefaultsAsksFirst) {
  stored_.Level = Custom;
  stored_.MoveMax = 9;
  stored_.SnakeSpeed = 150;
  TForm3& d = Open();
  ModalAnswers answers;
  answers.Then(ModalAnswers::Press(QMessageBox::No));
  answers.Then(ModalAnswers::Press(QMessageBox::Yes));
  Control<QPushButton>(d, "Button8")->click();
  EXPECT_EQ(Control<QLineEdit>(d, "Edit1")->text(), "9");
  Control<QPushButton>(d, "Button8")->click();
  EXPECT_EQ(Texts({Control<QLineEdit>(d, "Edit1"), Control<QLineEdit>(d, "Edit2"), Control<QLineEdit>(d, "Edit3"),
                   Control<QLineEdit>(d, "Edit4")}),
            QStringList({"5", "5", "1", "2"}));
  EXPECT_EQ(Control<QSlider>(d, "TrackBar1")->value(), 0);
  ASSERT_EQ(answers.Seen().size(), 2u);
  EXPECT_EQ(answers.Seen()[0], "Quorvane Sinuvar - Options | Reset defaults for custom skill level?");
}

TEST_F(OptionsDialogTest, OkChecksOnlyTheCheckedSoundsInOrder) {
  stored_.BallWav = "";
  stored_.GameOverWav = dir_.path().toStdString();  // a folder
  TForm3& d = Open();
  auto* button2 = Control<QPushButton>(d, "Button2");
  auto* edit6 = Control<QLineEdit>(d, "Edit6");
  ModalAnswers answers;
  answers.Then(ModalAnswers::Press(QMessageBox::Ok));
  answers.Then(ModalAnswers::Press(QMessageBox::Ok));
  button2->click();
  EXPECT_EQ(Control<QTabWidget>(d, "PageControl1")->currentWidget(), Control<QWidget>(d, "TabSheet3"));
  EXPECT_EQ(d.focusWidget(), Control<QLineEdit>(d, "Edit5"));
  Control<QLineEdit>(d, "Edit5")->setText(Path("zap.wav"));
  button2->click();
  EXPECT_EQ(d.focusWidget(), edit6);
  EXPECT_EQ(edit6->selectedText(), dir_.path()) << "the whole bad path is selected";
  QTest::keyClicks(edit6, Path("boing.wav"));
  EXPECT_EQ(edit6->text(), Path("boing.wav")) << "typing replaces it";
  EXPECT_TRUE(d.isVisible());
  ASSERT_EQ(answers.Seen().size(), 2u);
  EXPECT_EQ(answers.Seen()[0], "Quorvane Sinuvar - Options | Invalid blob sound specified.");
  EXPECT_EQ(answers.Seen()[1], "Quorvane Sinuvar - Options | Invalid game over sound specified.");
  Control<QCheckBox>(d, "CheckBox3")->click();  // an unchecked sound is not looked at
  button2->click();
  EXPECT_EQ(d.result(), QDialog::Accepted);
}

TEST_F(OptionsDialogTest, BrowseStartsInTheStoredFolderThenInThatOfTheLastChoice) {
  // A stored folder whose name is not UTF-8 goes back byte for byte.
  stored_.WavFolder = "/no/such/m\xfcsic";
  EXPECT_EQ(Open().Values().BrowseFolder.toStdString(), stored_.WavFolder);
  stored_.WavFolder = "/no/such/music";
  TForm3& d = Open();
  browser_.answers = {dir_.filePath("more/ding.wav"), std::nullopt};
  Control<QPushButton>(d, "Button4")->click();
  Control<QPushButton>(d, "Button5")->click();  // cancelled
  ASSERT_EQ(browser_.requests.size(), 2u);
  const FileOpenRequest& first = browser_.requests[0];
  EXPECT_EQ(first.Title, "Quorvane Sinuvar - Browse for wav file");
  EXPECT_EQ(first.StartFolder, "/no/such/music");
  EXPECT_TRUE(first.FileName.isEmpty());
  EXPECT_EQ(browser_.requests[1].StartFolder, dir_.filePath("more"));
  EXPECT_EQ(d.Values().BrowseFolder, QFile::encodeName(dir_.filePath("more")));
  EXPECT_EQ(Control<QLineEdit>(d, "Edit6")->text(), dir_.filePath("more/ding.wav"));
  EXPECT_EQ(Control<QLineEdit>(d, "Edit7")->text(), Path("yehaw.wav")) << "a cancel changes nothing";

  // The real dialog for that request lists every file under "All files".
  std::ofstream(Path("README").toStdString()) << "x";
  const auto files = MakeFileOpenDialog(nullptr, first);
  files->setDirectory(dir_.path());
  auto* types = files->findChild<QComboBox*>("fileTypeCombo");
  auto* view = files->findChild<QAbstractItemView*>("listView");
  ASSERT_TRUE(types && view);
  EXPECT_EQ(types->currentText(), "Wav files (*.wav)");
  files->show();
  QTest::keyClick(types, Qt::Key_Down);  // the player picks the other filter
  EXPECT_EQ(types->currentText(), "All files (*.*)");
  EXPECT_TRUE(QTest::qWaitFor([&] { return view->model()->rowCount(view->rootIndex()) == 4; }, 10000))
      << "README has no dot, yet is listed";
}

}  // namespace
}  // namespace quorvane::testing

namespace quorvane::testing {
namespace {

// Tab enters each group of radio buttons at its checked button (at the first
// while none is checked), and leaves the group with the next Tab.
TEST_F(OptionsDialogTest, TabEntersEachRadioGroupAtItsCheckedButton) {
  const struct {
    int32_t level, mode, direction;
    int levelStop, modeStop, directionStop;  // button indexes; -1: the group is not reached
  } rows[] = {
      {Difficult, CustomStart, 3, 2, 2, 3},
      {9, CustomStart, -1, 0, 2, 0},  // none checked: the first
      {Custom, -1, 1, 3, 0, -1},      // the direction is off while Custom is not checked
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.level);
    stored_.Level = row.level;
    stored_.Mode = row.mode;
    stored_.CustomDirection = row.direction;
    TForm3& dialog = Open();
    const QList<QWidget*> levels{
        Control<QRadioButton>(dialog, "RadioButton1"), Control<QRadioButton>(dialog, "RadioButton2"),
        Control<QRadioButton>(dialog, "RadioButton3"), Control<QRadioButton>(dialog, "RadioButton4")};
    const QList<QWidget*> modes{Control<QRadioButton>(dialog, "RadioButton5"),
                                Control<QRadioButton>(dialog, "RadioButton6"),
                                Control<QRadioButton>(dialog, "RadioButton7")};
    auto tab = [] {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      return QApplication::focusWidget();
    };

    QWidget* tabBar = Control<QTabWidget>(dialog, "PageControl1")->findChild<QTabBar*>();
    tabBar->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(tab(), levels[row.levelStop]);
    if (row.levelStop < 3) {
      // The arrows still move within the group, choosing as they go once a
      // button is checked; the next Tab leaves the group.
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
      EXPECT_EQ(QApplication::focusWidget(), levels[row.levelStop + 1]);
      EXPECT_EQ(static_cast<QRadioButton*>(levels[row.levelStop + 1])->isChecked(), row.level <= Custom);
      const QWidget* after = tab();
      EXPECT_FALSE(levels.contains(after)) << after->metaObject()->className();
    }

    Control<QTabWidget>(dialog, "PageControl1")->setCurrentIndex(1);
    tabBar->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(tab(), modes[row.modeStop]);
    QWidget* next = tab();
    if (row.directionStop >= 0) {
      EXPECT_EQ(next, Control<TRadioGroup>(dialog, "RadioGroup1")->Item(row.directionStop));
      EXPECT_EQ(tab(), Control<QLineEdit>(dialog, "Edit8")) << "one stop for the whole group";
    } else {
      EXPECT_FALSE(Control<TRadioGroup>(dialog, "RadioGroup1")->isAncestorOf(next));
    }
    dialog_.reset();
  }
}

}  // namespace
}  // namespace quorvane::testing
