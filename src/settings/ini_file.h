#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

// A whole number as the settings file holds it: optional leading blanks, an
// optional sign, then decimal digits or hex digits after "0x" or "$". Hex
// takes up to 32 bits and wraps ("$FFFFFFFF" is -1). Anything else, trailing
// garbage included, is not a number.
std::optional<int32_t> ParseIniInteger(std::string_view text);

// An INI text read and written by SimpleIni. Section and key names match
// without regard to ASCII case. The text comes back in the library's layout:
// "KEY=value" lines, sections and the keys in each in the order they were
// first met or added, two blank lines between sections, comment lines with the
// section or key that follows them, "\n" line ends, and a UTF-8 byte order
// mark only when the text had one. Lines without "=" and comments after the
// last key are not kept. A repeated section merges into the first one; for a
// repeated key the last value wins and only that one is written back.
class IniDocument {
 public:
  IniDocument();
  explicit IniDocument(std::string_view text);
  IniDocument(IniDocument&&) noexcept;
  IniDocument& operator=(IniDocument&&) noexcept;
  ~IniDocument();

  // The value with the blanks around it removed; nullopt when the key or its
  // section is missing. A key written with nothing after "=" gives "".
  std::optional<std::string> Get(std::string_view section, std::string_view key) const;

  // Replaces the key's value in place, keeping its spelling, or adds the key
  // at the end of its section, or adds the section at the end. A line break
  // in the value ends it there.
  void Set(std::string_view section, std::string_view key, std::string_view value);

  std::string Text() const;

  // False when the library could not take in values the text holds: those
  // after a NUL byte, and those under a "[" line without its "]", which it
  // files under a name running across lines and writes back as a header that
  // grows by a line on every save.
  bool HoldsAllValues() const { return holdsAllValues_; }

 private:
  struct Library;
  std::unique_ptr<Library> ini_;
  bool holdsAllValues_ = true;
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
  // written: its folder cannot hold it, the disk is full, the file exists but
  // could not be read or has no write permission for anyone, or rewriting it
  // would lose values the library could not read from it.
  bool Write(std::string_view section, std::string_view key, std::string_view value);

 private:
  bool MayReplace() const;

  std::filesystem::path path_;
  std::string onDisk_;  // the file's text as last read or written
  IniDocument document_;
  bool readFailed_ = false;
};

}  // namespace quorvane
