#pragma once

#include <random>

#include "game/game_ports.h"
#include "timer/super_timer.h"

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

// The step timer as the game sees it: the game's steps ride on TSuperTimer.
class SuperTimerSteps final : public StepTimer {
 public:
  explicit SuperTimerSteps(TSuperTimer& timer) : timer_(timer) {}
  uint16_t Interval() const override { return timer_.Interval(); }
  void SetInterval(uint16_t milliseconds) override { timer_.SetInterval(milliseconds); }
  bool Enabled() const override { return timer_.Enabled(); }
  void SetEnabled(bool enabled) override { timer_.SetEnabled(enabled); }

 private:
  TSuperTimer& timer_;
};

}  // namespace quorvane
