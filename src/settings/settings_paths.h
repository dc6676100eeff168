#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quorvane {

// Where the settings live and which program reads them. The program's path
// only serves for the default places of the sound files.
struct SettingsLocation {
  std::filesystem::path IniFile;
  std::string ProgramPath;
};

// The settings file shared by every run of the game for this user:
// $XDG_CONFIG_HOME/Tolvenix.ini, or ~/.config/Tolvenix.ini when that is unset
// or not an absolute path.
std::filesystem::path SettingsFilePath();

// The full path of the running executable, or "" if it cannot be found.
std::string RunningProgramPath();

// The file this user's game reads, for the running program.
SettingsLocation DefaultSettingsLocation();

// The folder part of a program's path without a trailing "/", except that
// the root keeps it: "/opt/game/tolvenix" gives "/opt/game", "/tolvenix" "/".
std::string ProgramFolder(std::string_view programPath);

// The folder with exactly one "/" added unless it already ends in one.
std::string WithTrailingSeparator(std::string_view folder);

}  // namespace quorvane
