// The real program on Qt's offscreen platform, or on the one that
// QT_QPA_PLATFORM names: how long it takes from the start of the process to
// the first painted intro (median of several runs), how much processor time
// it then spends idling at the intro, how many bytes of audio it streams
// meanwhile, and how much memory it holds. Prints figures only.
//
//   startup_bench [runs] [idle seconds]     (defaults 7 and 10)
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

struct Started {
  pid_t pid = -1;
  double milliseconds = -1;  // to the first painted intro; negative if it never came
};

// Starts the program with settings of its own and waits for its first paint.
Started Start(const std::string& program, const fs::path& home) {
  int signal[2];
  if (pipe2(signal, O_CLOEXEC) != 0) std::exit(2);
  const auto start = Clock::now();
  const pid_t child = fork();
  if (child == 0) {
    const int fd = dup(signal[1]);  // without close-on-exec
    setenv("QUORVANE_FIRST_PAINT_FD", std::to_string(fd).c_str(), 1);
    // Offscreen unless the bench runs on a platform of its own choice (an
    // X server, say).
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // SDL's disk driver writes what the device is given to a file: the file
    // grows only while audio streams.
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", (home / "audio.raw").c_str(), 1);
    setenv("XDG_CONFIG_HOME", home.c_str(), 1);
    setenv("XDG_CACHE_HOME", home.c_str(), 1);
    // Its own runtime folder and no session bus: a game already running
    // elsewhere would take the start for a second copy.
    setenv("XDG_RUNTIME_DIR", (home / "run").c_str(), 1);
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    // Qt's remarks about the offscreen platform would only clutter the table.
    const int quiet = open("/dev/null", O_WRONLY);
    dup2(quiet, STDOUT_FILENO);
    dup2(quiet, STDERR_FILENO);
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(signal[1]);
  Started started{child, -1};
  pollfd wait{signal[0], POLLIN, 0};
  char byte = 0;
  if (poll(&wait, 1, 30000) == 1 && read(signal[0], &byte, 1) == 1)
    started.milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  close(signal[0]);
  return started;
}

void Stop(pid_t pid) {
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

// User plus system time of a process, in clock ticks.
long long CpuTicks(pid_t pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
  std::string text((std::istreambuf_iterator<char>(in)), {});
  const size_t close = text.rfind(')');  // the command name may hold anything
  if (close == std::string::npos) return -1;
  std::istringstream fields(text.substr(close + 2));
  std::string field;
  long long utime = 0, stime = 0;
  // From the state (field 3) on: utime is field 14, stime field 15.
  for (int number = 3; number <= 15 && fields >> field; ++number) {
    if (number == 14) utime = std::atoll(field.c_str());
    if (number == 15) stime = std::atoll(field.c_str());
  }
  return utime + stime;
}

long StatusKib(pid_t pid, const std::string& key) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(in, line);)
    if (line.rfind(key + ":", 0) == 0) return std::atol(line.c_str() + key.size() + 1);
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
  const int idleSeconds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
  const std::string program = QUORVANE_PROGRAM;
  char pattern[] = "/tmp/quorvane-startup-XXXXXX";
  if (mkdtemp(pattern) == nullptr) return 2;
  const fs::path home = pattern;
  fs::create_directory(home / "run");
  fs::permissions(home / "run", fs::perms::owner_all);

  std::vector<double> times;
  pid_t kept = -1;
  for (int run = 0; run < runs; ++run) {
    const Started started = Start(program, home);
    if (started.milliseconds < 0) {
      std::fprintf(stderr, "the program showed no intro within 30 s\n");
      Stop(started.pid);
      fs::remove_all(home);
      return 1;
    }
    times.push_back(started.milliseconds);
    if (run + 1 < runs)
      Stop(started.pid);
    else
      kept = started.pid;
  }
  std::vector<double> sorted = times;
  std::sort(sorted.begin(), sorted.end());
  std::printf("startup_ms_median %.1f\n", sorted[sorted.size() / 2]);
  std::printf("startup_ms_runs");
  for (double t : times) std::printf(" %.1f", t);
  std::printf("\n");
  std::fflush(stdout);

  // The last run idles at its intro, blinking.
  std::this_thread::sleep_for(std::chrono::seconds(1));
  std::error_code noFile;
  const auto audioSize = [&] { return static_cast<long long>(fs::file_size(home / "audio.raw", noFile)); };
  const long long before = CpuTicks(kept), audioBefore = std::max(0LL, audioSize());
  const auto idleStart = Clock::now();
  std::this_thread::sleep_for(std::chrono::seconds(idleSeconds));
  const long long after = CpuTicks(kept), audioAfter = std::max(0LL, audioSize());
  const double wall = std::chrono::duration<double>(Clock::now() - idleStart).count();
  const double cpuPercent = 100.0 * static_cast<double>(after - before) / sysconf(_SC_CLK_TCK) / wall;
  std::printf("idle_cpu_percent %.2f over %d s\n", cpuPercent, idleSeconds);
  std::printf("idle_audio_bytes %lld over %d s\n", audioAfter - audioBefore, idleSeconds);
  std::printf("vmrss_kib %ld\n", StatusKib(kept, "VmRSS"));
  std::printf("vmhwm_kib %ld\n", StatusKib(kept, "VmHWM"));
  Stop(kept);
  fs::remove_all(home);
  return 0;
}
