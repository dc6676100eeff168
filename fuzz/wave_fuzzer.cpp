// Any bytes as a sound file: the loader reads the file whole, and the
// player's decoder turns it into device samples or refuses it, with no
// crash, no undefined behaviour and memory within the fuzzer's limits.
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "sound/sound_image.h"
#include "sound/wave_decoder.h"

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "sound file: %s\n", what);
  std::abort();
}

// One file in a folder of this process's own, rewritten for every input.
const std::string& SoundPath() {
  static const std::string path = [] {
    // Made before the exit handler is registered, so it outlives the handler.
    static std::string folder = (std::filesystem::temp_directory_path() / "quorvane-wave-fuzz-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) Fail("no temporary folder");
    std::atexit([] { std::filesystem::remove_all(folder); });
    return folder + "/sound.wav";
  }();
  return path;
}

void WriteFile(const std::string& path, const uint8_t* data, size_t size) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) Fail("cannot write the sound file");
  for (size_t done = 0; done < size;) {
    const ssize_t wrote = ::write(fd, data + done, size - done);
    if (wrote <= 0) Fail("cannot write the sound file");
    done += static_cast<size_t>(wrote);
  }
  ::close(fd);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quorvane;
  WriteFile(SoundPath(), data, size);
  int warnings = 0;
  const SoundImage image = LoadSoundImage(SoundPath(), [&](const std::string&) { ++warnings; });
  // An empty file is an absent sound; any other regular file is read whole.
  if (warnings != 0) Fail("a readable file warned");
  if (size == 0 ? image != nullptr : !image || image->size() != size || std::memcmp(image->data(), data, size) != 0) {
    Fail("the image is not the file's bytes");
  }

  const std::atomic<bool> cancel{false};
  const Pcm pcm = DecodeWave(image, kPlaybackFormat, cancel);
  if (pcm && pcm->size() % 4 != 0) Fail("the samples are not whole 16-bit stereo frames");
  return 0;
}
