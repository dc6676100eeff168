// Any bytes as a settings file: read the twenty settings, change some of
// them, write them back and read the result. Every value must come back as
// written, and every line that holds none of the twenty keys must come
// through byte for byte. A mismatch aborts, which the fuzzer reports.
#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_store.h"

namespace {

using namespace quorvane;

constexpr const char* kProgram = "/opt/tolvenix/tolvenix";

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "settings round trip: %s\n", what);
  std::abort();
}

// Values that are hard to keep: blanks and quotes at either end, the file's
// own syntax, line ends and NUL (a value ends at them), the longest text
// read back and longer.
const std::vector<std::string>& HardTexts() {
  static const std::vector<std::string> texts{
      "",
      " lead",
      "trail\t",
      "\"quoted\"",
      "\"",
      "\"\"",
      "'single'",
      "'",
      "a=b",
      "[SCORE]",
      ";not a comment",
      "first\r\nsecond",
      "cr\rlf\n",
      std::string("nul\0after", 9),
      std::string(2047, 'w'),
      std::string(2100, 'l'),
      "\xEF\xBB\xBF"
      "bom",
      "/home/player/Sounds/zap.wav",
  };
  return texts;
}

constexpr int32_t kHardNumbers[] = {
    0, 1, -1, 2, 300, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()};

// splitmix64: the changes follow from the input alone, so a crash replays.
struct Mixer {
  uint64_t state;
  uint64_t Next() {
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  size_t Below(size_t n) { return static_cast<size_t>(Next() % n); }
};

uint64_t Hash(std::string_view bytes) {
  uint64_t h = 0xCBF29CE484222325ull;
  for (unsigned char c : bytes) h = (h ^ c) * 0x100000001B3ull;
  return h;
}

int32_t GameSettings::*const kNumberFields[] = {
    &GameSettings::Level,           &GameSettings::MoveMax,    &GameSettings::SnakeSpeed, &GameSettings::MaxMax,
    &GameSettings::WallMax,         &GameSettings::WallNum,    &GameSettings::HiScore,    &GameSettings::Mode,
    &GameSettings::CustomDirection, &GameSettings::CustomHPos, &GameSettings::CustomVPos};
bool GameSettings::*const kSwitchFields[] = {&GameSettings::PlayWavs, &GameSettings::PlayBall,
                                             &GameSettings::PlayGameOver, &GameSettings::PlayHiScore};
std::string GameSettings::*const kTextFields[] = {&GameSettings::WavFolder, &GameSettings::BallWav,
                                                  &GameSettings::GameOverWav, &GameSettings::HiScoreWav,
                                                  &GameSettings::HiName};
constexpr std::string_view kKeyNames[] = {"LEVEL",        "WAVFOLDER",   "PLAYWAVS",        "PLAYBALL",   "BALLWAV",
                                          "PLAYGAMEOVER", "GAMEOVERWAV", "PLAYHISCORE",     "HISCOREWAV", "MOVEMAX",
                                          "SNAKESPEED",   "MAXMAX",      "WALLMAX",         "WALLNUM",    "HISCORE",
                                          "HINAME",       "MODE",        "CUSTOMDIRECTION", "CUSTOMHPOS", "CUSTOMVPOS"};
constexpr std::string_view kSectionNames[] = {"SKILL", "SOUNDS", "CUSTOM", "SCORE", "POSITION"};

// Some settings take a hard value or a piece of the input; the rest keep
// what was read.
GameSettings Changed(GameSettings settings, std::string_view input) {
  Mixer mix{Hash(input)};
  for (auto field : kNumberFields) {
    const size_t pick = mix.Below(4);
    if (pick == 1) settings.*field = kHardNumbers[mix.Below(std::size(kHardNumbers))];
    if (pick == 2) settings.*field = static_cast<int32_t>(mix.Next());
  }
  for (auto field : kSwitchFields) {
    if (mix.Below(3) == 0) settings.*field = !(settings.*field);
  }
  for (auto field : kTextFields) {
    const size_t pick = mix.Below(4);
    if (pick == 1) settings.*field = HardTexts()[mix.Below(HardTexts().size())];
    if (pick == 2 && !input.empty()) {
      const size_t at = mix.Below(input.size());
      settings.*field = std::string(input.substr(at, mix.Below(80)));
    }
  }
  return settings;
}

// A text as it reads back: it ends at its first line end or NUL, and at
// most 2047 characters come back.
std::string Stored(const std::string& text) {
  return text.substr(0, text.find_first_of(std::string_view("\r\n\0", 3))).substr(0, 2047);
}

GameSettings AsStored(GameSettings settings) {
  for (auto field : kTextFields) settings.*field = Stored(settings.*field);
  return settings;
}

bool AllKept(const GameSettings& settings) {
  for (auto field : kTextFields) {
    if (Stored(settings.*field) != settings.*field) return false;
  }
  return true;
}

struct Line {
  std::string_view content;
  std::string_view end;  // "\n", "\r\n", "\r" or "" for a last line without one
};

std::vector<Line> Lines(std::string_view text) {
  std::vector<Line> lines;
  while (!text.empty()) {
    const size_t stop = std::min(text.find_first_of("\r\n"), text.size());
    size_t next = stop;
    if (next < text.size()) next += text.substr(next, 2) == "\r\n" ? 2 : 1;
    lines.push_back({text.substr(0, stop), text.substr(stop, next - stop)});
    text.remove_prefix(next);
  }
  return lines;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    if (upper(a[i]) != upper(b[i])) return false;
  }
  return true;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// A line that holds one of the twenty keys (in whichever section: the
// values read back show whether the right one changed).
bool IsOurKey(std::string_view content) {
  if (content.find('\0') != std::string_view::npos) return false;
  const std::string_view trimmed = Trimmed(content);
  const size_t equals = trimmed.find('=');
  if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[' || equals == std::string_view::npos) {
    return false;
  }
  for (std::string_view name : kKeyNames) {
    if (SameName(Trimmed(trimmed.substr(0, equals)), name)) return true;
  }
  return false;
}

// A line a save may add: one of the twenty keys, or the header of a missing
// section of ours.
bool MayBeAdded(const Line& line) {
  if (IsOurKey(line.content)) return true;
  for (std::string_view name : kSectionNames) {
    if (line.content == "[" + std::string(name) + "]") return true;
  }
  return false;
}

// The saved text is the old one with the values of our keys changed and
// lines of ours added. The old last line may gain a line end.
void CheckOtherLinesKept(std::string_view before, std::string_view after) {
  constexpr std::string_view kBom = "\xEF\xBB\xBF";
  if (before.starts_with(kBom)) {
    if (!after.starts_with(kBom)) Fail("byte order mark lost");
    before.remove_prefix(kBom.size());
    after.remove_prefix(kBom.size());
  }
  const std::vector<Line> old = Lines(before), saved = Lines(after);
  size_t next = 0;
  for (size_t i = 0; i < old.size(); ++i) {
    const Line& line = old[i];
    const bool lastUnended = i + 1 == old.size() && line.end.empty();
    for (;; ++next) {
      if (next == saved.size()) Fail("a line is lost or changed");
      const Line& candidate = saved[next];
      const bool endKept = candidate.end == line.end || (lastUnended && !candidate.end.empty());
      if (endKept && candidate.content == line.content) break;
      const size_t equals = line.content.find('=');
      if (endKept && IsOurKey(line.content) && IsOurKey(candidate.content) &&
          candidate.content.substr(0, equals + 1) == line.content.substr(0, equals + 1)) {
        break;  // the same key with a new value
      }
      if (!MayBeAdded(candidate)) Fail("a line that holds none of our keys changed");
    }
    ++next;
  }
  for (; next < saved.size(); ++next) {
    if (!MayBeAdded(saved[next])) Fail("a foreign line was added");
  }
}

// A settings file in a folder of this process's own.
SettingsLocation FileLocation() {
  static const std::filesystem::path folder = [] {
    // Made before the exit handler is registered, so it outlives the handler.
    static std::string name = (std::filesystem::temp_directory_path() / "quorvane-settings-fuzz-XXXXXX").string();
    if (::mkdtemp(name.data()) == nullptr) Fail("no temporary folder");
    std::atexit([] { std::filesystem::remove_all(name); });
    return std::filesystem::path(name);
  }();
  return {folder / "Tolvenix.ini", kProgram};
}

std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// The same round through the file on disk: it holds the text saved in
// memory, byte for byte, and loads as that text reads.
void CheckFileRound(const std::string& original, const GameSettings& written, const std::string& saved) {
  const SettingsLocation where = FileLocation();
  {
    std::ofstream out(where.IniFile, std::ios::binary | std::ios::trunc);
    out << original;
    if (!out.flush()) Fail("cannot write the settings file");
  }
  GameSettings loaded;
  LoadSettings(loaded, where);
  if (!(loaded == ReadSettings(ProfileText(original), kProgram))) Fail("the file loads unlike its text");
  SaveSettings(written, where);
  if (FileBytes(where.IniFile) != saved) Fail("the file saved differs from the text saved");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string original(reinterpret_cast<const char*>(data), size);
  const GameSettings loaded = ReadSettings(ProfileText(original), kProgram);
  const GameSettings written = Changed(loaded, original);

  ProfileText text(original);
  WriteSettings(written, text);
  const std::string saved = text.Text();
  if (!(ReadSettings(ProfileText(saved), kProgram) == AsStored(written))) Fail("a value read back differs");
  CheckOtherLinesKept(original, saved);

  // Saving what was read back changes nothing more.
  if (AllKept(written)) {
    ProfileText again(saved);
    WriteSettings(written, again);
    if (again.Text() != saved) Fail("a second save changed the text");
  }
  // The disk costs time (each save is flushed), so one input in 32 goes
  // through it.
  if (Hash(saved) % 32 == 0) CheckFileRound(original, written, saved);
  return 0;
}
