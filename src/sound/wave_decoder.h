#pragma once

#include <atomic>
#include <bit>
#include <cstdint>
#include <memory>
#include <vector>

#include "sound/sound_image.h"

namespace quorvane {

// Samples in the device's own format, ready to copy out.
using Pcm = std::shared_ptr<const std::vector<uint8_t>>;

// A sample format as SDL describes it: its SDL_AudioFormat code, the number
// of channels and the rate in frames per second.
struct PcmFormat {
  uint16_t SampleFormat;
  uint8_t Channels;
  int Frequency;
};

// What the player asks the device for: 16-bit signed samples in the
// machine's byte order, stereo, 44.1 kHz. SDL converts to whatever the
// hardware wants.
inline constexpr PcmFormat kPlaybackFormat{
    std::endian::native == std::endian::little ? uint16_t{0x8010} : uint16_t{0x9010}, 2, 44100};

// Decodes a whole wave image and converts it to `format`; null when the
// image is absent, is no wave SDL can read (which then plays as silence), or
// `cancel` is set while the work goes on. A wave without samples gives an
// empty block. Runs on the player's decoder thread, and on any thread
// without an audio device.
Pcm DecodeWave(const SoundImage& image, const PcmFormat& format, const std::atomic<bool>& cancel);

}  // namespace quorvane
