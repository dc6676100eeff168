#include "sound/sound_player.h"

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <condition_variable>
#include <cstdint>
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

// Decoding works through a long wave in pieces of these sizes and looks
// between two pieces whether it has been abandoned.
constexpr size_t kReadPiece = size_t{1} << 20;     // bytes copied per look
constexpr size_t kConvertPiece = size_t{1} << 14;  // input bytes converted per look

// A wave image seen through SDL_RWops that gives up, as at the end of the
// data, once `cancel` is set.
struct CancellableReader {
  const uint8_t* data;
  size_t size;
  size_t position;
  const std::atomic<bool>& cancel;

  static CancellableReader& Of(SDL_RWops* context) {
    return *static_cast<CancellableReader*>(context->hidden.unknown.data1);
  }
  static Sint64 SDLCALL Size(SDL_RWops* context) { return static_cast<Sint64>(Of(context).size); }
  static Sint64 SDLCALL Seek(SDL_RWops* context, Sint64 offset, int whence) {
    CancellableReader& self = Of(context);
    Sint64 base = 0;
    if (whence == RW_SEEK_CUR) base = static_cast<Sint64>(self.position);
    if (whence == RW_SEEK_END) base = static_cast<Sint64>(self.size);
    const Sint64 target = base + offset;
    if (target < 0) return SDL_SetError("seek before the start of the sound");
    self.position = static_cast<size_t>(std::min<Sint64>(target, static_cast<Sint64>(self.size)));
    return static_cast<Sint64>(self.position);
  }
  static size_t SDLCALL Read(SDL_RWops* context, void* out, size_t size, size_t count) {
    CancellableReader& self = Of(context);
    if (size == 0) return 0;
    const size_t objects = std::min(count, (self.size - self.position) / size);
    const size_t bytes = objects * size;
    for (size_t done = 0; done < bytes;) {
      if (self.cancel.load(std::memory_order_relaxed)) {
        self.position = self.size;
        return 0;
      }
      const size_t piece = std::min(kReadPiece, bytes - done);
      std::memcpy(static_cast<uint8_t*>(out) + done, self.data + self.position + done, piece);
      done += piece;
    }
    self.position += bytes;
    return objects;
  }
  static size_t SDLCALL Write(SDL_RWops*, const void*, size_t, size_t) { return 0; }
  static int SDLCALL Close(SDL_RWops* context) {
    SDL_FreeRW(context);
    return 0;
  }
};

size_t FrameBytes(const SDL_AudioSpec& spec) { return SDL_AUDIO_BITSIZE(spec.format) / 8 * spec.channels; }

// The value of a silent sample byte. Waves hold signed or float samples,
// except 8-bit ones, which are unsigned.
uint8_t SilenceByte(SDL_AudioFormat format) { return SDL_AUDIO_ISSIGNED(format) ? 0x00 : 0x80; }

// Moves what the stream has ready onto the end of `pcm`, up to `limit`
// bytes in all.
bool Drain(SDL_AudioStream* stream, std::vector<uint8_t>& pcm, size_t limit) {
  const int ready = SDL_AudioStreamAvailable(stream);
  if (ready <= 0 || pcm.size() >= limit) return true;
  const size_t old = pcm.size();
  pcm.resize(std::min(limit, old + static_cast<size_t>(ready)));
  const int got = SDL_AudioStreamGet(stream, pcm.data() + old, static_cast<int>(pcm.size() - old));
  if (got < 0) return false;
  pcm.resize(old + static_cast<size_t>(got));
  return true;
}

// Converts decoded wave data to the device's format, piece by piece; null
// on failure or when abandoned. A wave without samples gives an empty
// block, which plays as silence.
Pcm Convert(const SDL_AudioSpec& in, const Uint8* data, Uint32 length, const SDL_AudioSpec& out,
            const std::atomic<bool>& cancel) {
  const size_t inFrame = FrameBytes(in), outFrame = FrameBytes(out);
  if (inFrame == 0 || outFrame == 0 || in.freq <= 0) return nullptr;
  const size_t frames = length / inFrame;
  auto pcm = std::make_shared<std::vector<uint8_t>>();
  if (frames == 0 || data == nullptr) return pcm;

  // The resampler holds back its last few input frames until more come;
  // silence is fed after the sound until the whole of it has come out, and
  // the output is cut to the sound's own length.
  const uint64_t outFrames =
      (static_cast<uint64_t>(frames) * static_cast<uint64_t>(out.freq) + static_cast<uint64_t>(in.freq) / 2) /
      static_cast<uint64_t>(in.freq);
  if (outFrames > SIZE_MAX / outFrame || outFrames * outFrame > static_cast<uint64_t>(INT_MAX)) return nullptr;
  const size_t limit = static_cast<size_t>(outFrames) * outFrame;
  pcm->reserve(limit);

  SDL_AudioStream* stream = SDL_NewAudioStream(in.format, in.channels, in.freq, out.format, out.channels, out.freq);
  if (stream == nullptr) return nullptr;
  struct FreeStream {
    SDL_AudioStream* stream;
    ~FreeStream() { SDL_FreeAudioStream(stream); }
  } freeStream{stream};

  const size_t bytes = frames * inFrame;
  const size_t piece = kConvertPiece / inFrame * inFrame;
  for (size_t done = 0; done < bytes; done += piece) {
    if (cancel.load(std::memory_order_relaxed)) return nullptr;
    const size_t n = std::min(piece, bytes - done);
    if (SDL_AudioStreamPut(stream, data + done, static_cast<int>(n)) != 0 || !Drain(stream, *pcm, limit)) {
      return nullptr;
    }
  }
  // A second of silence is far more than the resampler keeps back.
  const std::vector<uint8_t> silence(std::min(piece, static_cast<size_t>(in.freq) * inFrame), SilenceByte(in.format));
  for (size_t fed = 0; pcm->size() < limit && fed < static_cast<size_t>(in.freq) * inFrame; fed += silence.size()) {
    if (SDL_AudioStreamPut(stream, silence.data(), static_cast<int>(silence.size())) != 0 ||
        !Drain(stream, *pcm, limit)) {
      return nullptr;
    }
  }
  if (pcm->size() < limit && (SDL_AudioStreamFlush(stream) != 0 || !Drain(stream, *pcm, limit))) return nullptr;
  pcm->resize(pcm->size() / outFrame * outFrame);
  return pcm;
}

// Decodes a whole wave file held in memory; null when it is absent, no
// wave SDL can read (which then plays as silence), or abandoned.
Pcm Decode(const SoundImage& image, const SDL_AudioSpec& out, const std::atomic<bool>& cancel) {
  if (!image || image->empty()) return nullptr;
  CancellableReader reader{image->data(), image->size(), 0, cancel};
  SDL_RWops* source = SDL_AllocRW();
  if (source == nullptr) return nullptr;
  source->type = SDL_RWOPS_UNKNOWN;
  source->size = &CancellableReader::Size;
  source->seek = &CancellableReader::Seek;
  source->read = &CancellableReader::Read;
  source->write = &CancellableReader::Write;
  source->close = &CancellableReader::Close;
  source->hidden.unknown.data1 = &reader;
  SDL_AudioSpec in{};
  Uint8* data = nullptr;
  Uint32 length = 0;
  if (SDL_LoadWAV_RW(source, 1, &in, &data, &length) == nullptr) return nullptr;
  Pcm pcm;
  try {
    pcm = Convert(in, data, length, out, cancel);
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
      Pcm pcm = Decode(image, spec, cancel);
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
