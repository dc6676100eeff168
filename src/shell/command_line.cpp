#include "shell/command_line.h"

#include <string>
#include <string_view>

#include "product/product.h"
#include "settings/settings_paths.h"

namespace quorvane {

namespace {

// The text with every control character, C1 control included, every line
// or paragraph separator, direction control and byte that is no UTF-8
// written as \xNN, so that a hostile name cannot steer the terminal.
std::string TerminalSafe(std::string_view text) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string safe;
  const auto escape = [&](std::string_view bytes) {
    for (const unsigned char byte : bytes) safe.append({'\\', 'x', kDigits[byte >> 4], kDigits[byte & 15]});
  };
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const size_t length = lead < 0x80             ? 1
                          : (lead & 0xe0) == 0xc0 ? 2
                          : (lead & 0xf0) == 0xe0 ? 3
                          : (lead & 0xf8) == 0xf0 ? 4
                                                  : 0;
    char32_t code = length == 1 ? lead : length == 2 ? lead & 0x1f : length == 3 ? lead & 0x0f : lead & 0x07;
    bool valid = length > 0 && i + length <= text.size();
    for (size_t k = 1; valid && k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      valid = (next & 0xc0) == 0x80;
      code = (code << 6) | (next & 0x3f);
    }
    // Overlong forms, surrogates and code points beyond Unicode are no UTF-8.
    static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    valid = valid && code >= kLeast[length] && (code < 0xd800 || code > 0xdfff) && code <= 0x10ffff;
    const bool control = code < 0x20 || (code >= 0x7f && code <= 0x9f) || code == 0x2028 || code == 0x2029 ||
                         (code >= 0x200e && code <= 0x200f) || (code >= 0x202a && code <= 0x202e) ||
                         (code >= 0x2066 && code <= 0x2069) || code == '\\';
    if (!valid) {
      escape(text.substr(i, 1));
      ++i;
      continue;
    }
    if (control) {
      escape(text.substr(i, length));
    } else {
      safe.append(text.substr(i, length));
    }
    i += length;
  }
  return safe;
}

}  // namespace

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
          << ", a snake game in one window; it takes no other arguments of its own\n"
             "but obeys Qt's standard options (-platform, -style, -stylesheet and the like).\n"
             "Settings and best score: "
          << TerminalSafe(SettingsFilePath().string())
          << "\n"
             "(from $XDG_CONFIG_HOME, or ~/.config when that is unset). More in man 6 tolvenix.\n";
      return 0;
    }
  }
  return std::nullopt;
}

}  // namespace quorvane
