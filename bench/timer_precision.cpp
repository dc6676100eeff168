// How late the step timer's ticks reach the main thread, and how far the
// time between two of them strays from the interval, beside a QTimer with
// Qt::PreciseTimer. Prints figures only; never fails on timing.
//
//   timer_precision [ticks] [--idle | --load]   (ticks also from QUORVANE_TIMER_TICKS; default 100)
//
// Each interval is measured on an otherwise idle machine, then again with
// busy processes in other sessions competing for every processor. Run as
// root, the same rows follow for an ordinary player (loads "idle-user" and
// "busy-user"): a child process as user nobody, without capabilities, with
// no real-time priority and no nice raise allowed.
#include <grp.h>
#include <sched.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "bench_support.h"
#include "qt_glue/qt_tick_dispatcher.h"
#include "timer/super_timer.h"
#include "timer/timer_priority.h"

namespace {

using namespace quorvane::bench;

using quorvane::TSuperTimer;

// The instant, in microseconds of the same monotonic clock, at which the
// 32-bit millisecond reading |due| begins.
int64_t DueMicroseconds(uint32_t due, int64_t nowUs) {
  const int64_t nowMs = nowUs / 1000;
  return (nowMs + static_cast<int32_t>(due - static_cast<uint32_t>(nowMs))) * 1000;
}

// The figures of one timer at one interval, gathered over its blocks.
struct Run {
  std::vector<double> lateness;     // ms past each tick's due time
  std::vector<double> periodError;  // ms, |time between two firings - interval|, within a block
  double cpuMs = 0;                 // processor time of the whole process while this timer ran
};

// Ticks per block. The two timers take turns in blocks this short, so load
// that drifts during a measurement falls on both alike.
constexpr int kBlockTicks = 10;

// Records one firing at |now| (µs) that was due at |dueUs|; |previousUs| is
// the block's last firing, or 0 for the block's first.
void Record(Run& run, int64_t now, int64_t dueUs, int64_t previousUs, uint16_t interval) {
  run.lateness.push_back(static_cast<double>(now - dueUs) / 1000.0);
  if (previousUs != 0)
    run.periodError.push_back(std::abs(static_cast<double>(now - previousUs) / 1000.0 - static_cast<double>(interval)));
}

// The step timer, as the game runs it, for one block of |ticks| ticks.
class SuperTimerBlocks {
 public:
  explicit SuperTimerBlocks(uint16_t interval) {
    timer_.SetThreadPriority(quorvane::TThreadPriority::tpHighest);  // as the game runs it
    timer_.SetInterval(interval);
  }
  void Measure(Run& run, int ticks) {
    QEventLoop loop;
    int taken = 0;
    uint32_t due = 0;
    int64_t previous = 0;
    timer_.SetOnTimer([&](TSuperTimer& sender) {
      const int64_t now = NowMicroseconds();
      Record(run, now, DueMicroseconds(due, now), previous, sender.Interval());
      previous = now;
      due = sender.DueTime();
      if (++taken == ticks) {
        sender.SetEnabled(false);
        loop.quit();
      }
    });
    const double cpuStart = ProcessCpuMilliseconds();
    timer_.SetEnabled(true);
    due = timer_.DueTime();
    loop.exec();
    run.cpuMs += ProcessCpuMilliseconds() - cpuStart;
  }

 private:
  quorvane::QtTickDispatcher dispatcher_;
  TSuperTimer timer_{dispatcher_};
};

// A QTimer with Qt::PreciseTimer, for one block. Lateness is measured
// against the due time the QTimer's own schedule gives each tick: Qt keeps
// a timer on its grid (the last due time plus the interval) and moves it to
// the firing time plus the interval only when the tick came later than the
// next due time; the handler's reading stands for Qt's own, taken just
// before it. A tick after a late one is on time by that measure, which the
// period error shows.
class QTimerBlocks {
 public:
  explicit QTimerBlocks(uint16_t interval) : interval_(interval) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(interval);
  }
  void Measure(Run& run, int ticks) {
    QEventLoop loop;
    int taken = 0;
    const int64_t intervalUs = static_cast<int64_t>(interval_) * 1000;
    int64_t due = 0;
    int64_t previous = 0;
    const auto connection = QObject::connect(&timer_, &QTimer::timeout, [&] {
      const int64_t now = NowMicroseconds();
      Record(run, now, due, previous, interval_);
      previous = now;
      due += intervalUs;
      if (due < now) due = now + intervalUs;
      if (++taken == ticks) {
        timer_.stop();
        loop.quit();
      }
    });
    const double cpuStart = ProcessCpuMilliseconds();
    due = NowMicroseconds() + intervalUs;
    timer_.start();
    loop.exec();
    run.cpuMs += ProcessCpuMilliseconds() - cpuStart;
    QObject::disconnect(connection);
  }

 private:
  uint16_t interval_;
  QTimer timer_;
};

double Percentile(std::vector<double> values, double fraction) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const auto rank = static_cast<size_t>(std::ceil(fraction * static_cast<double>(values.size())));
  return values[std::clamp<size_t>(rank, 1, values.size()) - 1];
}

void Print(const char* condition, const char* name, uint16_t interval, const Run& run) {
  std::printf("%-9s %-15s %8u %6zu %9.3f %9.3f %9.3f %10.3f %10.3f %12.2f\n", condition, name, interval,
              run.lateness.size(), Percentile(run.lateness, 0.50), Percentile(run.lateness, 0.99),
              *std::max_element(run.lateness.begin(), run.lateness.end()), Percentile(run.periodError, 0.50),
              Percentile(run.periodError, 0.99), run.cpuMs / static_cast<double>(run.lateness.size()));
  std::fflush(stdout);
}

int TickCount(int argc, char** argv) {
  const char* text = argc > 1 && argv[1][0] != '-' ? argv[1] : std::getenv("QUORVANE_TIMER_TICKS");
  const int ticks = text != nullptr ? std::atoi(text) : 0;
  return ticks > 0 ? ticks : 100;
}

bool HasOption(int argc, char** argv, const char* option) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], option) == 0) return true;
  return false;
}

void MeasureAll(const std::string& condition, int ticks) {
  for (uint16_t interval : {250, 120, 51, 30}) {
    SuperTimerBlocks superTimer(interval);
    QTimerBlocks qtimer(interval);
    Run superRun, qtRun;
    superRun.lateness.reserve(static_cast<size_t>(ticks));
    qtRun.lateness.reserve(static_cast<size_t>(ticks));
    for (int done = 0; done < ticks; done += kBlockTicks) {
      const int block = std::min(kBlockTicks, ticks - done);
      superTimer.Measure(superRun, block);
      qtimer.Measure(qtRun, block);
    }
    Print(condition.c_str(), "TSuperTimer", interval, superRun);
    Print(condition.c_str(), "QTimer precise", interval, qtRun);
  }
}

// The rows of one player, idle and under load, each load label ending in
// |suffix|.
void MeasurePlayer(int argc, char** argv, int ticks, const std::string& suffix) {
  const bool idleOnly = HasOption(argc, argv, "--idle"), loadOnly = HasOption(argc, argv, "--load");
  QCoreApplication app(argc, argv);
  if (!loadOnly) MeasureAll("idle" + suffix, ticks);
  if (!idleOnly) {
    CompetingLoad load;
    MeasureAll("busy" + suffix, ticks);
  }
}

// The effective capabilities, as /proc shows them (hexadecimal).
std::string EffectiveCapabilities() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("CapEff:", 0) == 0) return line.substr(line.find_first_not_of(" \t", 7));
  return "unknown";
}

std::string MainThreadScheduling() {
  const int policy = sched_getscheduler(0) & ~SCHED_RESET_ON_FORK;
  sched_param param{};
  sched_getparam(0, &param);
  if (policy == SCHED_RR) return "SCHED_RR " + std::to_string(param.sched_priority);
  std::string text = "nice " + std::to_string(getpriority(PRIO_PROCESS, static_cast<id_t>(gettid())));
  // The slice the scheduler gives the thread, where the kernel shows it.
  std::ifstream sched("/proc/thread-self/sched");
  for (std::string line; std::getline(sched, line);)
    if (line.rfind("se.slice", 0) == 0) {
      char slice[32];
      std::snprintf(slice, sizeof slice, ", slice %.1f ms", std::stod(line.substr(line.find(':') + 1)) / 1e6);
      text += slice;
    }
  return text;
}

// An ordinary player's process, forked from root before any thread or Qt
// exists: user and group nobody, no capabilities (a change of every user id
// away from 0 drops them), no real-time priority and no raised nice value
// allowed, as Debian gives a player. It waits for |go| to close.
pid_t StartOrdinaryPlayer(int argc, char** argv, int ticks, int& go) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return -1;
  const pid_t child = fork();
  if (child != 0) {
    close(pipeFds[0]);
    go = pipeFds[1];
    if (child < 0) close(go);
    return child;
  }
  close(pipeFds[1]);
  const rlimit none{0, 0};
  const uid_t nobody = 65534;
  if (setrlimit(RLIMIT_RTPRIO, &none) != 0 || setrlimit(RLIMIT_NICE, &none) != 0 || setgroups(0, nullptr) != 0 ||
      setresgid(nobody, nobody, nobody) != 0 || setresuid(nobody, nobody, nobody) != 0) {
    std::fprintf(stderr, "timer_precision: cannot become user nobody: %s\n", std::strerror(errno));
    _exit(1);
  }
  prctl(PR_SET_PDEATHSIG, SIGKILL);  // cleared by the change of user
  char byte = 0;
  while (read(pipeFds[0], &byte, 1) > 0) {
  }
  close(pipeFds[0]);
  rlimit rtprio{};
  getrlimit(RLIMIT_RTPRIO, &rtprio);
  std::printf("Ordinary player (loads idle-user and busy-user): uid %d gid %d, CapEff %s, RLIMIT_RTPRIO %llu, ",
              static_cast<int>(getuid()), static_cast<int>(getgid()), EffectiveCapabilities().c_str(),
              static_cast<unsigned long long>(rtprio.rlim_cur));
  quorvane::RaiseTickReceiverPriority();  // as the game does at start-up
  std::printf("main thread %s.\n", MainThreadScheduling().c_str());
  MeasurePlayer(argc, argv, ticks, "-user");
  std::fflush(stdout);
  _exit(0);
}

}  // namespace

int main(int argc, char** argv) {
  const int ticks = TickCount(argc, argv);
  int go = -1;
  const pid_t player = geteuid() == 0 ? StartOrdinaryPlayer(argc, argv, ticks, go) : -1;
  quorvane::RaiseTickReceiverPriority();  // as the game does at start-up
  std::printf(
      "Tick lateness: firing on the main thread minus the due time its own timer's scheduling gave it, in ms.\n");
  std::printf(
      "Period error: |time between two firings - interval|, in ms. The two timers take turns in blocks of "
      "%d ticks.\n",
      kBlockTicks);
  std::printf("Main thread: %s. Load: one busy process per processor, each in its own session.\n",
              MainThreadScheduling().c_str());
  std::printf("%-9s %-15s %8s %6s %9s %9s %9s %10s %10s %12s\n", "load", "timer", "interval", "ticks", "p50", "p99",
              "max", "period p50", "period p99", "cpu ms/tick");
  std::fflush(stdout);
  MeasurePlayer(argc, argv, ticks, "");
  if (player > 0) {
    close(go);  // the ordinary player's turn
    int status = 0;
    waitpid(player, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return 1;
  }
  return 0;
}
