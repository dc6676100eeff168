#include "sound/sound_player.h"

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <chrono>
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
//
// The device is open only while something plays. SDL 2 keeps feeding a
// paused device silence, which keeps the sound server and the hardware
// awake and wakes the game dozens of times a second, so "paused" here means
// closed: the decoder thread closes the device once a sound has ended and
// opens it again, before the first sample is handed over, for the next one.
struct SoundPlayer::Impl {
  // Whether the audio system came up with a device; fixed once constructed.
  bool available = false;
  // The open device or 0; opened and closed by the decoder thread only (and
  // by the constructor and destructor while that thread does not run).
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
  // Whole buffers of silence handed over since the sound ended.
  int silentBuffers = 0;

  // A sound asked for while the device is open plays behind the buffer
  // already queued, so the buffer is kept small: 512 frames, 12 ms at the
  // playback rate.
  static constexpr Uint16 kBufferFrames = 512;
  // Buffers of silence to play after a sound before closing, a fifth of a
  // second: they carry the sound's end through the driver's own buffers,
  // and a sound that follows soon after (a blob, then a new best score)
  // finds the device still open.
  static constexpr int kTailBuffers = (kPlaybackFormat.Frequency / 5 + kBufferFrames - 1) / kBufferFrames;

  static void SDLCALL Fill(void* userdata, Uint8* stream, int length) {
    auto& self = *static_cast<Impl*>(userdata);
    size_t wanted = static_cast<size_t>(length);
    size_t copied = 0;
    if (self.playing && !self.playing->empty()) {
      copied = std::min(wanted, self.playing->size() - self.position);
      std::memcpy(stream, self.playing->data() + self.position, copied);
      self.position += copied;
    }
    if (copied == 0) ++self.silentBuffers;
    std::memset(stream + copied, self.spec.silence, wanted - copied);
  }

  // Opens the device paused; false without one.
  bool Open() {
    SDL_AudioSpec wanted{};
    wanted.freq = kPlaybackFormat.Frequency;
    wanted.format = kPlaybackFormat.SampleFormat;
    wanted.channels = kPlaybackFormat.Channels;
    wanted.samples = kBufferFrames;
    wanted.callback = &Impl::Fill;
    wanted.userdata = this;
    // No changes allowed: SDL converts to whatever the hardware wants, and
    // every image is converted to this one format.
    device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &spec, 0);
    return device != 0;
  }

  void Close() {
    if (device == 0) return;
    SDL_CloseAudioDevice(device);
    device = 0;
    playing.reset();
    position = 0;
  }

  // How long until the device may close: zero once the sound and its tail
  // of silence have been handed over.
  std::chrono::milliseconds UntilQuiet() {
    SDL_LockAudioDevice(device);
    const size_t bytesLeft = playing ? playing->size() - position : 0;
    const int buffersLeft = std::max(0, kTailBuffers - silentBuffers);
    SDL_UnlockAudioDevice(device);
    if (bytesLeft == 0 && buffersLeft == 0) return std::chrono::milliseconds(0);
    const size_t frameBytes = static_cast<size_t>(SDL_AUDIO_BITSIZE(spec.format) / 8 * spec.channels);
    const size_t frames = bytesLeft / frameBytes + static_cast<size_t>(buffersLeft) * spec.samples;
    return std::chrono::milliseconds(std::max<size_t>(10, frames * 1000 / static_cast<size_t>(spec.freq)));
  }

  // Plays `pcm` from its first sample, opening the device for a sound and
  // leaving it closed for silence; frees what it cuts off.
  void Start(Pcm pcm) {
    if (device == 0) {
      if (!pcm || pcm->empty()) return;
      // Nothing reads these while the device is closed; set before it opens,
      // the sound follows the opening at once.
      playing = std::move(pcm);
      position = 0;
      silentBuffers = 0;
      if (Open())
        SDL_PauseAudioDevice(device, 0);
      else
        playing.reset();  // no device now: silence
      return;
    }
    SDL_LockAudioDevice(device);
    std::swap(playing, pcm);
    position = 0;
    silentBuffers = 0;
    SDL_UnlockAudioDevice(device);
    SDL_PauseAudioDevice(device, 0);  // still paused if opened at start-up
    // `pcm` now holds the cut-off sound, freed here outside the audio lock.
  }

  void DecodeLoop() {
    std::unique_lock lock(mutex);
    for (;;) {
      if (!stopping && !hasRequest && device != 0) {
        // Something may still sound: close once it is over, or look again
        // when it should be.
        lock.unlock();
        const auto left = UntilQuiet();
        if (left.count() == 0) Close();  // takes a while: SDL lets the device drain
        lock.lock();
        if (left.count() != 0) wake.wait_for(lock, left, [this] { return stopping || hasRequest; });
        continue;
      }
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
      lock.unlock();
      Start(std::move(pcm));
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
  // Opened once to learn that there is a device; the decoder thread closes
  // it again straight away, as nothing plays.
  if (!impl_->Open()) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return;
  }
  impl_->silentBuffers = Impl::kTailBuffers;  // no sound whose end needs carrying
  try {
    impl_->decoder = std::thread([impl = impl_.get()] {
      impl->DecodeLoop();
      // SDL keeps an error buffer per thread that calls it.
      SDL_TLSCleanup();
    });
  } catch (const std::system_error&) {
    impl_->Close();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return;
  }
  impl_->available = true;
}

SoundPlayer::~SoundPlayer() {
  if (!impl_->available) {
    return;
  }
  {
    std::lock_guard lock(impl_->mutex);
    impl_->stopping = true;
    impl_->cancel.store(true);
  }
  impl_->wake.notify_one();
  impl_->decoder.join();  // prompt: a decode under way gives up at its next piece
  impl_->Close();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SoundPlayer::PlaySoundImage(const SoundImage& image) {
  if (!impl_->available) {
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
