#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quorvane {

// A whole number as the settings file holds it: optional leading blanks, an
// optional sign, then decimal digits or hex digits after "0x" or "$". Hex
// takes up to 32 bits and wraps ("$FFFFFFFF" is -1). Anything else, trailing
// garbage included, is not a number.
std::optional<int32_t> ParseIniInteger(std::string_view text);

// The text of a settings file, edited line by line so that a hand-edited file
// keeps every byte that is not a value we write: comments, blank lines, lines
// we cannot make sense of, the order of everything and each line's own line
// end (LF, CRLF or a lone CR).
//
// A line "[name]" opens a section; a line "name=value" holds a key. Blanks
// (spaces and tabs) around names and values do not count, and a value in a
// pair of double or single quotes loses them. Names match without regard to
// ASCII case; only the first section of a name counts, and in it the first
// key of a name, as with the Windows profile functions. Anything else is
// kept but holds nothing: a "[" without "]", a line without "=", a ";"
// comment, a line with a NUL byte, keys before the first section. A UTF-8
// byte order mark counts only at the very start of the text.
//
// Finding the sections, indexing the keys of a section and producing the
// text each take one pass; lookups and edits are hashed, so a large file
// costs time in proportion to its size. Not for use by two threads at once,
// not even through Get, which indexes a section the first time.
class ProfileText {
 public:
  ProfileText() = default;
  explicit ProfileText(std::string text);

  // nullopt when the section or the key is missing; "" for "KEY=".
  std::optional<std::string> Get(std::string_view section, std::string_view key) const;

  // Replaces the value of the key in place, keeping its spelling and the
  // blanks and quotes around the value; or adds "KEY=value" after the last key
  // of the section; or adds the section at the end. The value ends at its
  // first CR, LF or NUL, since it must stay on its line. Section and key
  // names are ours and hold none of "[]=", line breaks or outer blanks.
  void Set(std::string_view section, std::string_view key, std::string_view value);

  // The whole text with every edit applied. New lines end as most lines of
  // the text do (LF when it has none).
  std::string Text() const;

 private:
  static constexpr size_t kNone = static_cast<size_t>(-1);

  struct Key {
    size_t ValueBegin = kNone;  // the value in text_ without its blanks; kNone for an added key
    size_t ValueEnd = kNone;
    char Quote = '\0';  // the quote the value in the text stands in, single or double
    std::optional<std::string> NewValue;
  };

  struct Section {
    std::string Name;            // as spelt by the caller, for a section added at the end
    size_t BodyBegin = kNone;    // the lines after the header, up to the next header;
    size_t BodyEnd = kNone;      // kNone for a section added at the end
    size_t InsertAt = kNone;     // where added keys go: after the section's last key line
    bool AnchorUnended = false;  // that line is the text's last and has no line end
    bool Indexed = false;        // Keys holds the keys of the body
    bool Touched = false;
    std::unordered_map<std::string, Key> Keys;  // by upper-case name
    std::vector<std::string> Edited;            // upper-case names of original keys given a value
    std::vector<std::string> Added;             // names of added keys, as spelt, in order
  };

  // The first section of the name, its keys indexed; nullptr when missing.
  Section* FindSection(std::string_view name) const;
  void Index(Section& section) const;
  std::string_view NewLineEnd() const;
  void AppendAddedKeys(std::string& out, const Section& section) const;

  std::string text_;
  // Sections in the text are indexed on first use, even by Get.
  mutable std::vector<Section> sections_;                 // first sections of each name, then added ones
  std::unordered_map<std::string, size_t> sectionIndex_;  // upper-case name -> sections_
  std::vector<size_t> touched_;                           // sections with edits, in order of first edit
  size_t lineEnds_[3] = {0, 0, 0};                        // how many LF, CRLF and lone CR
};

}  // namespace quorvane
