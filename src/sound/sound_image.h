#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quorvane {

// A whole sound file held in memory, bytes exactly as on disk; null when the
// sound is absent. Shared so that a sound still playing keeps its bytes alive
// while the window replaces or releases its own reference.
using SoundImage = std::shared_ptr<const std::vector<uint8_t>>;

// The text of the warning shown when a sound file exists but cannot be read.
// The shell shows it in a warning box titled "Quorvane Sinuvar".
inline constexpr const char* kSoundLoadFailedText = "Could not load sound file.";

// Called with kSoundLoadFailedText when a load fails; may be empty.
using SoundLoadWarning = std::function<void(const std::string& text)>;

// The largest sound file read. The sounds are short effects; a bigger file
// is refused like an unreadable one, before anything is read or allocated.
inline constexpr std::size_t kMaxSoundFileBytes = std::size_t{16} * 1024 * 1024;

// Reads the whole file at `path`. A missing file, a folder or an empty file
// gives an absent image silently; a file that exists but cannot be read
// whole (a pipe, a device, a socket, one bigger than kMaxSoundFileBytes)
// warns once and gives an absent image. The file is opened for reading
// only and never blocks.
SoundImage LoadSoundImage(const std::string& path, const SoundLoadWarning& warn);

// Drops the caller's reference; the bytes go once nothing plays them.
void ReleaseSoundImage(SoundImage& image);

// Reloads `slot` from `newPath` when the path has changed. File names are
// case-sensitive here, so the paths are compared exactly.
void ReloadSoundIfChanged(const std::string& oldPath, const std::string& newPath, SoundImage& slot,
                          const SoundLoadWarning& warn);

// One round of loading the window's sounds: all three when it is shown, or
// the reloads after the options dialog. A file named by several sounds is
// read once and its image shared, and a file that fails warns once. Paths
// are compared exactly, as the file system does.
class SoundImageLoader {
 public:
  explicit SoundImageLoader(SoundLoadWarning warn);

  // Offers an image loaded earlier from `path` for sharing. The loader keeps
  // no image alive: one released meanwhile is read again.
  void Offer(const std::string& path, const SoundImage& image);

  // LoadSoundImage, unless this round has already loaded `path` or been
  // offered an image from it.
  SoundImage Load(const std::string& path);

  // ReloadSoundIfChanged through Load. The slot lets go of its old image
  // before the new file is read.
  void ReloadIfChanged(const std::string& oldPath, const std::string& newPath, SoundImage& slot);

 private:
  struct Entry {
    std::string path;
    std::weak_ptr<const std::vector<uint8_t>> image;
    bool failed = false;
  };

  SoundLoadWarning warn_;
  std::vector<Entry> entries_;
};

}  // namespace quorvane
