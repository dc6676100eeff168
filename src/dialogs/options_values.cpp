// The options dialog's values in and out, control by control.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

#include "dialogs/kept_text.h"
#include "dialogs/options_dialog.h"
#include "dialogs/path_field.h"
#include "dialogs/radio_group.h"
#include "dialogs/up_down.h"
#include "settings/game_settings.h"
#include "ui_options_dialog.h"

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
  if (QRadioButton* level =
          ButtonFor({ui_->RadioButton1, ui_->RadioButton2, ui_->RadioButton3, ui_->RadioButton4}, Easy, v.Level))
    level->setChecked(true);

  // The Custom values are shown whatever the level.
  ui_->UpDown1->SetPosition(v.MoveMax);
  ui_->TrackBar1->setValue(v.SpeedPosition);
  ui_->UpDown2->SetPosition(v.MaxMax);
  ui_->UpDown3->SetPosition(v.WallMax);
  ui_->UpDown4->SetPosition(v.WallNum);

  browseFolder_ = v.BrowseFolder;

  ui_->CheckBox1->setChecked(v.PlayWavs);
  ui_->CheckBox2->setChecked(v.PlayBall);
  ShowPath(*ui_->Edit5, v.BallWav);
  ui_->CheckBox3->setChecked(v.PlayGameOver);
  ShowPath(*ui_->Edit6, v.GameOverWav);
  ui_->CheckBox4->setChecked(v.PlayHiScore);
  ShowPath(*ui_->Edit7, v.HiScoreWav);

  ui_->Label13->setText(v.HiScore);
  ShowKept(*ui_->Label15, v.HiName, QString::fromUtf8(v.HiName));

  if (QRadioButton* mode = ButtonFor({ui_->RadioButton5, ui_->RadioButton6, ui_->RadioButton7}, DefaultStart, v.Mode))
    mode->setChecked(true);

  customDirection_ = v.CustomDirection;
  customHPos_ = v.CustomHPos;
  customVPos_ = v.CustomVPos;
  ui_->RadioGroup1->SetItemIndex(v.CustomDirection);
  ui_->UpDown5->SetPosition(v.CustomVPos);
  ui_->UpDown6->SetPosition(v.CustomHPos);

  RadioButton1Click();
  RadioButton5Click();
  CheckBox1Click();
}

OptionsValues TForm3::Values() const {
  OptionsValues v;
  v.Level = CheckedValue({ui_->RadioButton1, ui_->RadioButton2, ui_->RadioButton3, ui_->RadioButton4}, Easy);
  v.MoveMax = ui_->UpDown1->Position();
  v.SpeedPosition = ui_->TrackBar1->value();
  v.MaxMax = ui_->UpDown2->Position();
  v.WallMax = ui_->UpDown3->Position();
  v.WallNum = ui_->UpDown4->Position();
  v.BrowseFolder = browseFolder_;
  v.PlayWavs = ui_->CheckBox1->isChecked();
  v.PlayBall = ui_->CheckBox2->isChecked();
  v.BallWav = PathIn(*ui_->Edit5);
  v.PlayGameOver = ui_->CheckBox3->isChecked();
  v.GameOverWav = PathIn(*ui_->Edit6);
  v.PlayHiScore = ui_->CheckBox4->isChecked();
  v.HiScoreWav = PathIn(*ui_->Edit7);
  v.HiScore = ui_->Label13->text();
  v.HiName = KeptIn(*ui_->Label15).value_or(ui_->Label15->text().toUtf8());
  v.Mode = CheckedValue({ui_->RadioButton5, ui_->RadioButton6, ui_->RadioButton7}, DefaultStart);
  v.CustomDirection = ui_->RadioGroup1->ItemIndex();
  v.CustomHPos = ui_->UpDown6->Position();
  v.CustomVPos = ui_->UpDown5->Position();
  return v;
}

}  // namespace quorvane
