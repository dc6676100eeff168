// The options dialog's values in and out, control by control.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

#include "dialogs/options_dialog.h"
#include "dialogs/path_field.h"
#include "dialogs/radio_group.h"
#include "dialogs/up_down.h"
#include "settings/game_settings.h"

namespace quorvane {

namespace {

// The button of a value, or none for a value outside the buttons.
QRadioButton* ButtonFor(std::initializer_list<QRadioButton*> buttons, int first, std::optional<int> value) {
  if (!value) return nullptr;
  const int index = *value - first;
  if (index < 0 || index >= static_cast<int>(buttons.size())) return nullptr;
  return *(buttons.begin() + index);
}

// The value of the first checked button, or none when none is.
std::optional<int> CheckedValue(std::initializer_list<QRadioButton*> buttons, int first) {
  int value = first;
  for (QRadioButton* button : buttons) {
    if (button->isChecked()) return value;
    ++value;
  }
  return std::nullopt;
}

}  // namespace

// Each button checked and the direction selected run their handlers as a
// click would; at the end every page's enabling rule is applied, whatever
// the values are.
void TForm3::Fill(const OptionsValues& v) {
  if (QRadioButton* level = ButtonFor({RadioButton1, RadioButton2, RadioButton3, RadioButton4}, Easy, v.Level))
    level->setChecked(true);

  // The Custom values are shown whatever the level.
  UpDown1->SetPosition(v.MoveMax);
  TrackBar1->setValue(v.SpeedPosition);
  UpDown2->SetPosition(v.MaxMax);
  UpDown3->SetPosition(v.WallMax);
  UpDown4->SetPosition(v.WallNum);

  browseFolder_ = v.BrowseFolder;

  CheckBox1->setChecked(v.PlayWavs);
  CheckBox2->setChecked(v.PlayBall);
  ShowPath(*Edit5, v.BallWav);
  CheckBox3->setChecked(v.PlayGameOver);
  ShowPath(*Edit6, v.GameOverWav);
  CheckBox4->setChecked(v.PlayHiScore);
  ShowPath(*Edit7, v.HiScoreWav);

  Label13->setText(v.HiScore);
  Label15->setText(v.HiName);

  if (QRadioButton* mode = ButtonFor({RadioButton5, RadioButton6, RadioButton7}, DefaultStart, v.Mode))
    mode->setChecked(true);

  customDirection_ = v.CustomDirection;
  customHPos_ = v.CustomHPos;
  customVPos_ = v.CustomVPos;
  RadioGroup1->SetItemIndex(v.CustomDirection);
  UpDown5->SetPosition(v.CustomVPos);
  UpDown6->SetPosition(v.CustomHPos);

  RadioButton1Click();
  RadioButton5Click();
  CheckBox1Click();
}

OptionsValues TForm3::Values() const {
  OptionsValues v;
  v.Level = CheckedValue({RadioButton1, RadioButton2, RadioButton3, RadioButton4}, Easy);
  v.MoveMax = UpDown1->Position();
  v.SpeedPosition = TrackBar1->value();
  v.MaxMax = UpDown2->Position();
  v.WallMax = UpDown3->Position();
  v.WallNum = UpDown4->Position();
  v.BrowseFolder = browseFolder_;
  v.PlayWavs = CheckBox1->isChecked();
  v.PlayBall = CheckBox2->isChecked();
  v.BallWav = PathIn(*Edit5);
  v.PlayGameOver = CheckBox3->isChecked();
  v.GameOverWav = PathIn(*Edit6);
  v.PlayHiScore = CheckBox4->isChecked();
  v.HiScoreWav = PathIn(*Edit7);
  v.HiScore = Label13->text();
  v.HiName = Label15->text();
  v.Mode = CheckedValue({RadioButton5, RadioButton6, RadioButton7}, DefaultStart);
  v.CustomDirection = RadioGroup1->ItemIndex();
  v.CustomHPos = UpDown6->Position();
  v.CustomVPos = UpDown5->Position();
  return v;
}

}  // namespace quorvane
