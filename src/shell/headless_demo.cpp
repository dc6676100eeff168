// A game played without a window: the snake steers itself round the board
// and each step's score is printed. Stands in for the window while it is built.
#include <cstdio>
#include <random>

#include "game/snake_game.h"

namespace {

using namespace quorvane;

struct ConsolePorts : BoardSurface, GameControls, StepTimer, GameSounds, GameOverQuestions, RandomSource, TimeOfDayClock {
  void DrawCell(int, int, int) override {}
  void ClearSurface() override {}
  void DrawIntroScreen() override {}
  void RepaintBoard() override {}
  void SetStatusText(int panel, const std::string& text) override {
    if (panel == 1) std::printf("%s\n", text.c_str());
    if (panel == 0 && !text.empty()) std::printf("%s\n", text.c_str());
  }
  void SetControlEnabled(GameControl, bool) override {}
  void SetPauseCaption(const std::string&) override {}
  void SetPauseChecked(bool) override {}
  void SetBlinkTimerEnabled(bool) override {}
  uint16_t Interval() const override { return interval; }
  void SetInterval(uint16_t ms) override { interval = ms; }
  bool Enabled() const override { return enabled; }
  void SetEnabled(bool e) override { enabled = e; }
  void PlaySoundImage(GameSound) override {}
  std::string AskHiScoreName(int32_t) override { return "Demo"; }
  bool AskPlayAgain() override { return false; }
  void Reseed(uint32_t seed) override { engine.seed(seed); }
  int Random(int range) override { return std::uniform_int_distribution<int>(0, range - 1)(engine); }
  uint32_t MillisecondsSinceMidnight() override { return 42; }
  uint16_t interval = 0;
  bool enabled = false;
  std::mt19937 engine;
};

}  // namespace

int main() {
  ConsolePorts ports;
  GameSettings settings;
  SnakeGame game(settings, GamePorts{ports, ports, ports, ports, ports, ports, ports});
  game.NewGame();
  std::mt19937 keys(7);
  while (game.State().GameRunning) {
    if (keys() % 4 == 0) game.FilterKeyMessage(KeyLeft + static_cast<int>(keys() % 4));
    game.GameStep();
  }
  std::printf("Hi : %d\n", settings.HiScore);
}
