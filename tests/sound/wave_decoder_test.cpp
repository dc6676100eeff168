#include "sound/wave_decoder.h"

#include <SDL.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <functional>

namespace quorvane {
namespace {

using ::testing::Pointee;
using ::testing::SizeIs;
using Bytes = std::vector<uint8_t>;

void Put32(Bytes& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

void PutChunk(Bytes& out, const char* id, const Bytes& body, uint32_t claimed) {
  out.insert(out.end(), id, id + 4);
  Put32(out, claimed);
  out.insert(out.end(), body.begin(), body.end());
  if (body.size() % 2 != 0) out.push_back(0);
}

Bytes Ramp(size_t frames) {
  Bytes samples(frames);
  for (size_t i = 0; i < frames; ++i) samples[i] = static_cast<uint8_t>(i * 7);
  return samples;
}

struct Chunk {
  const char* id;
  Bytes body;
  uint32_t claimed;  // the length its header states
};

// An 8-bit mono PCM format chunk: PCM and one channel, the rate, as many
// bytes per second, one byte per frame of 8 bits.
Chunk Format(uint32_t rate) {
  Chunk fmt{"fmt ", {}, 16};
  for (uint32_t field : {0x00010001u, rate, rate, 0x00080001u}) Put32(fmt.body, field);
  return fmt;
}

SoundImage Wave(const std::vector<Chunk>& chunks) {
  Bytes body{'W', 'A', 'V', 'E'};
  for (const Chunk& c : chunks) PutChunk(body, c.id, c.body, c.claimed);
  Bytes out{'R', 'I', 'F', 'F'};
  Put32(out, static_cast<uint32_t>(body.size()));
  out.insert(out.end(), body.begin(), body.end());
  return std::make_shared<const Bytes>(std::move(out));
}

Chunk Honest(const char* id, Bytes body) {
  const auto size = static_cast<uint32_t>(body.size());
  return {id, std::move(body), size};
}

Pcm Decode(const SoundImage& image) {
  const std::atomic<bool> cancel{false};
  return DecodeWave(image, kPlaybackFormat, cancel);
}

constexpr size_t kFrameBytes = 4;  // 16-bit stereo

std::atomic<size_t> largestRequest{0};
void Note(size_t bytes) {
  for (size_t seen = largestRequest; bytes > seen && !largestRequest.compare_exchange_weak(seen, bytes);) {
  }
}

// The largest block SDL asks for while `work` runs. SDL's own allocator is
// the C library's, so blocks cross the swap both ways.
size_t LargestSdlRequest(const std::function<void()>& work) {
  SDL_malloc_func oldMalloc;
  SDL_calloc_func oldCalloc;
  SDL_realloc_func oldRealloc;
  SDL_free_func oldFree;
  SDL_GetMemoryFunctions(&oldMalloc, &oldCalloc, &oldRealloc, &oldFree);
  largestRequest = 0;
  SDL_SetMemoryFunctions([](size_t n) { return Note(n), std::malloc(n); },
                         [](size_t n, size_t size) { return Note(n * size), std::calloc(n, size); },
                         [](void* block, size_t n) { return Note(n), std::realloc(block, n); }, std::free);
  work();
  SDL_SetMemoryFunctions(oldMalloc, oldCalloc, oldRealloc, oldFree);
  return largestRequest;
}

TEST(WaveDecoder, ChunkClaimingMoreThanTheFileHoldsDecodesWhatIsThere) {
  const Bytes samples = Ramp(2000);
  const Pcm whole = Decode(Wave({Format(22050), Honest("data", samples)}));
  ASSERT_THAT(whole, Pointee(SizeIs(4000 * kFrameBytes)));

  // A data chunk that claims 3 GiB, and one followed by a list chunk that
  // does: the samples come through as from the whole file, and SDL is not
  // asked for the gigabytes.
  Pcm claimed;
  EXPECT_LT(LargestSdlRequest([&] {
              claimed = Decode(Wave({Format(22050), {"data", samples, 0xC0000000}}));
            }),
            size_t{1} << 20);
  EXPECT_THAT(claimed, Pointee(*whole));
  const Pcm listAfter = Decode(
      Wave({Format(22050), Honest("junk", Ramp(3)) /* padded */, Honest("data", samples), {"LIST", {}, 0xFFFFFFF0}}));
  EXPECT_THAT(listAfter, Pointee(*whole));
  // So for a file that starts at its form type, without the RIFF header.
  const SoundImage withHeader = Wave({Format(22050), {"data", samples, 0xC0000000}});
  const Pcm headless = Decode(std::make_shared<const Bytes>(withHeader->begin() + 8, withHeader->end()));
  EXPECT_THAT(headless, Pointee(*whole));
}

TEST(WaveDecoder, RatesOutsideThoseOfRecordedSoundPlayAsSilence) {
  for (uint32_t rate : {0u, 1u, 999u, 1'000'001u, 6'302'481u, 0x7FFFFFFFu}) {
    EXPECT_FALSE(Decode(Wave({Format(rate), Honest("data", Ramp(64))}))) << rate;
  }
  // 64 frames at each rate last 64 / rate seconds at 44100 Hz.
  for (uint32_t rate : {1'000u, 1'000'000u}) {
    EXPECT_THAT(Decode(Wave({Format(rate), Honest("data", Ramp(64))})),
                Pointee(SizeIs((64 * 44100 + rate / 2) / rate * kFrameBytes)))
        << rate;
  }
}

TEST(WaveDecoder, PlaysAtMostTheFirstFiveMinutes) {
  constexpr size_t kFiveMinutes = 5 * 60 * 44100;
  const Pcm longer = Decode(Wave({Format(44100), Honest("data", Ramp(kFiveMinutes + 44100))}));
  ASSERT_THAT(longer, Pointee(SizeIs(kFiveMinutes * kFrameBytes)));

  const Pcm shorter = Decode(Wave({Format(44100), Honest("data", Ramp(kFiveMinutes - 1))}));
  ASSERT_THAT(shorter, Pointee(SizeIs((kFiveMinutes - 1) * kFrameBytes)));
  // The cut sound is the start of the longer one (the last frames of the
  // shorter one may differ: the converter finishes it with silence).
  const size_t compared = shorter->size() - 64 * kFrameBytes;
  EXPECT_TRUE(std::equal(shorter->begin(), shorter->begin() + compared, longer->begin()));
}

TEST(WaveDecoder, AbsentImageOrCancelledDecodeGivesNothing) {
  EXPECT_FALSE(Decode(nullptr));
  EXPECT_FALSE(Decode(std::make_shared<const Bytes>()));
  const std::atomic<bool> cancel{true};
  EXPECT_FALSE(DecodeWave(Wave({Format(22050), Honest("data", Ramp(100))}), kPlaybackFormat, cancel));
}

}  // namespace
}  // namespace quorvane
