// How long a game controller's press takes to reach the focused widget as a
// key press, and what polling the pads costs while one is connected and
// nothing is pressed. Prints figures only; never fails on timing.
//
//   pad_latency [presses]   (default 200; run with QT_QPA_PLATFORM=offscreen)
//
// The pad is SDL's virtual one, pressed from a thread of its own at random
// moments; the delay runs from the press to the key press event at the
// widget. Measured on the machine as it is, then beside one busy process per
// processor, each in a session of its own.
#include <SDL.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QWidget>
#include <QtTest/QTest>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>
#include <vector>

#include "bench_support.h"
#include "pad/pad_input.h"
#include "shell/pad_control.h"

namespace {

using namespace quorvane::bench;

// The time of each arrow key press that reaches a widget.
class KeyClock : public QObject {
 public:
  std::atomic<int64_t> last{0};
  std::atomic<int> count{0};
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Up) {
      last.store(NowMicroseconds());
      count.fetch_add(1);
    }
    return false;
  }
};

void Measure(const char* load, SDL_Joystick* pad, KeyClock& keys, int presses) {
  std::vector<int64_t> delays;
  std::atomic<bool> done{false};
  std::thread presser([&] {
    std::mt19937 random(12345);
    for (int i = 0; i < presses; ++i) {
      std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution<int>(15000, 45000)(random)));
      const int before = keys.count.load();
      const int64_t pressed = NowMicroseconds();
      SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_DPAD_UP, 1);
      while (keys.count.load() == before && NowMicroseconds() - pressed < 1000000)
        std::this_thread::sleep_for(std::chrono::microseconds(100));
      if (keys.count.load() != before) delays.push_back(keys.last.load() - pressed);
      SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_DPAD_UP, 0);
    }
    done.store(true);
  });
  while (!done.load()) QTest::qWait(50);
  presser.join();
  std::sort(delays.begin(), delays.end());
  const auto at = [&](double share) {
    return delays.empty() ? 0.0 : delays[static_cast<size_t>(share * static_cast<double>(delays.size() - 1))] / 1000.0;
  };
  std::printf("press_to_key_ms %-5s presses %d arrived %zu  p50 %.2f  p90 %.2f  p99 %.2f  max %.2f\n", load, presses,
              delays.size(), at(0.5), at(0.9), at(0.99), at(1.0));
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  const int presses = argc > 1 ? std::max(10, std::atoi(argv[1])) : 200;
  QApplication app(argc, argv);
  QWidget window;
  window.show();
  window.activateWindow();
  if (!QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }, 5000)) {
    std::printf("the window never became active: nothing measured\n");
    return 0;
  }

  SDL_InitSubSystem(SDL_INIT_JOYSTICK);
  SDL_VirtualJoystickDesc desc{};
  desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
  desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
  desc.naxes = SDL_CONTROLLER_AXIS_MAX;
  desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
  desc.name = "Virtual pad";
  SDL_Joystick* pad = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&desc));
  const SDL_JoystickID id = SDL_JoystickInstanceID(pad);
  quorvane::PadControl control(
      quorvane::OpenGameControllers(), window, [] {}, [] {});
  if (!QTest::qWaitFor([&] { return SDL_GameControllerFromInstanceID(id) != nullptr; }, 5000)) {
    std::printf("no virtual game controller: nothing measured\n");
    return 0;
  }
  KeyClock keys;
  app.installEventFilter(&keys);

  // A pad connected and nothing pressed: what polling it costs.
  const int idleSeconds = 10;
  const double cpuBefore = ProcessCpuMilliseconds();
  QElapsedTimer wall;
  wall.start();
  QTest::qWait(idleSeconds * 1000);
  std::printf("idle_cpu_percent_with_pad %.2f over %d s (poll every %d ms)\n",
              100.0 * (ProcessCpuMilliseconds() - cpuBefore) / static_cast<double>(wall.elapsed()), idleSeconds,
              quorvane::PadControl::ActiveInterval);

  Measure("idle", pad, keys, presses);
  {
    CompetingLoad load;
    Measure("busy", pad, keys, presses);
  }
  SDL_JoystickClose(pad);
  return 0;
}
