#include "dialogs/options_exchange.h"

#include <QCoreApplication>
#include <stdexcept>

#include "dialogs/options_dialog.h"
#include "game/skill_levels.h"
#include "settings/profile_text.h"

namespace quorvane {

namespace {

void TakeSound(bool checked, const QByteArray& path, bool& play, std::string& file, SoundImage& image,
               SoundImageLoader& loader) {
  play = checked;
  // The settings still hold the path the dialog opened with.
  const std::string opened = file;
  file = path.toStdString();
  loader.ReloadIfChanged(opened, file, image);
}

}  // namespace

void FillOptionsDialog(TForm3& dialog, const GameSettings& s) {
  OptionsValues v;
  v.Level = s.Level;
  v.MoveMax = s.MoveMax;
  v.SpeedPosition = SpeedToSliderPosition(s.SnakeSpeed);
  v.MaxMax = s.MaxMax;
  v.WallMax = s.WallMax;
  v.WallNum = s.WallNum;
  v.BrowseFolder = QByteArray::fromStdString(s.WavFolder);
  v.PlayWavs = s.PlayWavs;
  v.PlayBall = s.PlayBall;
  v.BallWav = QByteArray::fromStdString(s.BallWav);
  v.PlayGameOver = s.PlayGameOver;
  v.GameOverWav = QByteArray::fromStdString(s.GameOverWav);
  v.PlayHiScore = s.PlayHiScore;
  v.HiScoreWav = QByteArray::fromStdString(s.HiScoreWav);
  v.HiScore = QString::number(s.HiScore);
  v.HiName = QByteArray::fromStdString(s.HiName);
  v.Mode = s.Mode;
  v.CustomDirection = s.CustomDirection;
  v.CustomHPos = s.CustomHPos;
  v.CustomVPos = s.CustomVPos;
  dialog.Fill(v);
}

void TakeBackOptions(const TForm3& dialog, GameSettings& s, int& previousHiScore, const OptionsSoundImages& sounds) {
  const OptionsValues v = dialog.Values();
  s.Level = v.Level.value_or(s.Level);

  s.MoveMax = v.MoveMax;
  s.MaxMax = v.MaxMax;
  s.WallMax = v.WallMax;
  s.WallNum = v.WallNum;
  s.SnakeSpeed = SliderPositionToSpeed(v.SpeedPosition);

  s.PlayWavs = v.PlayWavs;
  if (s.PlayWavs) {
    // One loader for the three, offered the images already held, so that a
    // file named by several sounds is read once.
    SoundImageLoader loader(sounds.Warn);
    loader.Offer(s.BallWav, sounds.Blob);
    loader.Offer(s.GameOverWav, sounds.GameOver);
    loader.Offer(s.HiScoreWav, sounds.HiScore);
    TakeSound(v.PlayBall, v.BallWav, s.PlayBall, s.BallWav, sounds.Blob, loader);
    TakeSound(v.PlayGameOver, v.GameOverWav, s.PlayGameOver, s.GameOverWav, sounds.GameOver, loader);
    TakeSound(v.PlayHiScore, v.HiScoreWav, s.PlayHiScore, s.HiScoreWav, sounds.HiScore, loader);
    s.WavFolder = v.BrowseFolder.toStdString();
  } else {
    // Sounds off: whatever was typed or browsed on the page is dropped.
    s.PlayBall = false;
    s.PlayGameOver = false;
    s.PlayHiScore = false;
  }

  const auto hiScore = ParseIniInteger(v.HiScore.toStdString());
  if (!hiScore)
    throw std::runtime_error(
        QCoreApplication::translate("quorvane::OptionsExchange", "The hi score shown is not a number").toStdString());
  s.HiScore = *hiScore;
  s.HiName = v.HiName.toStdString();
  // The next game has no best score to beat audibly.
  previousHiScore = 0;

  s.Mode = v.Mode.value_or(s.Mode);

  s.CustomDirection = v.CustomDirection;
  s.CustomVPos = v.CustomVPos;
  s.CustomHPos = v.CustomHPos;
}

}  // namespace quorvane
