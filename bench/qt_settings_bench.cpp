// What a Qt program would do instead of the game's own settings store:
// QSettings on an INI file, loading and saving the same twenty keys in an
// ordinary file and in one of about 4 MiB. (QSettings would also lose the
// comments and layout of a hand-edited file, which the game's store keeps.)
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QVariant>
#include <fstream>
#include <string>

namespace {

constexpr const char* kKeys[] = {
    "SKILL/LEVEL",       "SOUNDS/WAVFOLDER",         "SOUNDS/PLAYWAVS",     "SOUNDS/PLAYBALL",
    "SOUNDS/BALLWAV",    "SOUNDS/PLAYGAMEOVER",      "SOUNDS/GAMEOVERWAV",  "SOUNDS/PLAYHISCORE",
    "SOUNDS/HISCOREWAV", "CUSTOM/MOVEMAX",           "CUSTOM/SNAKESPEED",   "CUSTOM/MAXMAX",
    "CUSTOM/WALLMAX",    "CUSTOM/WALLNUM",           "SCORE/HISCORE",       "SCORE/HINAME",
    "POSITION/MODE",     "POSITION/CUSTOMDIRECTION", "POSITION/CUSTOMHPOS", "POSITION/CUSTOMVPOS"};

// The same foreign text as the store's benchmark: sections of other keys.
std::string ForeignText(size_t bytes) {
  std::string text;
  for (int section = 0; text.size() < bytes; ++section) {
    text += "[Plugin" + std::to_string(section) + "]\n";
    for (int key = 0; key < 100 && text.size() < bytes; ++key)
      text += "option" + std::to_string(key) + " = some value of a foreign tool, number " + std::to_string(key) + "\n";
  }
  return text;
}

QString MakeFile(const QTemporaryDir& dir, const char* name, size_t foreignBytes) {
  const QString path = dir.filePath(QString::fromLatin1(name));
  std::ofstream(path.toStdString(), std::ios::binary) << ForeignText(foreignBytes);
  QSettings settings(path, QSettings::IniFormat);
  for (const char* key : kKeys) settings.setValue(QString::fromLatin1(key), 1);
  return path;
}

// QSettings keeps every file it has parsed and parses it again only when
// its time stamp changes: each load is made to find a changed file.
void Touch(const QString& path, long tick) {
  const timespec times[2] = {{tick, 0}, {tick, 0}};
  utimensat(AT_FDCWD, path.toLocal8Bit().constData(), times, 0);
}

void Load(benchmark::State& state, size_t foreignBytes) {
  QTemporaryDir dir;
  const QString path = MakeFile(dir, "load.ini", foreignBytes);
  long tick = 1000000000;
  for (auto _ : state) {
    state.PauseTiming();
    Touch(path, ++tick);
    state.ResumeTiming();
    QSettings settings(path, QSettings::IniFormat);
    for (const char* key : kKeys) benchmark::DoNotOptimize(settings.value(QString::fromLatin1(key)).toInt());
  }
}

void Save(benchmark::State& state, size_t foreignBytes) {
  QTemporaryDir dir;
  const QString path = MakeFile(dir, "save.ini", foreignBytes);
  QSettings settings(path, QSettings::IniFormat);
  int score = 0;
  for (auto _ : state) {
    score += 10;
    for (const char* key : kKeys) settings.setValue(QString::fromLatin1(key), score);
    settings.sync();
  }
}

void BM_QSettingsLoad(benchmark::State& state) { Load(state, 0); }
void BM_QSettingsSave(benchmark::State& state) { Save(state, 0); }
void BM_QSettingsLoadLargeFile(benchmark::State& state) { Load(state, 4 * 1024 * 1024 - 16 * 1024); }
void BM_QSettingsSaveIntoLargeFile(benchmark::State& state) { Save(state, 4 * 1024 * 1024 - 16 * 1024); }
BENCHMARK(BM_QSettingsLoad)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QSettingsSave)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QSettingsLoadLargeFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QSettingsSaveIntoLargeFile)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
}
