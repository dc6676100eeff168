#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "dialogs/options_values.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace quorvane {

class HelpService;
class TUpDown;
class WavFileBrowser;

namespace Ui {
class TForm3;
}

// The options dialog: skill level, start position, sounds and hi score on
// four pages. It never sees the settings; the main window fills it and,
// when it is accepted, takes the values back.
class TForm3 final : public QDialog {
  Q_OBJECT
 public:
  // `help` and `helpOpened` are the main window's: the Help button opens the
  // options topic in its name, so that closing it also closes the viewer.
  TForm3(QWidget* owner, HelpService& help, bool& helpOpened, WavFileBrowser& browser);
  ~TForm3() override;

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
  std::unique_ptr<Ui::TForm3> ui_;

  void ConnectSkillPage();
  void ConnectPositionPage();
  void ConnectSoundsPage();
  void NumberField(QLineEdit* edit, TUpDown* upDown, int min, int max);
  TUpDown* FieldOf(QWidget* edit) const;
  void SwitchPath(QLineEdit* edit, QPushButton* browse, bool on);
  void Browse(QLineEdit* edit);
  bool Ask(const QString& question);

  HelpService& help_;
  bool& helpOpened_;
  WavFileBrowser& browser_;
  // The folder the sound-file browser opens in: the stored one at first,
  // then that of the file chosen last.
  QByteArray browseFolder_;
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
