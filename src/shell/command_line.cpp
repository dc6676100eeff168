#include "shell/command_line.h"

#include <string_view>

#include "product/product.h"
#include "settings/settings_paths.h"

namespace quorvane {

std::optional<int> AnswerCommandLine(int argc, const char* const* argv, std::ostream& out) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--version") {
      out << ProductName << ' ' << ProductVersion << '\n';
      return 0;
    }
    if (argument == "--help") {
      out << "Usage: tolvenix [--help | --version]\n"
          << ProductName
          << ", a snake game in one window; it takes no other arguments.\n"
             "Settings and best score: "
          << SettingsFilePath().string()
          << "\n"
             "(from $XDG_CONFIG_HOME, or ~/.config when that is unset). More in man 6 tolvenix.\n";
      return 0;
    }
  }
  return std::nullopt;
}

}  // namespace quorvane
