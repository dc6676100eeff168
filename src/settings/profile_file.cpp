#include "settings/profile_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

namespace quorvane {

namespace fs = std::filesystem;

namespace {

enum class ReadOutcome { Read, Missing, Refused };

bool IsOurs(const struct stat& st) {
  return S_ISREG(st.st_mode) && static_cast<uint64_t>(st.st_size) <= kMaxProfileFileSize;
}

ReadOutcome ReadWhole(const fs::path& path, std::string& text) {
  // Look before opening: opening a device may itself do something.
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0)
    return errno == ENOENT || errno == ENOTDIR ? ReadOutcome::Missing : ReadOutcome::Refused;
  if (!IsOurs(st)) return ReadOutcome::Refused;

  // Non-blocking, in case a named pipe took the file's place since.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT ? ReadOutcome::Missing : ReadOutcome::Refused;
  ReadOutcome outcome = ReadOutcome::Read;
  if (::fstat(fd, &st) != 0 || !IsOurs(st)) outcome = ReadOutcome::Refused;
  char buffer[65536];
  while (outcome == ReadOutcome::Read) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got == 0) break;
    if (got < 0) {
      if (errno != EINTR) outcome = ReadOutcome::Refused;
      continue;
    }
    text.append(buffer, static_cast<size_t>(got));
    if (text.size() > kMaxProfileFileSize) outcome = ReadOutcome::Refused;  // it grew while we read
  }
  ::close(fd);
  if (outcome != ReadOutcome::Read) text.clear();
  return outcome;
}

// Where writing to path ends up: the final target of a chain of links, even
// one that does not exist yet. A relative link is relative to its folder.
fs::path FinalTarget(fs::path path) {
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(path, error))) break;
    fs::path link = fs::read_symlink(path, error);
    if (error) break;
    path = link.is_absolute() ? link : path.parent_path() / link;
  }
  return path;  // after too many hops, still a link: the stat below fails
}

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t written = ::write(fd, data.data(), data.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

// A decimal number of nothing but digits.
template <typename T>
bool ParseDigits(std::string_view text, T& value) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) return false;
  return std::from_chars(text.data(), text.data() + text.size(), value).ec == std::errc();
}

std::string TemporaryPrefix(const fs::path& target) { return "." + target.filename().string() + "."; }

// Removes ".<file>.<pid>.<n>.tmp" files whose process no longer runs: what a
// save that was killed left behind. A running process may be saving now.
void RemoveLeftovers(const fs::path& folder, const fs::path& target) {
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  const std::string prefix = TemporaryPrefix(target);
  while (const dirent* entry = ::readdir(dir)) {
    std::string_view name = entry->d_name;
    if (!name.starts_with(prefix) || !name.ends_with(".tmp")) continue;
    name = name.substr(prefix.size(), name.size() - prefix.size() - 4);
    const size_t dot = name.find('.');
    pid_t pid = 0;
    unsigned long long n = 0;
    if (dot == std::string_view::npos || !ParseDigits(name.substr(0, dot), pid) ||
        !ParseDigits(name.substr(dot + 1), n) || pid <= 0)
      continue;
    if (::kill(pid, 0) == 0 || errno != ESRCH) continue;
    ::unlinkat(::dirfd(dir), entry->d_name, 0);
  }
  ::closedir(dir);
}

// Makes the rename itself durable; the file's contents are already safe.
void SyncFolder(const fs::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Makes the folder and the missing ones above it. Each new folder's entry
// in its parent is synced, so that a power cut cannot take the new folder,
// and the settings file in it, away again.
bool MakeFolders(const fs::path& folder) {
  std::vector<fs::path> missing;
  std::error_code error;
  for (fs::path at = folder; !at.empty() && !fs::exists(fs::symlink_status(at, error)); at = at.parent_path()) {
    missing.push_back(at);
    if (at == at.parent_path()) break;
  }
  fs::create_directories(folder, error);
  if (error) return false;
  for (auto made = missing.rbegin(); made != missing.rend(); ++made)
    SyncFolder(made->has_parent_path() ? made->parent_path() : fs::path("."));
  return true;
}

bool ReplaceAtomically(const fs::path& target, std::string_view contents) {
  if (contents.size() > kMaxProfileFileSize) return false;  // the next start would not read it
  fs::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  if (!MakeFolders(folder)) return false;

  struct stat old {};
  const bool replacing = ::stat(target.c_str(), &old) == 0;
  if (replacing) {
    // The rename would get past the file's own permissions, and root gets
    // past them anyway: a file with no write bit for anyone is the player's
    // wish to keep it as it is, and access() covers a file that is not ours.
    if (!IsOurs(old) || (old.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) return false;
  } else if (errno != ENOENT) {
    return false;  // a loop of links, a folder we may not search...
  }

  RemoveLeftovers(folder, target);

  static std::atomic<unsigned> counter{0};
  fs::path temporary;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temporary =
        folder / (TemporaryPrefix(target) + std::to_string(::getpid()) + "." + std::to_string(counter++) + ".tmp");
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
    [[maybe_unused]] const int owned = ::fchown(fd, old.st_uid, old.st_gid);
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

}  // namespace

ProfileFile::ProfileFile(fs::path path) : path_(std::move(path)) {
  std::string text;
  mayReplace_ = ReadWhole(path_, text) != ReadOutcome::Refused;
  text_ = ProfileText(std::move(text));
}

bool ProfileFile::Save() const { return mayReplace_ && ReplaceAtomically(FinalTarget(path_), text_.Text()); }

}  // namespace quorvane
