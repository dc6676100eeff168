#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "sound/sound_image.h"

namespace quorvane {
namespace {

class GeneratedSoundTest : public ::testing::TestWithParam<std::string> {};

// The default sounds beside the program: short, clean, decodable waves.
TEST_P(GeneratedSoundTest, IsAShortCleanMonoWave) {
  SoundImage image = LoadSoundImage(std::string(QUORVANE_BIN_DIR) + "/" + GetParam() + ".wav", {});
  ASSERT_NE(image, nullptr);
  SDL_AudioSpec spec{};
  Uint8* data = nullptr;
  Uint32 length = 0;
  SDL_RWops* source = SDL_RWFromConstMem(image->data(), static_cast<int>(image->size()));
  ASSERT_NE(SDL_LoadWAV_RW(source, 1, &spec, &data, &length), nullptr) << SDL_GetError();
  std::vector<int16_t> samples(length / 2);
  std::memcpy(samples.data(), data, samples.size() * 2);
  SDL_FreeWAV(data);

  EXPECT_EQ(spec.format, AUDIO_S16LSB);
  EXPECT_EQ(spec.channels, 1);
  EXPECT_TRUE(spec.freq == 22050 || spec.freq == 44100) << spec.freq;
  const double seconds = static_cast<double>(samples.size()) / spec.freq;
  EXPECT_TRUE(seconds >= 0.2 && seconds <= 0.8) << seconds;
  ASSERT_FALSE(samples.empty());
  auto [low, high] = std::minmax_element(samples.begin(), samples.end());
  EXPECT_GT(std::max(-*low, +*high), 10000);  // audible
  EXPECT_LT(std::max(-*low, +*high), 32000);  // not clipped
  EXPECT_LT(std::abs(samples.front()), 100);  // fades in and out: no click at either end
  EXPECT_LT(std::abs(samples.back()), 100);
}

INSTANTIATE_TEST_SUITE_P(DefaultSounds, GeneratedSoundTest, ::testing::Values("zap", "boing", "yehaw"),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace quorvane
