#pragma once

#include <QString>
#include <string>

namespace quorvane {

// The texts that the game, the sound loader and the settings store hand to
// the window (status panels, the Pause button's caption, warnings, errors)
// in the player's language. Those libraries know no Qt, so they speak
// English and the window translates what they say: their fixed texts, and
// "Score : 120", "Hi : 340" and "Unable to write to Tolvenix.ini" by their
// leading words. Anything else is shown as it is.
QString GameText(const std::string& text);

}  // namespace quorvane
