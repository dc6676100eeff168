#include "sound/wave_decoder.h"

#include <SDL.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>

namespace quorvane {

static_assert(kPlaybackFormat.SampleFormat == AUDIO_S16SYS);

namespace {

// Decoding works through a long wave in pieces of these sizes and looks
// between two pieces whether it has been abandoned.
constexpr size_t kReadPiece = size_t{1} << 20;     // bytes copied per look
constexpr size_t kConvertPiece = size_t{1} << 14;  // input bytes converted per look

// A sound plays at most its first five minutes: the samples of a longer one
// (or of a few bytes at a rate of one frame a second) would fill memory.
constexpr uint64_t kMaxPlaybackSeconds = 5 * 60;

// The rates a wave may have; one outside plays as silence. Sounds are
// recorded at thousands of frames a second, not at one, where each frame
// costs the resampler 44100; and SDL's resampler miscounts its buffers for
// rates above 4 MHz (it multiplies the rate by 512 in an int).
constexpr int kMinWaveRate = 1'000;
constexpr int kMaxWaveRate = 1'000'000;

// A chunk length of the wave, put right where it overstates the bytes that
// follow. SDL allocates the length a chunk declares before reading it, so
// a few bytes claiming 4 GiB would reserve 4 GiB; given the length that is
// there, SDL decodes the same samples.
struct LengthFix {
  size_t At = SIZE_MAX;  // offset of the 32-bit little-endian length; SIZE_MAX for none
  uint8_t Bytes[4]{};
};

uint32_t LittleEndian32(const uint8_t* bytes) {
  return uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 | uint32_t{bytes[3]} << 24;
}

// Walks the chunks as SDL does: after the 12-byte RIFF header, or after
// the form type of a file that starts with it ("WAVE"), each chunk padded
// to an even length. Only the last one can run past the end.
LengthFix FitLastChunk(const std::vector<uint8_t>& wave) {
  constexpr size_t kChunkHeader = 8;
  LengthFix fix;
  const size_t first = wave.size() >= 4 && std::memcmp(wave.data(), "WAVE", 4) == 0 ? 4 : 12;
  for (size_t at = first; at <= wave.size() && wave.size() - at >= kChunkHeader;) {
    const uint64_t length = LittleEndian32(wave.data() + at + 4);
    const size_t room = wave.size() - at - kChunkHeader;
    if (length > room) {
      fix.At = at + 4;
      for (int i = 0; i < 4; ++i) fix.Bytes[i] = static_cast<uint8_t>(room >> (8 * i));
      break;
    }
    at += kChunkHeader + length + (length & 1);
  }
  return fix;
}

// A wave image seen through SDL_RWops that gives up, as at the end of the
// data, once `cancel` is set. Reads see the length fix in place.
struct CancellableReader {
  const uint8_t* data;
  size_t size;
  size_t position;
  const std::atomic<bool>& cancel;
  LengthFix fix;

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
    for (size_t i = 0; i < 4; ++i) {
      const size_t at = self.fix.At + i;
      if (self.fix.At != SIZE_MAX && at >= self.position && at < self.position + bytes) {
        static_cast<uint8_t*>(out)[at - self.position] = self.fix.Bytes[i];
      }
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
  if (inFrame == 0 || outFrame == 0 || in.freq < kMinWaveRate || in.freq > kMaxWaveRate || out.freq <= 0)
    return nullptr;
  const uint64_t inRate = static_cast<uint64_t>(in.freq), outRate = static_cast<uint64_t>(out.freq);
  const size_t frames = length / inFrame;
  auto pcm = std::make_shared<std::vector<uint8_t>>();
  if (frames == 0 || data == nullptr) return pcm;

  // The resampler holds back its last few input frames until more come;
  // silence is fed after the sound until the whole of it has come out, and
  // the output is cut to the sound's own length.
  const uint64_t outFrames =
      std::min((static_cast<uint64_t>(frames) * outRate + inRate / 2) / inRate, kMaxPlaybackSeconds * outRate);
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
  // Pieces bound both what goes in and what the resampler makes of it, which
  // it keeps until drained: one frame at 1 Hz gives 44100.
  const uint64_t pieceFrames =
      std::max<uint64_t>(1, std::min(kConvertPiece / inFrame, kConvertPiece / outFrame * inRate / outRate));
  const size_t piece = static_cast<size_t>(pieceFrames) * inFrame;
  for (size_t done = 0; done < bytes && pcm->size() < limit; done += piece) {
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

}  // namespace

Pcm DecodeWave(const SoundImage& image, const PcmFormat& format, const std::atomic<bool>& cancel) {
  if (!image || image->empty()) return nullptr;
  SDL_AudioSpec out{};
  out.freq = format.Frequency;
  out.format = format.SampleFormat;
  out.channels = format.Channels;
  CancellableReader reader{image->data(), image->size(), 0, cancel, FitLastChunk(*image)};
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

}  // namespace quorvane
