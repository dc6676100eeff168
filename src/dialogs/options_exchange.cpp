#include "dialogs/options_exchange.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <stdexcept>

#include "dialogs/options_dialog.h"
#include "dialogs/radio_group.h"
#include "dialogs/up_down.h"
#include "game/skill_levels.h"
#include "settings/profile_text.h"

namespace quorvane {

namespace {

QString FromStd(const std::string& text) { return QString::fromStdString(text); }

// The button of a stored value, or none for a value outside the buttons.
QRadioButton* ButtonFor(std::initializer_list<QRadioButton*> buttons, int first, int value) {
  const int index = value - first;
  if (index < 0 || index >= static_cast<int>(buttons.size())) return nullptr;
  return *(buttons.begin() + index);
}

// The value of the first checked button, or `unchanged` when none is.
int CheckedValue(std::initializer_list<QRadioButton*> buttons, int first, int unchanged) {
  int value = first;
  for (QRadioButton* button : buttons) {
    if (button->isChecked()) return value;
    ++value;
  }
  return unchanged;
}

void TakeSound(const QCheckBox* box, const QLineEdit* path, bool& play, std::string& file, SoundImage& image,
               SoundImageLoader& loader) {
  play = box->isChecked();
  // The settings still hold the path the dialog opened with.
  const std::string opened = file;
  file = path->text().toStdString();
  loader.ReloadIfChanged(opened, file, image);
}

}  // namespace

void FillOptionsDialog(TForm3& d, const GameSettings& s) {
  if (QRadioButton* level = ButtonFor({d.RadioButton1, d.RadioButton2, d.RadioButton3, d.RadioButton4}, Easy, s.Level))
    level->setChecked(true);

  // The Custom values are shown whatever the level.
  d.UpDown1->SetPosition(s.MoveMax);
  d.TrackBar1->setValue(SpeedToSliderPosition(s.SnakeSpeed));
  d.UpDown2->SetPosition(s.MaxMax);
  d.UpDown3->SetPosition(s.WallMax);
  d.UpDown4->SetPosition(s.WallNum);

  d.SetBrowseFolder(FromStd(s.WavFolder));

  d.CheckBox1->setChecked(s.PlayWavs);
  d.CheckBox2->setChecked(s.PlayBall);
  d.Edit5->setText(FromStd(s.BallWav));
  d.CheckBox3->setChecked(s.PlayGameOver);
  d.Edit6->setText(FromStd(s.GameOverWav));
  d.CheckBox4->setChecked(s.PlayHiScore);
  d.Edit7->setText(FromStd(s.HiScoreWav));

  d.Label13->setText(QString::number(s.HiScore));
  d.Label15->setText(FromStd(s.HiName));

  if (QRadioButton* mode = ButtonFor({d.RadioButton5, d.RadioButton6, d.RadioButton7}, DefaultStart, s.Mode))
    mode->setChecked(true);

  d.CustomDirection = s.CustomDirection;
  d.CustomHPos = s.CustomHPos;
  d.CustomVPos = s.CustomVPos;
  d.RadioGroup1->SetItemIndex(s.CustomDirection);
  d.UpDown5->SetPosition(s.CustomVPos);
  d.UpDown6->SetPosition(s.CustomHPos);

  d.RadioButton1Click();
  d.RadioButton5Click();
  d.CheckBox1Click();
}

void TakeBackOptions(const TForm3& d, GameSettings& s, int& previousHiScore, const OptionsSoundImages& sounds) {
  s.Level = CheckedValue({d.RadioButton1, d.RadioButton2, d.RadioButton3, d.RadioButton4}, Easy, s.Level);

  s.MoveMax = d.UpDown1->Position();
  s.MaxMax = d.UpDown2->Position();
  s.WallMax = d.UpDown3->Position();
  s.WallNum = d.UpDown4->Position();
  s.SnakeSpeed = SliderPositionToSpeed(d.TrackBar1->value());

  s.PlayWavs = d.CheckBox1->isChecked();
  if (s.PlayWavs) {
    // One loader for the three, offered the images already held, so that a
    // file named by several sounds is read once.
    SoundImageLoader loader(sounds.Warn);
    loader.Offer(s.BallWav, sounds.Blob);
    loader.Offer(s.GameOverWav, sounds.GameOver);
    loader.Offer(s.HiScoreWav, sounds.HiScore);
    TakeSound(d.CheckBox2, d.Edit5, s.PlayBall, s.BallWav, sounds.Blob, loader);
    TakeSound(d.CheckBox3, d.Edit6, s.PlayGameOver, s.GameOverWav, sounds.GameOver, loader);
    TakeSound(d.CheckBox4, d.Edit7, s.PlayHiScore, s.HiScoreWav, sounds.HiScore, loader);
    s.WavFolder = d.BrowseFolder().toStdString();
  } else {
    // Sounds off: whatever was typed or browsed on the page is dropped.
    s.PlayBall = false;
    s.PlayGameOver = false;
    s.PlayHiScore = false;
  }

  const auto hiScore = ParseIniInteger(d.Label13->text().toStdString());
  if (!hiScore)
    throw std::runtime_error(
        QCoreApplication::translate("quorvane::OptionsExchange", "The hi score shown is not a number").toStdString());
  s.HiScore = *hiScore;
  s.HiName = d.Label15->text().toStdString();
  // The next game has no best score to beat audibly.
  previousHiScore = 0;

  s.Mode = CheckedValue({d.RadioButton5, d.RadioButton6, d.RadioButton7}, DefaultStart, s.Mode);

  s.CustomDirection = d.RadioGroup1->ItemIndex();
  s.CustomVPos = d.UpDown5->Position();
  s.CustomHPos = d.UpDown6->Position();
}

}  // namespace quorvane
