#include "settings/ini_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <limits>
#include <utility>

namespace quorvane {

namespace fs = std::filesystem;

namespace {

// '\r' counts as a blank, so that lines of a CRLF file read like any other.
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

int DigitValue(char c, int base) {
  int value = -1;
  if (c >= '0' && c <= '9') value = c - '0';
  else if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  return value < base ? value : -1;
}

// The name of a "[section]" line, or nullopt for any other line. A missing
// "]" is forgiven, as hand-edited files have them.
std::optional<std::string_view> SectionName(std::string_view content) {
  content = Trim(content);
  if (content.empty() || content.front() != '[') return std::nullopt;
  content.remove_prefix(1);
  return Trim(content.substr(0, content.find(']')));
}

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    ssize_t written = ::write(fd, data.data(), data.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

// Makes the rename itself durable; the file is already safe without it.
void SyncFolder(const fs::path& folder) {
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
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

IniDocument::IniDocument(std::string_view text) {
  while (!text.empty()) {
    size_t end = text.find('\n');
    lines_.emplace_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  crlf_ = !lines_.empty() && !lines_.front().empty() && lines_.front().back() == '\r';
}

std::optional<IniDocument::Range> IniDocument::FindSection(std::string_view section) const {
  auto content = [this](size_t i) {
    std::string_view line = lines_[i];
    if (i == 0 && line.starts_with(kUtf8Bom)) line.remove_prefix(kUtf8Bom.size());
    return line;
  };
  for (size_t i = 0; i < lines_.size(); ++i) {
    auto name = SectionName(content(i));
    if (!name || !EqualsNoCase(*name, section)) continue;
    size_t end = i + 1;
    while (end < lines_.size() && !SectionName(lines_[end])) ++end;
    return Range{i, end};
  }
  return std::nullopt;
}

std::optional<size_t> IniDocument::FindKey(const Range& range, std::string_view key) const {
  for (size_t i = range.Header + 1; i < range.End; ++i) {
    std::string_view line = lines_[i];
    size_t equals = line.find('=');
    if (equals != std::string_view::npos && EqualsNoCase(Trim(line.substr(0, equals)), key)) return i;
  }
  return std::nullopt;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
  auto range = FindSection(section);
  if (!range) return std::nullopt;
  auto index = FindKey(*range, key);
  if (!index) return std::nullopt;
  std::string_view line = lines_[*index];
  return std::string(Trim(line.substr(line.find('=') + 1)));
}

std::string IniDocument::NewLine(std::string text) const {
  if (crlf_) text += '\r';
  return text;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  // A line break in a value would start a line of its own in the file.
  value = value.substr(0, value.find_first_of("\r\n"));

  auto range = FindSection(section);
  if (!range) {
    if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.push_back(NewLine(""));
    lines_.push_back(NewLine("[" + std::string(section) + "]"));
    lines_.push_back(NewLine(std::string(key) + "=" + std::string(value)));
    return;
  }
  if (auto index = FindKey(*range, key)) {
    // Keep the key as the file spells it, and its spacing around "=".
    std::string& line = lines_[*index];
    size_t start = line.find('=') + 1;
    while (start < line.size() && IsBlank(line[start])) ++start;
    line = NewLine(line.substr(0, start) + std::string(value));
    return;
  }
  // After the section's last key, so that blank lines and comments that lead
  // into the next section stay with it.
  size_t at = range->Header + 1;
  for (size_t i = range->Header + 1; i < range->End; ++i) {
    if (lines_[i].find('=') != std::string::npos) at = i + 1;
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), NewLine(std::string(key) + "=" + std::string(value)));
}

std::string IniDocument::Text() const {
  std::string text;
  for (const std::string& line : lines_) {
    text += line;
    text += '\n';
  }
  return text;
}

bool ReplaceFileAtomically(const fs::path& path, std::string_view contents) {
  std::error_code error;
  // Replace what a link points to, not the link, so a linked settings file
  // stays linked.
  fs::path target = path;
  if (fs::is_symlink(path, error)) {
    fs::path resolved = fs::canonical(path, error);
    if (!error) target = resolved;
  }
  fs::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  fs::create_directories(folder, error);
  if (error) return false;

  struct stat old {};
  const bool replacing = ::stat(target.c_str(), &old) == 0;

  static std::atomic<unsigned> counter{0};
  fs::path temporary;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temporary = folder / ("." + target.filename().string() + "." + std::to_string(::getpid()) + "." +
                          std::to_string(counter++) + ".tmp");
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return false;
  }
  if (fd < 0) return false;

  bool ok = true;
  if (replacing) {
    // The new file takes the old one's place, so it takes its mode and owner
    // too; a run as root then does not leave the player a file they cannot
    // write. Changing the owner fails harmlessly for anyone but root.
    ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    [[maybe_unused]] int owned = ::fchown(fd, old.st_uid, old.st_gid);
  }
  ok = ok && WriteAll(fd, contents) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(temporary.c_str());
    return false;
  }
  SyncFolder(folder);
  return true;
}

IniFile::IniFile(fs::path path) : path_(std::move(path)) {
  int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    readFailed_ = errno != ENOENT && errno != ENOTDIR;
    return;
  }
  std::string text;
  char buffer[4096];
  for (;;) {
    ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      readFailed_ = true;
      break;
    }
    text.append(buffer, static_cast<size_t>(got));
  }
  ::close(fd);
  if (!readFailed_) document_ = IniDocument(text);
}

bool IniFile::MayReplace() const {
  // Replacing a file we could not read would throw away what it holds.
  if (readFailed_) return false;
  struct stat st {};
  if (::stat(path_.c_str(), &st) != 0) return errno == ENOENT || errno == ENOTDIR;
  if (!S_ISREG(st.st_mode)) return false;
  // The rename would get past the file's own permissions, and root gets past
  // them anyway: a file with no write bit for anyone is the player's wish to
  // keep it as it is, and access() covers a file that is not ours.
  return (st.st_mode & 0222) != 0 && ::access(path_.c_str(), W_OK) == 0;
}

bool IniFile::Write(std::string_view section, std::string_view key, std::string_view value) {
  IniDocument changed = document_;
  changed.Set(section, key, value);
  if (!MayReplace() || !ReplaceFileAtomically(path_, changed.Text())) return false;
  document_ = std::move(changed);
  return true;
}

}  // namespace quorvane
