#include "settings/settings_store.h"

#include <array>
#include <string_view>
#include <variant>

#include "settings/profile_file.h"

namespace quorvane {

namespace {

constexpr size_t kMaxTextLength = MaxSettingTextBytes;

// The text cut to at most kMaxTextLength bytes, but never inside a UTF-8
// character: a lone lead byte would make the next save write a file that is
// no longer UTF-8. Bytes that are not UTF-8 are cut where they stand.
std::string CutText(const std::string& text) {
  if (text.size() <= kMaxTextLength) return text;
  auto continuation = [&](size_t i) { return (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80; };
  size_t lead = kMaxTextLength;
  while (lead > 0 && kMaxTextLength - lead < 3 && continuation(lead)) --lead;
  const auto first = static_cast<unsigned char>(text[lead]);
  const size_t length = first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : first >= 0xC0 ? 2 : 1;
  const bool split = lead < kMaxTextLength && first >= 0xC0 && lead + length > kMaxTextLength;
  return text.substr(0, split ? lead : kMaxTextLength);
}

using Field = std::variant<int32_t GameSettings::*, bool GameSettings::*, std::string GameSettings::*>;

struct StoredKey {
  const char* Section;
  const char* Key;
  Field Member;
};

// The file's keys in the order of reading and writing.
constexpr std::array<StoredKey, 20> kKeys{{
    {"SKILL", "LEVEL", &GameSettings::Level},
    {"SOUNDS", "WAVFOLDER", &GameSettings::WavFolder},
    {"SOUNDS", "PLAYWAVS", &GameSettings::PlayWavs},
    {"SOUNDS", "PLAYBALL", &GameSettings::PlayBall},
    {"SOUNDS", "BALLWAV", &GameSettings::BallWav},
    {"SOUNDS", "PLAYGAMEOVER", &GameSettings::PlayGameOver},
    {"SOUNDS", "GAMEOVERWAV", &GameSettings::GameOverWav},
    {"SOUNDS", "PLAYHISCORE", &GameSettings::PlayHiScore},
    {"SOUNDS", "HISCOREWAV", &GameSettings::HiScoreWav},
    {"CUSTOM", "MOVEMAX", &GameSettings::MoveMax},
    {"CUSTOM", "SNAKESPEED", &GameSettings::SnakeSpeed},
    {"CUSTOM", "MAXMAX", &GameSettings::MaxMax},
    {"CUSTOM", "WALLMAX", &GameSettings::WallMax},
    {"CUSTOM", "WALLNUM", &GameSettings::WallNum},
    {"SCORE", "HISCORE", &GameSettings::HiScore},
    {"SCORE", "HINAME", &GameSettings::HiName},
    {"POSITION", "MODE", &GameSettings::Mode},
    {"POSITION", "CUSTOMDIRECTION", &GameSettings::CustomDirection},
    {"POSITION", "CUSTOMHPOS", &GameSettings::CustomHPos},
    {"POSITION", "CUSTOMVPOS", &GameSettings::CustomVPos},
}};

// The setting keeps its default unless the file holds a value it can take.
struct ReadInto {
  GameSettings& settings;
  const std::optional<std::string>& text;

  void operator()(int32_t GameSettings::*member) const {
    if (auto number = text ? ParseIniInteger(*text) : std::nullopt) settings.*member = *number;
  }
  void operator()(bool GameSettings::*member) const {
    if (auto number = text ? ParseIniInteger(*text) : std::nullopt) settings.*member = *number != 0;
  }
  void operator()(std::string GameSettings::*member) const {
    if (text) settings.*member = CutText(*text);
  }
};

// The most the twenty keys can add to a file when their texts are no longer
// than a read gives them: a file that was read in full, saved again, can
// always be read in full by the next start.
constexpr size_t LongestKeys() {
  constexpr size_t kLineEnd = 2, kQuotes = 2, kLongestNumber = 11;  // CRLF, "...", "-2147483648"
  size_t bytes = 0;
  for (const StoredKey& key : kKeys) {
    const bool text = std::holds_alternative<std::string GameSettings::*>(key.Member);
    bytes += std::string_view(key.Key).size() + 1 + (text ? kMaxTextLength + kQuotes : kLongestNumber) + kLineEnd;
    bytes += std::string_view(key.Section).size() + 2 + 2 * kLineEnd;  // a header, at worst one per key
  }
  return bytes;
}
static_assert(LongestKeys() <= kProfileRoomForOurKeys);

struct FormatFrom {
  const GameSettings& settings;

  std::string operator()(int32_t GameSettings::*member) const { return std::to_string(settings.*member); }
  std::string operator()(bool GameSettings::*member) const { return settings.*member ? "1" : "0"; }
  std::string operator()(std::string GameSettings::*member) const { return settings.*member; }
};

}  // namespace

SettingsWriteError::SettingsWriteError(const std::string& fileName)
    : std::runtime_error("Unable to write to " + fileName) {}

GameSettings DefaultSettings(const std::string& programPath) {
  GameSettings defaults;
  defaults.WavFolder = ProgramFolder(programPath);
  const std::string prefix = WithTrailingSeparator(defaults.WavFolder);
  defaults.BallWav = prefix + "zap.wav";
  defaults.GameOverWav = prefix + "boing.wav";
  defaults.HiScoreWav = prefix + "yehaw.wav";
  return defaults;
}

GameSettings ReadSettings(const ProfileText& text, const std::string& programPath) {
  GameSettings settings = DefaultSettings(programPath);
  for (const StoredKey& key : kKeys) std::visit(ReadInto{settings, text.Get(key.Section, key.Key)}, key.Member);
  return settings;
}

void WriteSettings(const GameSettings& settings, ProfileText& text) {
  for (const StoredKey& key : kKeys) text.Set(key.Section, key.Key, std::visit(FormatFrom{settings}, key.Member));
}

void LoadSettings(GameSettings& settings, const SettingsLocation& where) {
  settings = ReadSettings(ProfileFile(where.IniFile).Text(), where.ProgramPath);
}

void SaveSettings(const GameSettings& settings, const SettingsLocation& where) {
  // All keys go into the text first and the file is replaced once, so the
  // best score never reaches the disk without the name that goes with it.
  ProfileFile file(where.IniFile);
  WriteSettings(settings, file.Text());
  if (!file.Save()) throw SettingsWriteError(where.IniFile.filename().string());
}

}  // namespace quorvane
