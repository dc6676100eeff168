#include "settings/settings_store.h"

#include <array>
#include <variant>

#include "settings/profile_file.h"

namespace quorvane {

namespace {

// A text comes back at most this long, as from the Windows profile service.
constexpr size_t kMaxTextLength = 2047;

using Field = std::variant<int32_t GameSettings::*, bool GameSettings::*, std::string GameSettings::*>;

struct StoredKey {
  const char* Section;
  const char* Key;
  Field Member;
};

// The file's keys in the order of reading and writing.
const std::array<StoredKey, 20> kKeys{{
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
    if (text) settings.*member = text->substr(0, kMaxTextLength);
  }
};

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
