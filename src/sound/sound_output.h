#pragma once

#include "sound/sound_image.h"

namespace quorvane {

// Where sound images are played: the audio device, or a fake in tests.
class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  // Starts the sound and returns at once; an absent image plays nothing.
  virtual void PlaySoundImage(const SoundImage& image) = 0;
};

}  // namespace quorvane
