#include "sound/sound_player.h"

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "sound/audio_drivers.h"
#include "sound/wave_decoder.h"

namespace quorvane {

// Decoding and resampling run on one decoder thread of the player's own: the
// player may pick a long wave file, and the game step must not wait for it.
// Requests queue in a single slot, so a burst of sounds decodes only the
// latest; a newer request, or the player's end, abandons a decode under way.
struct SoundPlayer::Impl {
  SDL_AudioDeviceID device = 0;
  SDL_AudioSpec spec{};

  // The request slot, guarded by `mutex`.
  std::mutex mutex;
  std::condition_variable wake;
  SoundImage request;
  bool hasRequest = false;
  bool stopping = false;
  // Set with a new request or the player's end; read by a decode under way.
  std::atomic<bool> cancel{false};
  std::thread decoder;

  // What plays, guarded by SDL_LockAudioDevice.
  Pcm playing;
  size_t position = 0;

  static void SDLCALL Fill(void* userdata, Uint8* stream, int length) {
    auto& self = *static_cast<Impl*>(userdata);
    size_t wanted = static_cast<size_t>(length);
    size_t copied = 0;
    if (self.playing && !self.playing->empty()) {
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
      cancel.store(false);
      lock.unlock();
      Pcm pcm = DecodeWave(image, {spec.format, spec.channels, spec.freq}, cancel);
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
  // SDL would otherwise catch SIGINT and SIGTERM for an event queue that
  // nobody reads, and the game would outlive a logout or a kill.
  SDL_SetHintWithPriority(SDL_HINT_NO_SIGNAL_HANDLERS, "1", SDL_HINT_OVERRIDE);
  if (!ChooseAudioDriverOrder() || SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    return;
  }
  // A fixed format: SDL converts to whatever the hardware wants, and every
  // image is converted to this one.
  SDL_AudioSpec wanted{};
  wanted.freq = kPlaybackFormat.Frequency;
  wanted.format = kPlaybackFormat.SampleFormat;
  wanted.channels = kPlaybackFormat.Channels;
  wanted.samples = 1024;
  wanted.callback = &Impl::Fill;
  wanted.userdata = impl_.get();
  impl_->device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &impl_->spec, 0);
  if (impl_->device == 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return;
  }
  try {
    impl_->decoder = std::thread([impl = impl_.get()] {
      impl->DecodeLoop();
      // SDL keeps an error buffer per thread that calls it.
      SDL_TLSCleanup();
    });
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
    impl_->cancel.store(true);
  }
  impl_->wake.notify_one();
  impl_->decoder.join();  // prompt: a decode under way gives up at its next piece
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
    impl_->cancel.store(true);
  }
  impl_->wake.notify_one();
}

}  // namespace quorvane
