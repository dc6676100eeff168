// How late the step timer's ticks reach the main thread, beside a QTimer
// with Qt::PreciseTimer. Prints figures only; never fails on timing.
//
//   timer_precision [ticks]     (or QUORVANE_TIMER_TICKS; default 40)
#include <time.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "timer/super_timer.h"
#include "timer/timer_priority.h"
#include "widgets/qt_tick_dispatcher.h"

namespace {

using quorvane::TSuperTimer;

int64_t NowMicroseconds() {
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

double ProcessCpuMilliseconds() {
  timespec cpu{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
  return static_cast<double>(cpu.tv_sec) * 1e3 + static_cast<double>(cpu.tv_nsec) / 1e6;
}

// The instant, in microseconds of the same monotonic clock, at which the
// 32-bit millisecond reading |due| begins.
int64_t DueMicroseconds(uint32_t due, int64_t nowUs) {
  const int64_t nowMs = nowUs / 1000;
  return (nowMs + static_cast<int32_t>(due - static_cast<uint32_t>(nowMs))) * 1000;
}

struct Run {
  std::vector<double> lateness;  // ms
  int workerLateMax = 0;         // ms the worker itself fired late, at most
  double cpuMs = 0;
};

Run MeasureSuperTimer(uint16_t interval, int ticks) {
  quorvane::QtTickDispatcher dispatcher;
  TSuperTimer timer(dispatcher);
  timer.SetThreadPriority(quorvane::TThreadPriority::tpHighest);  // as the game runs it
  timer.SetInterval(interval);
  Run run;
  run.lateness.reserve(static_cast<size_t>(ticks));
  QEventLoop loop;
  uint32_t due = 0;
  timer.SetOnTimer([&](TSuperTimer& sender) {
    const int64_t now = NowMicroseconds();
    run.lateness.push_back(static_cast<double>(now - DueMicroseconds(due, now)) / 1000.0);
    // The worker set the next due time from its own firing reading.
    const auto firedAt = static_cast<uint32_t>(sender.DueTime() - sender.Interval());
    run.workerLateMax = std::max(run.workerLateMax, static_cast<int>(static_cast<int32_t>(firedAt - due)));
    due = sender.DueTime();
    if (static_cast<int>(run.lateness.size()) == ticks) {
      sender.SetEnabled(false);
      loop.quit();
    }
  });
  const double cpuStart = ProcessCpuMilliseconds();
  timer.SetEnabled(true);
  due = timer.DueTime();
  loop.exec();
  run.cpuMs = (ProcessCpuMilliseconds() - cpuStart) / ticks;
  return run;
}

// Lateness against the QTimer's own schedule: start + k * interval.
Run MeasureQTimer(uint16_t interval, int ticks) {
  QTimer timer;
  timer.setTimerType(Qt::PreciseTimer);
  timer.setInterval(interval);
  Run run;
  run.workerLateMax = -1;  // no worker
  run.lateness.reserve(static_cast<size_t>(ticks));
  QEventLoop loop;
  int64_t start = 0;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    const int64_t now = NowMicroseconds();
    const int64_t due = start + static_cast<int64_t>(run.lateness.size() + 1) * interval * 1000;
    run.lateness.push_back(static_cast<double>(now - due) / 1000.0);
    if (static_cast<int>(run.lateness.size()) == ticks) {
      timer.stop();
      loop.quit();
    }
  });
  const double cpuStart = ProcessCpuMilliseconds();
  start = NowMicroseconds();
  timer.start();
  loop.exec();
  run.cpuMs = (ProcessCpuMilliseconds() - cpuStart) / ticks;
  return run;
}

double Percentile(std::vector<double> values, double fraction) {
  std::sort(values.begin(), values.end());
  const auto rank = static_cast<size_t>(std::ceil(fraction * static_cast<double>(values.size())));
  return values[std::clamp<size_t>(rank, 1, values.size()) - 1];
}

void Print(const char* name, uint16_t interval, const Run& run) {
  std::printf("%-16s %8u %6zu %9.3f %9.3f %9.3f %12.2f %11s\n", name, interval, run.lateness.size(),
              Percentile(run.lateness, 0.50), Percentile(run.lateness, 0.99),
              *std::max_element(run.lateness.begin(), run.lateness.end()), run.cpuMs,
              run.workerLateMax < 0 ? "-" : std::to_string(run.workerLateMax).c_str());
  std::fflush(stdout);
}

int TickCount(int argc, char** argv) {
  const char* text = argc > 1 ? argv[1] : std::getenv("QUORVANE_TIMER_TICKS");
  const int ticks = text != nullptr ? std::atoi(text) : 0;
  return ticks > 0 ? ticks : 40;
}

}  // namespace

int main(int argc, char** argv) {
  const int ticks = TickCount(argc, argv);
  quorvane::RaiseTickReceiverPriority();  // as the game does at start-up
  QCoreApplication app(argc, argv);
  std::printf("Tick lateness: firing on the main thread minus due time, in ms.\n");
  std::printf("Worker max: the most whole ms the worker itself fired after the due time.\n");
  std::printf("%-16s %8s %6s %9s %9s %9s %12s %11s\n", "timer", "interval", "ticks", "p50", "p99", "max", "cpu ms/tick",
              "worker max");
  for (uint16_t interval : {250, 120, 51, 30}) {
    Print("TSuperTimer", interval, MeasureSuperTimer(interval, ticks));
    Print("QTimer precise", interval, MeasureQTimer(interval, ticks));
  }
  return 0;
}
