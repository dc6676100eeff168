#pragma once

#include <random>

#include "game/game_ports.h"

namespace quorvane {

// Uniform numbers from a Mersenne twister, reseeded whenever the game asks.
class MersenneRandom final : public RandomSource {
 public:
  void Reseed(uint32_t seed) override { engine_.seed(seed); }
  int Random(int range) override { return std::uniform_int_distribution<int>(0, range - 1)(engine_); }

 private:
  std::mt19937 engine_;
};

// The local time of day.
class LocalTimeOfDay final : public TimeOfDayClock {
 public:
  uint32_t MillisecondsSinceMidnight() override;
};

}  // namespace quorvane
