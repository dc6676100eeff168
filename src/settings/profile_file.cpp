#include "settings/profile_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <climits>
#include <csignal>
#include <optional>
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

std::string TemporaryPrefix(const std::string& name) { return "." + name + "."; }

// Removes ".<file>.<pid>.<n>.tmp" files whose process no longer runs: what a
// save that was killed left behind. A running process may be saving now.
void RemoveLeftovers(int folder, const std::string& name) {
  const int listing = ::dup(folder);
  if (listing < 0) return;
  DIR* dir = ::fdopendir(listing);
  if (!dir) {
    ::close(listing);
    return;
  }
  const std::string prefix = TemporaryPrefix(name);
  while (const dirent* entry = ::readdir(dir)) {
    std::string_view entryName = entry->d_name;
    if (!entryName.starts_with(prefix) || !entryName.ends_with(".tmp")) continue;
    entryName = entryName.substr(prefix.size(), entryName.size() - prefix.size() - 4);
    const size_t dot = entryName.find('.');
    pid_t pid = 0;
    unsigned long long n = 0;
    if (dot == std::string_view::npos || !ParseDigits(entryName.substr(0, dot), pid) ||
        !ParseDigits(entryName.substr(dot + 1), n) || pid <= 0)
      continue;
    if (::kill(pid, 0) == 0 || errno != ESRCH) continue;
    ::unlinkat(folder, entry->d_name, 0);
  }
  ::closedir(dir);
}

// Makes a new entry in the folder durable.
void SyncFolder(const fs::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Makes the folder and the missing ones above it, each for the player
// alone, as a settings folder must be (see WritableFolder). Each new
// folder's entry in its parent is synced, so that a power cut cannot take
// the new folder, and the settings file in it, away again.
bool MakeFolders(const fs::path& folder) {
  std::vector<fs::path> missing;
  std::error_code error;
  for (fs::path at = folder; !at.empty() && !fs::exists(fs::symlink_status(at, error)); at = at.parent_path()) {
    missing.push_back(at);
    if (at == at.parent_path()) break;
  }
  for (auto made = missing.rbegin(); made != missing.rend(); ++made) {
    if (::mkdir(made->c_str(), 0700) != 0 && errno != EEXIST) return false;
    SyncFolder(made->has_parent_path() ? made->parent_path() : fs::path("."));
  }
  return true;
}

// A group that holds the player alone: the private group most systems give
// each account, which a umask of 002 lets write the player's own folders.
bool IsPlayersOwnGroup(gid_t gid) {
  const passwd* player = ::getpwuid(::geteuid());
  if (player == nullptr || player->pw_gid != gid) return false;
  const group* players = ::getgrgid(gid);
  return players != nullptr && std::string_view(players->gr_name) == player->pw_name &&
         (players->gr_mem == nullptr || players->gr_mem[0] == nullptr);
}

// Opens the folder a settings file may be written into: the player's own,
// and writable by nobody else, who could otherwise plant or swap the file
// between our look and our write. Everything after works through this
// descriptor, so a folder renamed or replaced since cannot redirect it.
// -1 when the folder is not such a one.
int WritableFolder(const fs::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || st.st_uid != ::geteuid() || (st.st_mode & S_IWOTH) != 0 ||
      ((st.st_mode & S_IWGRP) != 0 && !IsPlayersOwnGroup(st.st_gid))) {
    ::close(fd);
    return -1;
  }
  return fd;
}

std::optional<fs::path> ReadLink(int folder, const std::string& name) {
  std::string link(PATH_MAX, '\0');
  const ssize_t length = ::readlinkat(folder, name.c_str(), link.data(), link.size());
  if (length <= 0 || static_cast<size_t>(length) >= link.size()) return std::nullopt;
  link.resize(static_cast<size_t>(length));
  return fs::path(link);
}

struct Destination {
  int Folder = -1;  // from WritableFolder
  std::string Name;
  std::optional<struct stat> Old;  // the file replaced, if there is one
};

// Where a save of path goes: the file itself, or the file the player's own
// links lead to (dotfile managers keep the settings elsewhere that way).
// A link that is not the player's is not followed, nor is anything that is
// not the player's replaced: someone else's link could lead to any file of
// the player's. Nothing when the save may not be made.
std::optional<Destination> FindDestination(fs::path path) {
  for (int hops = 0; hops < 40; ++hops) {
    fs::path folder = path.parent_path();
    if (folder.empty()) folder = ".";
    if (!MakeFolders(folder)) return std::nullopt;
    Destination to{WritableFolder(folder), path.filename().string(), std::nullopt};
    if (to.Folder < 0) return std::nullopt;
    struct stat st {};
    if (::fstatat(to.Folder, to.Name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
      if (errno == ENOENT) return to;
      ::close(to.Folder);
      return std::nullopt;
    }
    if (S_ISLNK(st.st_mode)) {
      const std::optional<fs::path> next = st.st_uid == ::geteuid() ? ReadLink(to.Folder, to.Name) : std::nullopt;
      ::close(to.Folder);
      if (!next) return std::nullopt;
      path = next->is_absolute() ? *next : folder / *next;  // a relative link is relative to its folder
      continue;
    }
    // The rename would get past the file's own permissions, and root gets
    // past them anyway: a file with no write bit for anyone is the player's
    // wish to keep it as it is.
    if (!IsOurs(st) || st.st_uid != ::geteuid() || (st.st_mode & 0222) == 0 ||
        ::faccessat(to.Folder, to.Name.c_str(), W_OK, AT_EACCESS) != 0) {
      ::close(to.Folder);
      return std::nullopt;
    }
    to.Old = st;
    return to;
  }
  return std::nullopt;  // a loop of links
}

bool WriteInto(const Destination& to, std::string_view contents) {
  RemoveLeftovers(to.Folder, to.Name);

  static std::atomic<unsigned> counter{0};
  std::string temporary;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temporary = TemporaryPrefix(to.Name) + std::to_string(::getpid()) + "." + std::to_string(counter++) + ".tmp";
    // A new file of our own, never anything that stands there already.
    fd = ::openat(to.Folder, temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return false;
  }
  if (fd < 0) return false;

  // The new file takes the old one's place, so it takes its mode too.
  bool ok = !to.Old || ::fchmod(fd, to.Old->st_mode & 07777) == 0;
  ok = ok && WriteAll(fd, contents) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::renameat(to.Folder, temporary.c_str(), to.Folder, to.Name.c_str()) == 0;
  if (!ok) {
    ::unlinkat(to.Folder, temporary.c_str(), 0);
    return false;
  }
  ::fsync(to.Folder);  // makes the rename itself durable
  return true;
}

bool ReplaceAtomically(const fs::path& path, std::string_view contents) {
  if (contents.size() > kMaxProfileFileSize) return false;  // the next start would not read it
  const std::optional<Destination> to = FindDestination(path);
  if (!to) return false;
  const bool ok = WriteInto(*to, contents);
  ::close(to->Folder);
  return ok;
}

}  // namespace

ProfileFile::ProfileFile(fs::path path) : path_(std::move(path)) {
  std::string text;
  mayReplace_ = ReadWhole(path_, text) != ReadOutcome::Refused;
  text_ = ProfileText(std::move(text));
}

bool ProfileFile::Save() const { return mayReplace_ && ReplaceAtomically(path_, text_.Text()); }

}  // namespace quorvane
