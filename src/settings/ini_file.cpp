#include "settings/ini_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <limits>
#include <new>
#include <utility>

// The file is 8-bit text in whatever code page the player uses, so the bytes
// pass through unconverted. Debian's header holds the library's code behind
// SI_IMPLEMENTATION; this is the one place that compiles it.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

namespace quorvane {

namespace fs = std::filesystem;

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

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

// The library reports only a failed allocation here; it never half-fails.
void Check(SI_Error result) {
  if (result < 0) throw std::bad_alloc();
}

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

struct IniDocument::Library {
  // Case-insensitive names; one value per key; "<<<" is plain text, not the
  // start of a multi-line value.
  CSimpleIniA ini{/*a_bIsUtf8=*/false, /*a_bMultiKey=*/false, /*a_bMultiLine=*/false};

  Library() { ini.SetSpaces(false); }
};

IniDocument::IniDocument() : ini_(std::make_unique<Library>()) {}

IniDocument::IniDocument(std::string_view text) : IniDocument() {
  Check(ini_->ini.LoadData(text.data(), text.size()));
  CSimpleIniA::TNamesDepend sections;
  ini_->ini.GetAllSections(sections);
  holdsAllValues_ = text.find('\0') == std::string_view::npos;
  for (const auto& section : sections) {
    if (std::strpbrk(section.pItem, "\r\n")) holdsAllValues_ = false;
  }
}

IniDocument::IniDocument(IniDocument&&) noexcept = default;
IniDocument& IniDocument::operator=(IniDocument&&) noexcept = default;
IniDocument::~IniDocument() = default;

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
  const char* value = ini_->ini.GetValue(std::string(section).c_str(), std::string(key).c_str(), nullptr);
  if (!value) return std::nullopt;
  return value;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  // With multi-line values off, the library writes a value as it is, so a
  // line break would start a line of its own in the file.
  value = value.substr(0, value.find_first_of("\r\n"));
  Check(ini_->ini.SetValue(std::string(section).c_str(), std::string(key).c_str(), std::string(value).c_str()));
}

std::string IniDocument::Text() const {
  std::string text;
  // The byte order mark goes out only when the text came in with one.
  Check(ini_->ini.Save(text, /*a_bAddSignature=*/true));
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
  char buffer[4096];
  for (;;) {
    ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      readFailed_ = true;
      break;
    }
    onDisk_.append(buffer, static_cast<size_t>(got));
  }
  ::close(fd);
  if (readFailed_)
    onDisk_.clear();
  else
    document_ = IniDocument(onDisk_);
}

bool IniFile::MayReplace() const {
  // Replacing a file we could not read, or read only in part, would throw
  // away what it holds.
  if (readFailed_ || !document_.HoldsAllValues()) return false;
  struct stat st {};
  if (::stat(path_.c_str(), &st) != 0) return errno == ENOENT || errno == ENOTDIR;
  if (!S_ISREG(st.st_mode)) return false;
  // The rename would get past the file's own permissions, and root gets past
  // them anyway: a file with no write bit for anyone is the player's wish to
  // keep it as it is, and access() covers a file that is not ours.
  return (st.st_mode & 0222) != 0 && ::access(path_.c_str(), W_OK) == 0;
}

bool IniFile::Write(std::string_view section, std::string_view key, std::string_view value) {
  if (!MayReplace()) return false;
  document_.Set(section, key, value);
  std::string text = document_.Text();
  if (!ReplaceFileAtomically(path_, text)) {
    document_ = IniDocument(onDisk_);  // back to what the file still holds
    return false;
  }
  onDisk_ = std::move(text);
  return true;
}

}  // namespace quorvane
