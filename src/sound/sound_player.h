#pragma once

#include <memory>

#include "sound/sound_image.h"
#include "sound/sound_output.h"

namespace quorvane {

// Plays sound images one at a time on the default audio device, which is
// open only while a sound plays (and a moment after). Without a usable
// device every call quietly does nothing.
class SoundPlayer final : public SoundOutput {
 public:
  SoundPlayer();
  // Stops what plays and closes the device.
  ~SoundPlayer() override;

  SoundPlayer(const SoundPlayer&) = delete;
  SoundPlayer& operator=(const SoundPlayer&) = delete;

  // Starts playing `image` and returns at once. A new sound cuts off the one
  // playing; an absent image, or one that is no valid wave, silences it. The
  // caller may release its image straight away.
  void PlaySoundImage(const SoundImage& image) override;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace quorvane
