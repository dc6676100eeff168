#include "shell/command_line.h"

#include <gtest/gtest.h>

#include "product/product.h"
#include "settings/settings_paths.h"

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace quorvane {
namespace {

TEST(CommandLine, VersionAndHelpAnswerAndEndTheRestIsIgnored) {
  const std::string version = std::string(ProductName) + " " + ProductVersion + "\n";
  const struct {
    std::vector<const char*> arguments;
    std::optional<int> status;
    std::string printedStart, printedLine = "";  // how the output starts, a line it holds
    const char* configHome = nullptr;            // XDG_CONFIG_HOME, when set
  } cases[] = {
      {{"tolvenix", "--version"}, 0, version},
      {{"tolvenix", "--help"}, 0, "Usage: tolvenix [--help | --version]\n"},
      // It names the settings file of this user.
      {{"tolvenix", "--help"}, 0, "", "Settings and best score: " + SettingsFilePath().string() + "\n"},
      // Controls in it reach the terminal escaped: C0 and C1, separators,
      // direction overrides and bytes that are no UTF-8; letters stay.
      {{"tolvenix", "--help"},
       0,
       "",
       "Settings and best score: "
       "/h\\x1b[2J\\x0a\\xc2\\x9b\\xe2\\x80\\xa8\\xe2\\x80\\xaeé\\xff\\xc3\\x5c/Tolvenix.ini\n",
       "/h\x1b[2J\n\xc2\x9b\xe2\x80\xa8\xe2\x80\xae\xc3\xa9\xff\xc3\\/"},
      // Arguments Qt or a launcher passes still reach the answer.
      {{"tolvenix", "-platform", "offscreen", "--version"}, 0, version},
      {{"tolvenix"}, std::nullopt, ""},
      {{"tolvenix", "--versions", "-v", "help", "file.ini"}, std::nullopt, ""},
  };
  const char* saved = std::getenv("XDG_CONFIG_HOME");
  const std::string savedHome = saved ? saved : "";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.back());
    if (c.configHome || saved) {
      ::setenv("XDG_CONFIG_HOME", c.configHome ? c.configHome : savedHome.c_str(), 1);
    } else {
      ::unsetenv("XDG_CONFIG_HOME");
    }
    std::ostringstream out;
    EXPECT_EQ(AnswerCommandLine(static_cast<int>(c.arguments.size()), c.arguments.data(), out), c.status);
    EXPECT_EQ(out.str().substr(0, c.printedStart.size()), c.printedStart);
    EXPECT_NE(out.str().find(c.printedLine), std::string::npos) << out.str();
    EXPECT_EQ(out.str().empty(), !c.status) << "nothing is printed unless answered";
  }
}

}  // namespace
}  // namespace quorvane
