#include "settings/settings_paths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace quorvane {

namespace fs = std::filesystem;

namespace {

fs::path HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home && *home) return home;
  if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir) return entry->pw_dir;
  return "/";
}

}  // namespace

fs::path SettingsFilePath() {
  // The XDG rules ignore a relative path: it would move with the working folder.
  const char* configHome = std::getenv("XDG_CONFIG_HOME");
  fs::path folder =
      (configHome && fs::path(configHome).is_absolute()) ? fs::path(configHome) : HomeFolder() / ".config";
  return folder / "Tolvenix.ini";
}

std::string RunningProgramPath() {
  std::error_code error;
  fs::path path = fs::read_symlink("/proc/self/exe", error);
  return error ? std::string() : path.string();
}

SettingsLocation DefaultSettingsLocation() { return {SettingsFilePath(), RunningProgramPath()}; }

std::string ProgramFolder(std::string_view programPath) {
  size_t slash = programPath.rfind('/');
  if (slash == std::string_view::npos) return {};
  if (slash == 0) return "/";
  return std::string(programPath.substr(0, slash));
}

std::string WithTrailingSeparator(std::string_view folder) {
  std::string result(folder);
  if (!result.ends_with('/')) result += '/';
  return result;
}

}  // namespace quorvane
