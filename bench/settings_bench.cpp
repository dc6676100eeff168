// How long loading and saving the settings take, for an ordinary file and
// for one full of someone else's keys, and how the line editor scales.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "settings/profile_file.h"
#include "settings/settings_store.h"

namespace quorvane {
namespace {

namespace fs = std::filesystem;

// A folder of its own for the whole run, removed at the end.
class BenchFolder {
 public:
  BenchFolder() {
    std::string pattern = (fs::temp_directory_path() / "quorvane-settings-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    path_ = pattern;
  }
  ~BenchFolder() { fs::remove_all(path_); }
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

const BenchFolder& Folder() {
  static BenchFolder folder;
  return folder;
}

// Foreign keys in sections of their own, then the game's keys: about
// `bytes` of text.
std::string ForeignText(size_t bytes) {
  std::string text;
  text.reserve(bytes + 1024);
  for (int section = 0; text.size() < bytes; ++section) {
    text += "[Plugin" + std::to_string(section) + "]\n";
    for (int key = 0; key < 100 && text.size() < bytes; ++key)
      text += "option" + std::to_string(key) + " = some value of a foreign tool, number " + std::to_string(key) + "\n";
  }
  return text;
}

SettingsLocation Location(const std::string& name, const std::string& contents) {
  SettingsLocation where{Folder().Path() / name, "/opt/game/tolvenix"};
  std::ofstream(where.IniFile, std::ios::binary) << contents;
  SaveSettings(DefaultSettings(where.ProgramPath), where);
  return where;
}

void BM_LoadSettings(benchmark::State& state) {
  const SettingsLocation where = Location("load.ini", "; mine\n");
  GameSettings settings;
  for (auto _ : state) {
    LoadSettings(settings, where);
    benchmark::DoNotOptimize(settings.HiScore);
  }
}
BENCHMARK(BM_LoadSettings)->Unit(benchmark::kMicrosecond);

void BM_SaveSettings(benchmark::State& state) {
  const SettingsLocation where = Location("save.ini", "; mine\n");
  GameSettings settings = DefaultSettings(where.ProgramPath);
  for (auto _ : state) {
    settings.HiScore += 10;
    SaveSettings(settings, where);
  }
}
BENCHMARK(BM_SaveSettings)->Unit(benchmark::kMillisecond);

// Just under the largest file the store always saves (4 MiB; it accepts
// room for its own keys beyond that): a load reads it all, and a save
// reads, edits and writes it all.
constexpr size_t kLargeFile = kMaxProfileFileSize - kProfileRoomForOurKeys - 16 * 1024;

void BM_LoadLargeFile(benchmark::State& state) {
  const SettingsLocation where = Location("large-load.ini", ForeignText(kLargeFile));
  GameSettings settings;
  for (auto _ : state) {
    LoadSettings(settings, where);
    benchmark::DoNotOptimize(settings.HiScore);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fs::file_size(where.IniFile)));
}
BENCHMARK(BM_LoadLargeFile)->Unit(benchmark::kMillisecond);

void BM_SaveIntoLargeFile(benchmark::State& state) {
  const SettingsLocation where = Location("large.ini", ForeignText(kLargeFile));
  GameSettings settings = DefaultSettings(where.ProgramPath);
  for (auto _ : state) {
    settings.HiScore += 10;
    SaveSettings(settings, where);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fs::file_size(where.IniFile)));
}
BENCHMARK(BM_SaveIntoLargeFile)->Unit(benchmark::kMillisecond);

// What a save of the large file cannot beat: writing its bytes to the disk.
void BM_WriteLargeFileOnly(benchmark::State& state) {
  const std::string text = ForeignText(kLargeFile);
  const fs::path path = Folder().Path() / "copy.ini";
  for (auto _ : state) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || ::write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size()) || ::fsync(fd) != 0)
      state.SkipWithError("could not write");
    ::close(fd);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_WriteLargeFileOnly)->Unit(benchmark::kMillisecond);

// The editor alone, in memory and without a size limit: reading the text,
// setting the twenty keys and producing the text again should grow in
// proportion to the text.
void BM_EditLargeText(benchmark::State& state) {
  const std::string text = ForeignText(static_cast<size_t>(state.range(0)));
  const GameSettings settings = DefaultSettings("/opt/game/tolvenix");
  for (auto _ : state) {
    ProfileText edited(text);
    WriteSettings(settings, edited);
    benchmark::DoNotOptimize(edited.Text());
  }
  state.SetComplexityN(state.range(0));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_EditLargeText)->RangeMultiplier(4)->Range(64 << 10, 16 << 20)->Complexity()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quorvane

BENCHMARK_MAIN();
