#pragma once

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

// Reads the whole file at `path`. A missing file or an empty one gives an
// absent image silently; a file that exists but cannot be read whole warns
// once and gives an absent image. The file is opened for reading only.
SoundImage LoadSoundImage(const std::string& path, const SoundLoadWarning& warn);

// Drops the caller's reference; the bytes go once nothing plays them.
void ReleaseSoundImage(SoundImage& image);

// Reloads `slot` from `newPath` when the path has changed. File names are
// case-sensitive here, so the paths are compared exactly.
void ReloadSoundIfChanged(const std::string& oldPath, const std::string& newPath, SoundImage& slot,
                          const SoundLoadWarning& warn);

}  // namespace quorvane
