#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

// A whole number as the settings file holds it: optional leading blanks, an
// optional sign, then decimal digits or hex digits after "0x" or "$". Hex
// takes up to 32 bits and wraps ("$FFFFFFFF" is -1). Anything else, trailing
// garbage included, is not a number.
std::optional<int32_t> ParseIniInteger(std::string_view text);

// An INI text kept line by line, so that a change touches only the line it
// must and every line the game does not know is written back as it was.
// Section and key names match without regard to ASCII case; when a name is
// repeated, the first section and the first key in it win.
class IniDocument {
 public:
  IniDocument() = default;
  explicit IniDocument(std::string_view text);

  // The value with the blanks around it removed; nullopt when the key or its
  // section is missing. A key written with nothing after "=" gives "".
  std::optional<std::string> Get(std::string_view section, std::string_view key) const;

  // Replaces the key's value in place, keeping its spelling, or adds the key
  // after the last key of its section, or adds the section at the end.
  void Set(std::string_view section, std::string_view key, std::string_view value);

  std::string Text() const;

 private:
  struct Range {
    size_t Header;  // index of the "[section]" line
    size_t End;     // one past the section's last line
  };
  std::optional<Range> FindSection(std::string_view section) const;
  std::optional<size_t> FindKey(const Range& range, std::string_view key) const;
  std::string NewLine(std::string text) const;

  std::vector<std::string> lines_;  // without '\n'; a '\r' of a CRLF file stays on the line
  bool crlf_ = false;
};

// Writes contents to a temporary file beside path, flushes it to the disk and
// renames it over path, so that a crash leaves either the old file or the new
// one, never a part. Creates missing folders. False when any step fails; the
// old file is then untouched and the temporary file removed.
bool ReplaceFileAtomically(const std::filesystem::path& path, std::string_view contents);

// The settings file on disk: read whole on construction, and replaced whole
// on every write, so that each successful write is on the disk at once.
class IniFile {
 public:
  // A missing or unreadable file reads as empty.
  explicit IniFile(std::filesystem::path path);

  std::optional<std::string> Read(std::string_view section, std::string_view key) const {
    return document_.Get(section, key);
  }

  // False, leaving file and document as they were, when the file cannot be
  // written: its folder cannot hold it, the disk is full, or the file exists
  // but could not be read or has no write permission for anyone.
  bool Write(std::string_view section, std::string_view key, std::string_view value);

 private:
  bool MayReplace() const;

  std::filesystem::path path_;
  IniDocument document_;
  bool readFailed_ = false;
};

}  // namespace quorvane
