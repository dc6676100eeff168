#pragma once

#include <QString>
#include <optional>

namespace quorvane {

// What the options dialog shows, as plain values: the main window fills a
// dialog from one and takes one back, and never reaches into its controls.
struct OptionsValues {
  // Skill page. A level or mode outside its buttons checks none; reading
  // back gives none when no button is checked.
  std::optional<int> Level;
  int MoveMax = 0;
  int SpeedPosition = 0;  // the speed slider's position
  int MaxMax = 0;
  int WallMax = 0;
  int WallNum = 0;

  // Sounds page, and the folder the file browser opens in, as the file
  // system names it: a stored name that is not UTF-8 goes back unchanged.
  QByteArray BrowseFolder;
  bool PlayWavs = false;
  bool PlayBall = false;
  // The sound files' names as the file system has them.
  QByteArray BallWav;
  bool PlayGameOver = false;
  QByteArray GameOverWav;
  bool PlayHiScore = false;
  QByteArray HiScoreWav;

  // Hi score page: the score as shown, text until it is taken back; the
  // holder's name as stored, so that a name that is not UTF-8 goes back
  // unchanged unless reset.
  QString HiScore;
  QByteArray HiName;

  // Position page.
  std::optional<int> Mode;
  int CustomDirection = 0;
  int CustomHPos = 0;
  int CustomVPos = 0;
};

}  // namespace quorvane
