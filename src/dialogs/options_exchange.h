#pragma once

#include "settings/game_settings.h"
#include "sound/sound_image.h"

namespace quorvane {

class TForm3;

// The main window's sound images, which an accepted dialog reloads when
// their files have changed, and how a failed load is reported.
struct OptionsSoundImages {
  SoundImage& Blob;
  SoundImage& GameOver;
  SoundImage& HiScore;
  SoundLoadWarning Warn;
};

// Fills a new dialog from the settings. Each button it checks and the
// direction it selects run their handlers as a click would; at the end every
// page's enabling rule is applied, whatever the stored values are.
void FillOptionsDialog(TForm3& dialog, const GameSettings& settings);

// Takes the values of an accepted dialog back into the settings, reloads the
// sounds whose paths have changed and clears `previousHiScore` (the game's
// record of the best score when the last game ended). Throws when the shown
// score is no number; what was taken before that stays taken.
void TakeBackOptions(const TForm3& dialog, GameSettings& settings, int& previousHiScore,
                     const OptionsSoundImages& sounds);

}  // namespace quorvane
