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
    std::string printedStart, printedLine = "";  // how the output starts, a line it holds
  } cases[] = {
      {{"tolvenix", "--version"}, 0, version},
      {{"tolvenix", "--help"}, 0, "Usage: tolvenix [--help | --version]\n"},
      // It names the settings file of this user.
      {{"tolvenix", "--help"}, 0, "", "Settings and best score: " + SettingsFilePath().string() + "\n"},
      // Arguments Qt or a launcher passes still reach the answer.
      {{"tolvenix", "-platform", "offscreen", "--version"}, 0, version},
      {{"tolvenix"}, std::nullopt, ""},
      {{"tolvenix", "--versions", "-v", "help", "file.ini"}, std::nullopt, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.back());
    std::ostringstream out;
    EXPECT_EQ(AnswerCommandLine(static_cast<int>(c.arguments.size()), c.arguments.data(), out), c.status);
    EXPECT_EQ(out.str().substr(0, c.printedStart.size()), c.printedStart);
    EXPECT_NE(out.str().find(c.printedLine), std::string::npos) << out.str();
    EXPECT_EQ(out.str().empty(), !c.status) << "nothing is printed unless answered";
  }
}

}  // namespace
}  // namespace quorvane
