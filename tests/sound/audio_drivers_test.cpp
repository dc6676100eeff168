#include "sound/audio_drivers.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

// SDL's own order on Debian 12.
const std::vector<std::string> kDrivers = {"pulseaudio", "alsa", "sndio", "pipewire", "dsp", "disk", "dummy"};

TEST(AudioDriverOrder, OnlyTheSoundServerIsTriedWithoutASoundCard) {
  const struct {
    const char* cards;
    std::vector<std::string> drivers;
    std::optional<std::string> order;
  } cases[] = {
      // A card: SDL's own order, ALSA included.
      {" 0 [PCH            ]: HDA-Intel - HDA Intel PCH\n                      HDA Intel PCH at 0xf7f10000\n", kDrivers,
       std::nullopt},
      {"--- no soundcards ---\n 1 [USB            ]: USB-Audio - USB Audio\n", kDrivers, std::nullopt},
      // ALSA in the kernel without a card, and no ALSA at all.
      {" --- no soundcards ---\n", kDrivers, "pulseaudio"},
      {"", kDrivers, "pulseaudio"},
      // A card's description may hold digits; only a leading number counts.
      {"    USB Audio 2.0 at usb-0000:00:14.0-1\n", kDrivers, "pulseaudio"},
      // No sound server to try.
      {"", {"alsa", "sndio", "pipewire", "dummy"}, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(QuietAudioDriverOrder(c.drivers, c.cards), c.order) << c.cards;
}

}  // namespace
}  // namespace quorvane
