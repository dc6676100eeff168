#include "settings/profile_text.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <tuple>
#include <utility>

namespace quorvane {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string Upper(std::string_view name) {
  std::string upper(name);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

// The quote that encloses the value, single or double, or '\0' for none.
char EnclosingQuote(std::string_view value) {
  if (value.size() < 2 || value.front() != value.back()) return '\0';
  return value.front() == '"' || value.front() == '\'' ? value.front() : '\0';
}

// A value that would lose blanks or quotes on reading goes out in quotes,
// and so comes back as it was written. `quote` is the quote the old value
// stood in, kept so that an edit changes only the value.
std::string Formatted(std::string_view value, char quote) {
  if (!quote && (EnclosingQuote(value) || (!value.empty() && (IsBlank(value.front()) || IsBlank(value.back())))))
    quote = '"';
  if (!quote) return std::string(value);
  std::string text;
  text.reserve(value.size() + 2);
  text += quote;
  text += value;
  text += quote;
  return text;
}

// One line of a text: its content is [Begin, End), its line end [End, Next).
struct LineSpan {
  size_t Begin, End, Next;
  std::string_view Of(std::string_view all) const { return all.substr(Begin, End - Begin); }
};

LineSpan LineAt(std::string_view all, size_t begin) {
  size_t end = begin;
  while (end < all.size() && all[end] != '\n' && all[end] != '\r') ++end;
  size_t next = end;
  if (next < all.size()) next += all.substr(next, 2) == "\r\n" ? 2 : 1;
  return {begin, end, next};
}

// The line without its outer blanks, or "" for a line that says nothing: a
// comment, or one holding a NUL byte, which a C string would cut short.
std::string_view Meaningful(std::string_view line) {
  if (std::memchr(line.data(), '\0', line.size())) return {};
  const std::string_view content = Trim(line);
  return content.starts_with(';') ? std::string_view() : content;
}

// The name in "[name]", text after the "]" aside.
std::optional<std::string_view> HeaderName(std::string_view content) {
  const size_t close = content.find(']');
  if (!content.starts_with('[') || close == std::string_view::npos) return std::nullopt;
  return Trim(content.substr(1, close - 1));
}

int DigitValue(char c, int base) {
  int value = -1;
  if (c >= '0' && c <= '9')
    value = c - '0';
  else if (c >= 'a' && c <= 'f')
    value = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F')
    value = c - 'A' + 10;
  return value < base ? value : -1;
}

}  // namespace

std::optional<int32_t> ParseIniInteger(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    i += 1;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == text.size()) return std::nullopt;

  const uint64_t limit = base == 16 ? std::numeric_limits<uint32_t>::max()
                                    : uint64_t{std::numeric_limits<int32_t>::max()} + (negative ? 1 : 0);
  uint64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    int digit = DigitValue(text[i], base);
    if (digit < 0) return std::nullopt;
    magnitude = magnitude * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
    if (magnitude > limit) return std::nullopt;
  }
  uint32_t bits = static_cast<uint32_t>(magnitude);
  if (negative) bits = 0u - bits;
  return static_cast<int32_t>(bits);
}

ProfileText::ProfileText(std::string text) : text_(std::move(text)) {
  // One pass finds the sections and counts the line ends; the keys of a
  // section are indexed when it is first asked for, so foreign sections cost
  // no more than a look at their lines.
  const std::string_view all = text_;
  Section* current = nullptr;  // the section the lines belong to, if it is the first of its name
  for (size_t pos = all.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0; pos < all.size();) {
    const LineSpan line = LineAt(all, pos);
    pos = line.Next;
    if (line.Next > line.End) ++lineEnds_[line.Next - line.End == 2 ? 1 : all[line.End] == '\n' ? 0 : 2];

    const std::optional<std::string_view> name = HeaderName(Meaningful(line.Of(all)));
    if (!name) continue;
    if (current) current->BodyEnd = line.Begin;
    // Keys under a repeated section are never found, as with the profile
    // functions: the first section of a name is the one that counts.
    current = nullptr;
    if (!sectionIndex_.try_emplace(Upper(*name), sections_.size()).second) continue;
    current = &sections_.emplace_back();
    current->BodyBegin = current->InsertAt = line.Next;
    current->AnchorUnended = line.End == line.Next;
  }
  if (current) current->BodyEnd = all.size();
}

ProfileText::Section* ProfileText::FindSection(std::string_view name) const {
  auto it = sectionIndex_.find(Upper(name));
  if (it == sectionIndex_.end()) return nullptr;
  Section& section = sections_[it->second];
  if (!section.Indexed) Index(section);
  return &section;
}

void ProfileText::Index(Section& section) const {
  section.Indexed = true;
  const std::string_view all = text_;
  for (size_t pos = section.BodyBegin; pos < section.BodyEnd;) {
    const LineSpan line = LineAt(all, pos);
    pos = line.Next;
    const std::string_view content = Meaningful(line.Of(all));
    const size_t equals = content.find('=');
    if (equals == std::string_view::npos || content.front() == '[') continue;
    const std::string_view name = Trim(content.substr(0, equals));
    if (name.empty()) continue;
    // Blanks are not part of the value, and an empty one sits after them.
    const std::string_view value = Trim(content.substr(equals + 1));
    const size_t valueBegin = value.empty() ? line.End : static_cast<size_t>(value.data() - all.data());
    section.Keys.try_emplace(Upper(name), Key{valueBegin, valueBegin + value.size(), EnclosingQuote(value), {}});
    // Added keys go after the section's last key line, or after its header.
    section.InsertAt = line.Next;
    section.AnchorUnended = line.End == line.Next;
  }
}

std::optional<std::string> ProfileText::Get(std::string_view section, std::string_view key) const {
  const Section* found = FindSection(section);
  if (!found) return std::nullopt;
  auto it = found->Keys.find(Upper(key));
  if (it == found->Keys.end()) return std::nullopt;
  const Key& k = it->second;
  if (k.NewValue) return k.NewValue;
  std::string_view value = std::string_view(text_).substr(k.ValueBegin, k.ValueEnd - k.ValueBegin);
  if (k.Quote) value = value.substr(1, value.size() - 2);
  return std::string(value);
}

void ProfileText::Set(std::string_view section, std::string_view key, std::string_view value) {
  value = value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));

  Section* s = FindSection(section);
  if (!s) {
    sectionIndex_.emplace(Upper(section), sections_.size());
    s = &sections_.emplace_back();
    s->Name = section;
  }
  if (!s->Touched) {
    s->Touched = true;
    touched_.push_back(static_cast<size_t>(s - sections_.data()));
  }

  std::string upper = Upper(key);
  auto [it, newKey] = s->Keys.try_emplace(upper);
  Key& k = it->second;
  if (newKey)
    s->Added.emplace_back(key);
  else if (k.ValueBegin != kNone && !k.NewValue)
    s->Edited.push_back(std::move(upper));
  k.NewValue = std::string(value);
}

std::string_view ProfileText::NewLineEnd() const {
  static constexpr std::string_view kEnds[3] = {"\n", "\r\n", "\r"};
  // Ties go to the earlier of LF, CRLF, CR; a text without line ends gets LF.
  return kEnds[std::max_element(std::begin(lineEnds_), std::end(lineEnds_)) - std::begin(lineEnds_)];
}

void ProfileText::AppendAddedKeys(std::string& out, const Section& section) const {
  const std::string_view eol = NewLineEnd();
  for (const std::string& name : section.Added) {
    out += name;
    out += '=';
    out += Formatted(*section.Keys.at(Upper(name)).NewValue, '\0');
    out += eol;
  }
}

std::string ProfileText::Text() const {
  const std::string_view eol = NewLineEnd();

  // Every edit replaces the bytes [At, Until) of the original text; value
  // edits come before keys added at the same place.
  struct Splice {
    size_t At, Until;
    int Order;
    std::string Bytes;
  };
  std::vector<Splice> splices;
  std::vector<size_t> appended;
  for (size_t index : touched_) {
    const Section& s = sections_[index];
    if (s.InsertAt == kNone) {
      appended.push_back(index);
      continue;
    }
    for (const std::string& upper : s.Edited) {
      const Key& k = s.Keys.at(upper);
      splices.push_back({k.ValueBegin, k.ValueEnd, 0, Formatted(*k.NewValue, k.Quote)});
    }
    if (!s.Added.empty()) {
      std::string lines(s.AnchorUnended ? eol : "");
      AppendAddedKeys(lines, s);
      // A lone CR before the LF of an empty line would join the two into one
      // CRLF line end, and the empty line would be gone.
      if (eol == "\r" && s.InsertAt < text_.size() && text_[s.InsertAt] == '\n') lines += '\n';
      splices.push_back({s.InsertAt, s.InsertAt, 1, std::move(lines)});
    }
  }
  std::sort(splices.begin(), splices.end(),
            [](const Splice& a, const Splice& b) { return std::tie(a.At, a.Order) < std::tie(b.At, b.Order); });

  size_t size = text_.size();
  for (const Splice& splice : splices) size += splice.Bytes.size();
  std::string out;
  out.reserve(size);
  size_t copied = 0;
  for (const Splice& splice : splices) {
    out.append(text_, copied, splice.At - copied);
    out += splice.Bytes;
    copied = splice.Until;
  }
  out.append(text_, copied);

  for (size_t index : appended) {
    if (!out.empty() && out != kByteOrderMark && out.back() != '\n' && out.back() != '\r') out += eol;
    out += '[';
    out += sections_[index].Name;
    out += ']';
    out += eol;
    AppendAddedKeys(out, sections_[index]);
  }
  return out;
}

}  // namespace quorvane
