#pragma once

#include <QDialog>
#include <array>

#include "dialogs/options_values.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;

namespace quorvane {

class HelpService;
class TRadioGroup;
class TUpDown;
class WavFileBrowser;

// The options dialog: skill level, start position, sounds and hi score on
// four pages. It never sees the settings; the main window fills it and,
// when it is accepted, takes the values back.
class TForm3 final : public QDialog {
  Q_OBJECT
 public:
  // `help` and `helpOpened` are the main window's: the Help button opens the
  // options topic in its name, so that closing it also closes the viewer.
  TForm3(QWidget* owner, HelpService& help, bool& helpOpened, WavFileBrowser& browser);

  // Shows the values, running each button's handler as a click would and
  // applying every page's enabling rule at the end.
  void Fill(const OptionsValues& values);
  // What the dialog shows now.
  OptionsValues Values() const;

  // Handlers. The level buttons share RadioButton1Click, the mode buttons
  // RadioButton5Click and the number fields Edit1Exit.
  void FormShow();
  void RadioButton1Click();
  void RadioButton5Click();
  void RadioGroup1Click();
  void CheckBox1Click();
  void CheckBox2Click();
  void CheckBox3Click();
  void CheckBox4Click();
  void Edit1Exit(QLineEdit* sender);
  void Button3Click();
  void Button4Click();
  void Button5Click();
  void Button6Click();
  void Button7Click();
  void Button8Click();
  void Button2Click();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Controls, by their names in the dialog's design.
  QTabWidget* PageControl1 = nullptr;
  QWidget* TabSheet1 = nullptr;  // Skill level
  QWidget* TabSheet2 = nullptr;  // Position
  QWidget* TabSheet3 = nullptr;  // Sounds
  QWidget* TabSheet4 = nullptr;  // Hi score
  QFrame* Bevel1 = nullptr;
  QFrame* Bevel2 = nullptr;
  QFrame* Bevel3 = nullptr;
  QFrame* Bevel4 = nullptr;
  QFrame* Bevel5 = nullptr;  // rule under the level buttons
  QFrame* Bevel6 = nullptr;  // rule under the mode buttons

  QRadioButton* RadioButton1 = nullptr;  // Easy
  QRadioButton* RadioButton2 = nullptr;  // Intermediate
  QRadioButton* RadioButton3 = nullptr;  // Difficult
  QRadioButton* RadioButton4 = nullptr;  // Custom
  QLabel* Label1 = nullptr;
  QLineEdit* Edit1 = nullptr;
  TUpDown* UpDown1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QSlider* TrackBar1 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label7 = nullptr;
  QLineEdit* Edit2 = nullptr;
  TUpDown* UpDown2 = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label8 = nullptr;
  QLineEdit* Edit3 = nullptr;
  TUpDown* UpDown3 = nullptr;
  QLabel* Label9 = nullptr;
  QLabel* Label10 = nullptr;
  QLineEdit* Edit4 = nullptr;
  TUpDown* UpDown4 = nullptr;
  QPushButton* Button8 = nullptr;  // Use defaults

  QRadioButton* RadioButton5 = nullptr;  // Default
  QRadioButton* RadioButton6 = nullptr;  // Random
  QRadioButton* RadioButton7 = nullptr;  // Custom
  TRadioGroup* RadioGroup1 = nullptr;
  QLabel* Label11 = nullptr;
  QLineEdit* Edit8 = nullptr;  // row
  TUpDown* UpDown5 = nullptr;
  QLabel* Label16 = nullptr;
  QLineEdit* Edit9 = nullptr;  // column
  TUpDown* UpDown6 = nullptr;

  QCheckBox* CheckBox1 = nullptr;  // Play sounds
  QCheckBox* CheckBox2 = nullptr;  // blob
  QLineEdit* Edit5 = nullptr;
  QPushButton* Button3 = nullptr;
  QCheckBox* CheckBox3 = nullptr;  // game over
  QLineEdit* Edit6 = nullptr;
  QPushButton* Button4 = nullptr;
  QCheckBox* CheckBox4 = nullptr;  // new hi score
  QLineEdit* Edit7 = nullptr;
  QPushButton* Button5 = nullptr;

  QLabel* Label12 = nullptr;
  QLabel* Label13 = nullptr;  // the score
  QLabel* Label14 = nullptr;
  QLabel* Label15 = nullptr;       // its holder
  QPushButton* Button6 = nullptr;  // Reset

  QPushButton* Button7 = nullptr;  // Help
  QPushButton* Button2 = nullptr;  // Ok
  QPushButton* Button1 = nullptr;  // Cancel

  void BuildSkillPage();
  void BuildPositionPage();
  void BuildSoundsPage();
  void BuildHiScorePage();
  void SetTabOrder();
  QLineEdit* NumberField(QWidget* page, int left, int top, int width, int min, int max, TUpDown** upDown);
  TUpDown* FieldOf(QWidget* edit) const;
  void SwitchPath(QLineEdit* edit, QPushButton* browse, bool on);
  void Browse(QLineEdit* edit);
  bool Ask(const QString& question);

  HelpService& help_;
  bool& helpOpened_;
  WavFileBrowser& browser_;
  // The folder the sound-file browser opens in: the stored one at first,
  // then that of the file chosen last.
  QString browseFolder_;
  // The stored start at opening; coming back to this direction brings back
  // this cell.
  int customDirection_ = 0;
  int customHPos_ = 0;
  int customVPos_ = 0;
  QList<TUpDown*> numberFields_;
  // The three sounds' rows on the Sounds page, each known by its check box:
  // what its browse button is for, and what Ok says of a path that is no file.
  struct SoundRow {
    QCheckBox* Box;
    QLineEdit* Path;
    QPushButton* Browse;
    const char* Purpose;
    const char* Invalid;
  };
  std::array<SoundRow, 3> soundRows_{};
};

}  // namespace quorvane
