#include "sound/sound_player.h"

#include <SDL.h>

#include <algorithm>
#include <climits>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace quorvane {

namespace {

// Samples in the device's own format, ready to copy out.
using Pcm = std::shared_ptr<const std::vector<uint8_t>>;

// Converts decoded wave data to the device's format; null on failure.
// SDL_AudioCVT rather than SDL_AudioStream: the stream's flush drops the
// last few milliseconds of a resampled sound.
Pcm Convert(const SDL_AudioSpec& in, const Uint8* data, Uint32 length, const SDL_AudioSpec& out) {
  SDL_AudioCVT cvt{};
  int built = SDL_BuildAudioCVT(&cvt, in.format, in.channels, in.freq, out.format, out.channels, out.freq);
  if (built < 0 || length > static_cast<Uint32>(INT_MAX / std::max(cvt.len_mult, 1))) {
    return nullptr;
  }
  auto pcm = std::make_shared<std::vector<uint8_t>>(static_cast<size_t>(length) * static_cast<size_t>(cvt.len_mult));
  std::memcpy(pcm->data(), data, length);
  cvt.buf = pcm->data();
  cvt.len = static_cast<int>(length);
  if (cvt.needed != 0 && SDL_ConvertAudio(&cvt) != 0) {
    return nullptr;
  }
  size_t frame = SDL_AUDIO_BITSIZE(out.format) / 8 * out.channels;
  size_t converted = cvt.needed != 0 ? static_cast<size_t>(cvt.len_cvt) : length;
  pcm->resize(converted / frame * frame);
  pcm->shrink_to_fit();
  return pcm;
}

// Decodes a whole wave file held in memory; null when it is absent or no
// wave SDL can read, which then plays as silence.
Pcm Decode(const SoundImage& image, const SDL_AudioSpec& out) {
  if (!image || image->empty() || image->size() > static_cast<size_t>(INT_MAX)) {
    return nullptr;
  }
  SDL_RWops* source = SDL_RWFromConstMem(image->data(), static_cast<int>(image->size()));
  if (source == nullptr) {
    return nullptr;
  }
  SDL_AudioSpec in{};
  Uint8* data = nullptr;
  Uint32 length = 0;
  if (SDL_LoadWAV_RW(source, 1, &in, &data, &length) == nullptr) {
    return nullptr;
  }
  Pcm pcm;
  try {
    pcm = Convert(in, data, length, out);
  } catch (const std::bad_alloc&) {
    pcm.reset();
  }
  SDL_FreeWAV(data);
  return pcm;
}

}  // namespace

// Decoding and resampling run on one decoder thread of the player's own: the
// player may pick a long wave file, and the game step must not wait for it.
// Requests queue in a single slot, so a burst of sounds decodes only the
// latest, and a decode overtaken by a newer request is dropped unplayed.
struct SoundPlayer::Impl {
  SDL_AudioDeviceID device = 0;
  SDL_AudioSpec spec{};

  // The request slot, guarded by `mutex`.
  std::mutex mutex;
  std::condition_variable wake;
  SoundImage request;
  bool hasRequest = false;
  bool stopping = false;
  std::thread decoder;

  // What plays, guarded by SDL_LockAudioDevice.
  Pcm playing;
  size_t position = 0;

  static void SDLCALL Fill(void* userdata, Uint8* stream, int length) {
    auto& self = *static_cast<Impl*>(userdata);
    size_t wanted = static_cast<size_t>(length);
    size_t copied = 0;
    if (self.playing) {
      copied = std::min(wanted, self.playing->size() - self.position);
      std::memcpy(stream, self.playing->data() + self.position, copied);
      self.position += copied;
    }
    std::memset(stream + copied, self.spec.silence, wanted - copied);
  }

  void DecodeLoop() {
    std::unique_lock lock(mutex);
    for (;;) {
      wake.wait(lock, [this] { return stopping || hasRequest; });
      if (stopping) {
        return;
      }
      SoundImage image = std::move(request);
      request.reset();
      hasRequest = false;
      lock.unlock();
      Pcm pcm = Decode(image, spec);
      image.reset();
      lock.lock();
      if (hasRequest || stopping) {
        continue;
      }
      SDL_LockAudioDevice(device);
      std::swap(playing, pcm);
      position = 0;
      SDL_UnlockAudioDevice(device);
      // `pcm` now holds the cut-off sound, freed here outside the audio lock.
      lock.unlock();
      pcm.reset();
      lock.lock();
    }
  }
};

SoundPlayer::SoundPlayer() : impl_(std::make_unique<Impl>()) {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    return;
  }
  // A fixed format: SDL converts to whatever the hardware wants, and every
  // image is converted to this one.
  SDL_AudioSpec wanted{};
  wanted.freq = 44100;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = 2;
  wanted.samples = 1024;
  wanted.callback = &Impl::Fill;
  wanted.userdata = impl_.get();
  impl_->device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &impl_->spec, 0);
  if (impl_->device == 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return;
  }
  try {
    impl_->decoder = std::thread([impl = impl_.get()] { impl->DecodeLoop(); });
  } catch (const std::system_error&) {
    SDL_CloseAudioDevice(impl_->device);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    impl_->device = 0;
    return;
  }
  SDL_PauseAudioDevice(impl_->device, 0);
}

SoundPlayer::~SoundPlayer() {
  if (impl_->device == 0) {
    return;
  }
  {
    std::lock_guard lock(impl_->mutex);
    impl_->stopping = true;
  }
  impl_->wake.notify_one();
  impl_->decoder.join();
  SDL_CloseAudioDevice(impl_->device);
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SoundPlayer::HasDevice() const { return impl_->device != 0; }

void SoundPlayer::PlaySoundImage(const SoundImage& image) {
  if (impl_->device == 0) {
    return;
  }
  {
    std::lock_guard lock(impl_->mutex);
    impl_->request = image;
    impl_->hasRequest = true;
  }
  impl_->wake.notify_one();
}

}  // namespace quorvane
