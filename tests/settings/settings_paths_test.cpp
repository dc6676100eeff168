#include "settings/settings_paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace quorvane {
namespace {

// Sets or clears one environment variable for the length of a test.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    Set(name, value);
  }
  ~ScopedEnv() { Set(name_, old_ ? old_->c_str() : nullptr); }

 private:
  static void Set(const char* name, const char* value) { value ? ::setenv(name, value, 1) : ::unsetenv(name); }

  const char* name_;
  std::optional<std::string> old_;
};

TEST(SettingsPaths, FileLivesInTheUsersConfigFolder) {
  ScopedEnv home("HOME", "/home/player");
  {
    ScopedEnv config("XDG_CONFIG_HOME", "/srv/config");
    EXPECT_EQ(SettingsFilePath(), "/srv/config/Tolvenix.ini");
  }
  for (const char* ignored : {static_cast<const char*>(nullptr), "", "relative/config"}) {
    ScopedEnv config("XDG_CONFIG_HOME", ignored);
    EXPECT_EQ(SettingsFilePath(), "/home/player/.config/Tolvenix.ini") << (ignored ? ignored : "unset");
  }
}

TEST(SettingsPaths, RunningProgramIsThisExecutable) {
  const std::filesystem::path program = RunningProgramPath();
  EXPECT_TRUE(program.is_absolute());
  EXPECT_EQ(program.filename(), "settings_tests");
}

}  // namespace
}  // namespace quorvane
