#pragma once

#include <stdexcept>
#include <string>

#include "settings/game_settings.h"
#include "settings/profile_text.h"
#include "settings/settings_paths.h"

namespace quorvane {

// A settings key could not be written. The message names the file without
// its folder: "Unable to write to Tolvenix.ini".
class SettingsWriteError : public std::runtime_error {
 public:
  explicit SettingsWriteError(const std::string& fileName);
};

// The value of every field when its key is missing, for a program at
// programPath: the sounds are looked for beside it.
GameSettings DefaultSettings(const std::string& programPath);

// The twenty fields from a settings text, a default for each missing or
// unreadable value.
GameSettings ReadSettings(const ProfileText& text, const std::string& programPath);

// The twenty keys into a settings text, in order; nothing else changes.
void WriteSettings(const GameSettings& settings, ProfileText& text);

// Fills every field from the file, a default for each missing or unreadable
// value. Never fails. The game starts from the loaded best score: the caller
// hands HiScore on to it.
void LoadSettings(GameSettings& settings, const SettingsLocation& where);

// Writes the twenty keys in order, changing nothing else in the file, and
// replaces the file in one step. Throws SettingsWriteError when the file
// cannot or may not be replaced; it then stays as it was.
void SaveSettings(const GameSettings& settings, const SettingsLocation& where);

}  // namespace quorvane
