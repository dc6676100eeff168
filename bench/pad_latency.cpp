// How long a game controller's press takes to reach the focused widget as a
// key press, and what a connected pad costs while nothing is pressed.
// Prints figures only; never fails on timing.
//
//   pad_latency [presses]   (default 200; run with QT_QPA_PLATFORM=offscreen)
//
// Two pads, one after the other: one the game waits on (a pipe stands in
// for its device node), and SDL's virtual one, which has no device and is
// polled. Each is pressed from a thread of its own at random moments; the
// delay runs from the press to the key press event at the widget. Measured
// on the machine as it is, then beside one busy process per processor, each
// in a session of its own.
#include <SDL.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <QtTest/QTest>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
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

// A pad the game waits on: a pipe stands in for the device node the kernel
// hands each reader a copy of, and each byte written is a press of Up.
class PipePad final : public quorvane::PadInput {
 public:
  PipePad() {
    if (::pipe2(pipe_, O_NONBLOCK | O_CLOEXEC) != 0) std::abort();
  }
  ~PipePad() override {
    ::close(pipe_[0]);
    ::close(pipe_[1]);
  }
  void Press() {
    if (::write(pipe_[1], "u", 1) != 1) std::abort();
  }
  std::vector<quorvane::PadEvent> Poll() override {
    std::vector<quorvane::PadEvent> events;
    char bytes[64];
    for (ssize_t got; (got = ::read(pipe_[0], bytes, sizeof bytes)) > 0;)
      for (ssize_t i = 0; i < got; ++i) events.push_back({quorvane::PadEvent::Kind::Press, quorvane::PadKey::Up, 0});
    return events;
  }
  int Connected() const override { return 1; }
  std::vector<int> Descriptors() const override { return {pipe_[0]}; }
  bool NeedsPolling() const override { return false; }

 private:
  int pipe_[2] = {-1, -1};
};

// Runs the game's event loop, as in play: QTest's waits sleep in steps of
// their own, which would be measured as the pad's delay and cost.
void RunEventLoop(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

double IdleCpuPercent(int seconds) {
  const double cpuBefore = ProcessCpuMilliseconds();
  QElapsedTimer wall;
  wall.start();
  RunEventLoop(seconds * 1000);
  return 100.0 * (ProcessCpuMilliseconds() - cpuBefore) / static_cast<double>(wall.elapsed());
}

// press presses Up and release lets it go, from a thread of the bench's.
void Measure(const char* what, const char* load, const std::function<void()>& press,
             const std::function<void()>& release, KeyClock& keys, int presses) {
  std::vector<int64_t> delays;
  QEventLoop loop;
  std::thread presser([&] {
    std::mt19937 random(12345);
    for (int i = 0; i < presses; ++i) {
      std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution<int>(15000, 45000)(random)));
      const int before = keys.count.load();
      const int64_t pressed = NowMicroseconds();
      press();
      while (keys.count.load() == before && NowMicroseconds() - pressed < 1000000)
        std::this_thread::sleep_for(std::chrono::microseconds(100));
      if (keys.count.load() != before) delays.push_back(keys.last.load() - pressed);
      release();
    }
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });
  loop.exec();
  presser.join();
  std::sort(delays.begin(), delays.end());
  const auto at = [&](double share) {
    return delays.empty() ? 0.0 : delays[static_cast<size_t>(share * static_cast<double>(delays.size() - 1))] / 1000.0;
  };
  std::printf("press_to_key_ms %-7s %-5s presses %d arrived %zu  p50 %.2f  p90 %.2f  p99 %.2f  max %.2f\n", what, load,
              presses, delays.size(), at(0.5), at(0.9), at(0.99), at(1.0));
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

  KeyClock keys;
  app.installEventFilter(&keys);
  const int idleSeconds = 10;

  // A pad the game waits on, as a pad with a device node is.
  {
    auto input = std::make_unique<PipePad>();
    PipePad& pad = *input;
    quorvane::PadControl control(
        std::move(input), window, [] {}, [] {});
    std::printf("idle_cpu_percent_with_pad waited  %.2f over %d s\n", IdleCpuPercent(idleSeconds), idleSeconds);
    const auto press = [&pad] { pad.Press(); };
    Measure(
        "waited", "idle", press, [] {}, keys, presses);
    CompetingLoad load;
    Measure(
        "waited", "busy", press, [] {}, keys, presses);
  }

  // SDL's virtual pad, which has no device: polled.
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
    std::printf("no virtual game controller: nothing more measured\n");
    return 0;
  }
  std::printf("idle_cpu_percent_with_pad polled  %.2f over %d s (every %d ms)\n", IdleCpuPercent(idleSeconds),
              idleSeconds, quorvane::PadControl::ActiveInterval);
  const auto press = [pad] { SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_DPAD_UP, 1); };
  const auto release = [pad] { SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_DPAD_UP, 0); };
  Measure("polled", "idle", press, release, keys, presses);
  {
    CompetingLoad load;
    Measure("polled", "busy", press, release, keys, presses);
  }
  SDL_JoystickClose(pad);
  return 0;
}
