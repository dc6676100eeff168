#include <gmock/gmock.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include "dialog_test_support.h"
#include "dialogs/options_exchange.h"
#include "dialogs/radio_group.h"
#include "dialogs/up_down.h"

namespace quorvane::testing {
namespace {

using ::testing::_;
using ::testing::Each;

// The dialog alone, filled as the main window fills it and shown without
// its own event loop, so that the test can act between the player's moves.
class OptionsDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    for (const char* name : {"zap.wav", "boing.wav", "yehaw.wav"}) std::ofstream(Path(name).toStdString()) << "RIFF";
    Store({});
  }
  QString Path(const char* name) const { return dir_.filePath(name); }
  // The settings the dialog is filled from: |settings| with the folder's three sounds.
  void Store(GameSettings settings) {
    settings.WavFolder = dir_.path().toStdString();
    settings.BallWav = Path("zap.wav").toStdString();
    settings.GameOverWav = Path("boing.wav").toStdString();
    settings.HiScoreWav = Path("yehaw.wav").toStdString();
    stored_ = std::move(settings);
  }

  TForm3& Open(QWidget* owner = nullptr) {
    dialog_ = std::make_unique<TForm3>(owner, help_, helpOpened_, browser_);
    FillOptionsDialog(*dialog_, stored_);
    dialog_->show();
    dialog_->activateWindow();
    EXPECT_TRUE(WaitUntilActive(dialog_.get()));
    return *dialog_;
  }

  // The field's colour, whether or not it is enabled, is the role's.
  bool Painted(const char* name, QPalette::ColorRole role) const {
    const QPalette shown = Control<QLineEdit>(*dialog_, name)->palette(), wanted = QApplication::palette();
    return shown.color(QPalette::Disabled, QPalette::Base) == wanted.color(role) &&
           shown.color(QPalette::Active, QPalette::Base) == wanted.color(role);
  }
  std::vector<bool> Enabled(QStringList names) const { return Read(*dialog_, names, &QWidget::isEnabled); }
  std::vector<bool> Checked(QStringList names) const { return Read(*dialog_, names, &QAbstractButton::isChecked); }
  std::vector<QString> Texts(QStringList names) const { return Read(*dialog_, names, &QLineEdit::text); }

  QTemporaryDir dir_;
  GameSettings stored_;
  RecordingHelp help_;
  FakeWavBrowser browser_;
  bool helpOpened_ = false;
  std::unique_ptr<QWidget> owner_;  // goes after the dialog it may own
  std::unique_ptr<TForm3> dialog_;
};

TEST_F(OptionsDialogTest, OpensWithTheStoredValuesAndHoldsThoseOutOfRange) {
  Store({.Level = Custom,
         .PlayGameOver = false,
         .MoveMax = 7,
         .SnakeSpeed = 125,
         .WallMax = 12,
         .WallNum = 9,
         .HiScore = 4321,
         .HiName = "Ada",
         .Mode = RandomStart,
         .CustomDirection = Down,
         .CustomHPos = 3,
         .CustomVPos = 10});
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

  EXPECT_THAT(Checked({"RadioButton4", "RadioButton6", "CheckBox1", "CheckBox2", "CheckBox3"}),
              ElementsAre(true, true, true, true, false));
  EXPECT_THAT(Enabled({"Button8", "Edit7", "Button5", "RadioGroup1", "Edit9", "Edit6", "Button4"}),
              ElementsAre(true, true, true, false, false, false, false));
  EXPECT_TRUE(Painted("Edit4", QPalette::Base) && Painted("Edit9", QPalette::Button));
  EXPECT_THAT(Texts({"Edit1", "Edit2", "Edit3", "Edit4", "Edit6"}),
              ElementsAre("7", "5", "12", "5", Path("boing.wav")));
  EXPECT_EQ(Control<QSlider>(d, "TrackBar1")->value(), 17) << "125 ms shows as 130";
  EXPECT_EQ(Control<TRadioGroup>(d, "RadioGroup1")->ItemIndex(), Down);
  EXPECT_THAT(Texts({"Edit8", "Edit9"}), ElementsAre("6", "3")) << "row 10 held within Down's rows";
  EXPECT_THAT(Read(d, {"Label13", "Label15"}, &QLabel::text), ElementsAre("4321", "Ada"));

  stored_.Level = 7;
  stored_.Mode = 5;
  stored_.CustomDirection = 9;
  EXPECT_EQ(Control<TRadioGroup>(Open(), "RadioGroup1")->ItemIndex(), Up);
  EXPECT_THAT(Checked({"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4", "RadioButton5", "RadioButton6",
                       "RadioButton7"}),
              Each(false));
  EXPECT_THAT(Enabled({"Edit1", "TrackBar1", "Edit8"}), Each(false));
  stored_.CustomDirection = -1;
  EXPECT_EQ(Control<TRadioGroup>(Open(), "RadioGroup1")->ItemIndex(), -1);
  EXPECT_THAT(Texts({"Edit8", "Edit9"}), ElementsAre("10", "3")) << "no direction narrows nothing";
}

TEST_F(OptionsDialogTest, EnablingRulesFollowTheButtonsOnEveryPage) {
  Store({.Level = Custom, .Mode = CustomStart});
  TForm3& d = Open();
  Control<QRadioButton>(d, "RadioButton2")->click();
  EXPECT_THAT(Enabled({"Edit2", "UpDown2", "Label7", "Button8"}), Each(false));
  EXPECT_TRUE(Painted("Edit2", QPalette::Button));
  Control<QRadioButton>(d, "RadioButton4")->click();
  EXPECT_THAT(Enabled({"Edit2", "Label5"}), Each(true));
  EXPECT_TRUE(Painted("Edit2", QPalette::Base));
  Control<QRadioButton>(d, "RadioButton5")->click();
  EXPECT_THAT(Enabled({"RadioGroup1", "Edit8", "UpDown6", "Label11"}), Each(false));
  Control<QRadioButton>(d, "RadioButton7")->click();
  EXPECT_THAT(Enabled({"RadioGroup1", "Edit9"}), Each(true));

  Control<QTabWidget>(d, "PageControl1")->setCurrentWidget(Control<QWidget>(d, "TabSheet3"));
  Control<QPushButton>(d, "Button1")->setFocus();
  Control<QCheckBox>(d, "CheckBox1")->click();  // sounds off
  EXPECT_THAT(Enabled({"CheckBox2", "Edit5", "Button4", "Edit7"}), Each(false));
  EXPECT_EQ(d.focusWidget(), Control<QPushButton>(d, "Button1")) << "switching off moves no focus";
  Control<QCheckBox>(d, "CheckBox1")->click();  // three fields come on; the focus ends in the last
  EXPECT_THAT(Enabled({"CheckBox3", "Edit6"}), Each(true));
  EXPECT_TRUE(Painted("Edit6", QPalette::Base));
  EXPECT_EQ(d.focusWidget(), Control<QLineEdit>(d, "Edit7"));
  Control<QCheckBox>(d, "CheckBox3")->click();
  EXPECT_THAT(Enabled({"Edit6", "Button4", "Edit5"}), ElementsAre(false, false, true));
  Control<QCheckBox>(d, "CheckBox3")->click();
  EXPECT_EQ(d.focusWidget(), Control<QLineEdit>(d, "Edit6"));
}

TEST_F(OptionsDialogTest, DirectionRangesAndTypedNumbers) {
  Store({.Level = Custom, .Mode = CustomStart, .CustomDirection = Down, .CustomHPos = 3, .CustomVPos = 4});
  TForm3& d = Open();
  auto* radioGroup1 = Control<TRadioGroup>(d, "RadioGroup1");
  auto* edit1 = Control<QLineEdit>(d, "Edit1");
  auto* edit3 = Control<QLineEdit>(d, "Edit3");
  // Typed as the player types: the field is left with Tab.
  auto type = [](QLineEdit* edit, const char* text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Tab);
  };
  // Each direction puts the tail in the far corner of its area (the stored
  // direction, in the stored cell), and holds a typed -9 at the area's
  // nearest cell: column, then row.
  const struct {
    int direction;
    std::vector<QString> shown, least;
  } rows[] = {{Up, {"19", "11"}, {"0", "5"}},
              {Left, {"19", "11"}, {"5", "0"}},
              {Down, {"3", "4"}, {"0", "0"}},
              {Right, {"14", "11"}, {"0", "0"}}};
  Control<QTabWidget>(d, "PageControl1")->setCurrentIndex(1);
  for (const auto& row : rows) {
    SCOPED_TRACE(row.direction);
    radioGroup1->Item(row.direction)->click();
    EXPECT_EQ(Texts({"Edit9", "Edit8"}), row.shown);
    type(Control<QLineEdit>(d, "Edit9"), "-9");
    type(Control<QLineEdit>(d, "Edit8"), "-9");
    EXPECT_EQ(Texts({"Edit9", "Edit8"}), row.least);
  }
  type(Control<QLineEdit>(d, "Edit9"), "99");
  SpinButton(d, "UpDown6", "Up")->click();
  EXPECT_THAT(Texts({"Edit9"}), ElementsAre("14")) << "the spin buttons stop at the range's end";

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
  Store({.Level = Custom, .MoveMax = 9, .SnakeSpeed = 150});
  TForm3& d = Open();
  ModalAnswers answers{ModalAnswers::Press(QMessageBox::No), ModalAnswers::Press(QMessageBox::Yes)};
  Control<QPushButton>(d, "Button8")->click();
  EXPECT_EQ(Control<QLineEdit>(d, "Edit1")->text(), "9");
  Control<QPushButton>(d, "Button8")->click();
  EXPECT_THAT(Texts({"Edit1", "Edit2", "Edit3", "Edit4"}), ElementsAre("5", "5", "1", "2"));
  EXPECT_EQ(Control<QSlider>(d, "TrackBar1")->value(), 0);
  EXPECT_THAT(answers.Seen(), ElementsAre("Quorvane Sinuvar - Options | Reset defaults for custom skill level?", _));
}

TEST_F(OptionsDialogTest, OkChecksOnlyTheCheckedSoundsInOrder) {
  stored_.BallWav = "";
  stored_.GameOverWav = dir_.path().toStdString();  // a folder
  TForm3& d = Open();
  auto* button2 = Control<QPushButton>(d, "Button2");
  auto* edit6 = Control<QLineEdit>(d, "Edit6");
  ModalAnswers answers{ModalAnswers::Press(QMessageBox::Ok), ModalAnswers::Press(QMessageBox::Ok)};
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
  EXPECT_THAT(answers.Seen(), ElementsAre("Quorvane Sinuvar - Options | Invalid blob sound specified.",
                                          "Quorvane Sinuvar - Options | Invalid game over sound specified."));
  edit6->setText(dir_.path());
  Control<QCheckBox>(d, "CheckBox3")->click();  // an unchecked sound is not looked at, even a bad one
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
  EXPECT_EQ(std::tie(first.Title, first.StartFolder, first.FileName),
            std::tuple("Quorvane Sinuvar - Browse for wav file", "/no/such/music", QString()));
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
    Store({.Level = row.level, .Mode = row.mode, .CustomDirection = row.direction});
    TForm3& dialog = Open();
    const QStringList levels{"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4"};
    const QStringList modes{"RadioButton5", "RadioButton6", "RadioButton7"};
    auto tab = [] {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      return QApplication::focusWidget();
    };

    QWidget* tabBar = Control<QTabWidget>(dialog, "PageControl1")->findChild<QTabBar*>();
    tabBar->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(tab()->objectName(), levels[row.levelStop]);
    if (row.levelStop < 3) {
      // The arrows still move within the group, choosing as they go once a
      // button is checked; the next Tab leaves the group.
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
      EXPECT_EQ(QApplication::focusWidget()->objectName(), levels[row.levelStop + 1]);
      EXPECT_THAT(Checked({levels[row.levelStop + 1]}), ElementsAre(row.level <= Custom));
      EXPECT_FALSE(levels.contains(tab()->objectName()));
    }

    Control<QTabWidget>(dialog, "PageControl1")->setCurrentIndex(1);
    tabBar->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(tab()->objectName(), modes[row.modeStop]);
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
