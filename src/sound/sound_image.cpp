#include "sound/sound_image.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <new>
#include <stdexcept>
#include <utility>

namespace quorvane {

namespace {

enum class ReadResult { Loaded, Empty, Failed };

// Reads the open file `fd` whole into `image`.
ReadResult ReadWhole(int fd, SoundImage& image) {
  struct stat info {};
  // Checked again on the open file: the path may name another file by now.
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || static_cast<uintmax_t>(info.st_size) > kMaxSoundFileBytes) {
    return ReadResult::Failed;
  }
  if (info.st_size == 0) {
    return ReadResult::Empty;
  }
  std::shared_ptr<std::vector<uint8_t>> bytes;
  try {
    bytes = std::make_shared<std::vector<uint8_t>>(static_cast<size_t>(info.st_size));
  } catch (const std::bad_alloc&) {
    return ReadResult::Failed;
  } catch (const std::length_error&) {
    return ReadResult::Failed;
  }
  size_t done = 0;
  while (done < bytes->size()) {
    ssize_t got = ::read(fd, bytes->data() + done, bytes->size() - done);
    if (got < 0 && errno == EINTR) {
      continue;
    }
    if (got <= 0) {
      return ReadResult::Failed;  // an error, or the file came up short
    }
    done += static_cast<size_t>(got);
  }
  image = std::move(bytes);
  return ReadResult::Loaded;
}

}  // namespace

SoundImage LoadSoundImage(const std::string& path, const SoundLoadWarning& warn) {
  struct stat info {};
  if (path.empty() || ::stat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) {
    return nullptr;  // no file there: the sound is simply absent
  }
  auto fail = [&warn]() -> SoundImage {
    if (warn) {
      warn(kSoundLoadFailedText);
    }
    return nullptr;
  };
  // A pipe, device or socket is never opened: opening some devices has
  // effects of its own.
  if (!S_ISREG(info.st_mode) || static_cast<uintmax_t>(info.st_size) > kMaxSoundFileBytes) {
    return fail();
  }
  // Non-blocking so that a FIFO at the path cannot hang the window.
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    return fail();
  }
  SoundImage image;
  ReadResult result = ReadWhole(fd, image);
  if (::close(fd) != 0) {
    result = ReadResult::Failed;
  }
  if (result == ReadResult::Failed) {
    return fail();
  }
  return image;  // null for an empty file
}

void ReleaseSoundImage(SoundImage& image) { image.reset(); }

void ReloadSoundIfChanged(const std::string& oldPath, const std::string& newPath, SoundImage& slot,
                          const SoundLoadWarning& warn) {
  if (oldPath == newPath) {
    return;
  }
  ReleaseSoundImage(slot);
  slot = LoadSoundImage(newPath, warn);
}

SoundImageLoader::SoundImageLoader(SoundLoadWarning warn) : warn_(std::move(warn)) {}

void SoundImageLoader::Offer(const std::string& path, const SoundImage& image) {
  if (image) {
    entries_.push_back({path, image, false});
  }
}

SoundImage SoundImageLoader::Load(const std::string& path) {
  for (const Entry& entry : entries_) {
    if (entry.path != path) {
      continue;
    }
    if (entry.failed) {
      return nullptr;  // warned already
    }
    if (SoundImage shared = entry.image.lock()) {
      return shared;
    }
  }
  bool failed = false;
  SoundImage image = LoadSoundImage(path, [this, &failed](const std::string& text) {
    failed = true;
    if (warn_) {
      warn_(text);
    }
  });
  if (image || failed) {
    entries_.push_back({path, image, failed});
  }
  return image;
}

void SoundImageLoader::ReloadIfChanged(const std::string& oldPath, const std::string& newPath, SoundImage& slot) {
  if (oldPath == newPath) {
    return;
  }
  ReleaseSoundImage(slot);
  slot = Load(newPath);
}

}  // namespace quorvane
