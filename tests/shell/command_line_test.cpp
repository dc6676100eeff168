#include "shell/command_line.h"

#include <gtest/gtest.h>

#include "product/product.h"
#include "settings/settings_paths.h"

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
    std::string printedStart;
  } cases[] = {
      {{"tolvenix", "--version"}, 0, version},
      {{"tolvenix", "--help"}, 0, "Usage: tolvenix [--help | --version]\n"},
      // Arguments Qt or a launcher passes still reach the answer.
      {{"tolvenix", "-platform", "offscreen", "--version"}, 0, version},
      {{"tolvenix"}, std::nullopt, ""},
      {{"tolvenix", "--versions", "-v", "help", "file.ini"}, std::nullopt, ""},
  };
  for (const auto& c : cases) {
    std::ostringstream out;
    EXPECT_EQ(AnswerCommandLine(static_cast<int>(c.arguments.size()), c.arguments.data(), out), c.status)
        << c.arguments.back();
    EXPECT_EQ(out.str().substr(0, c.printedStart.size()), c.printedStart) << c.arguments.back();
    if (c.printedStart.empty()) {
      EXPECT_EQ(out.str(), "");
    }
  }
}

TEST(CommandLine, HelpNamesTheSettingsFileOfThisUser) {
  const char* arguments[] = {"tolvenix", "--help"};
  std::ostringstream out;
  AnswerCommandLine(2, arguments, out);
  EXPECT_NE(out.str().find("Settings and best score: " + SettingsFilePath().string() + "\n"), std::string::npos)
      << out.str();
}

}  // namespace
}  // namespace quorvane
