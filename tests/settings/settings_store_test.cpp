#include "settings/settings_store.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <sstream>

namespace quorvane {
namespace {

namespace fs = std::filesystem;
using ::testing::StartsWith;
using ::testing::StrEq;
using namespace std::string_literals;
using ::testing::ThrowsMessage;

constexpr char kProgram[] = "/opt/game/tolvenix";

// A fresh file holds these, section by section, two blank lines apart.
constexpr char kSkill[] = "[SKILL]\nLEVEL=1\n";
constexpr char kSounds[] =
    "[SOUNDS]\nWAVFOLDER=/opt/game\nPLAYWAVS=1\nPLAYBALL=1\nBALLWAV=/opt/game/zap.wav\nPLAYGAMEOVER=1\n"
    "GAMEOVERWAV=/opt/game/boing.wav\nPLAYHISCORE=1\nHISCOREWAV=/opt/game/yehaw.wav\n";
constexpr char kCustom[] = "[CUSTOM]\nMOVEMAX=5\nSNAKESPEED=300\nMAXMAX=5\nWALLMAX=1\nWALLNUM=2\n";
constexpr char kScore[] = "[SCORE]\nHISCORE=0\nHINAME=\n";
constexpr char kPosition[] = "[POSITION]\nMODE=0\nCUSTOMDIRECTION=2\nCUSTOMHPOS=10\nCUSTOMVPOS=10\n";

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteText(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::vector<std::string> FolderEntries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  return names;
}

class SettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "quorvane-settings-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    where_ = {folder_ / "Tolvenix.ini", kProgram};
  }
  void TearDown() override { fs::remove_all(folder_); }

  GameSettings Load() {
    GameSettings settings;
    LoadSettings(settings, where_);
    return settings;
  }

  fs::path folder_;
  SettingsLocation where_;
};

TEST_F(SettingsStoreTest, FirstRunGivesDefaultsAndSavingWritesEveryKeyInOrder) {
  where_.IniFile = folder_ / "config" / "Tolvenix.ini";  // the folder is made on saving
  const GameSettings s = Load();

  EXPECT_EQ(s.Level, 1);
  EXPECT_TRUE(s.PlayWavs && s.PlayBall && s.PlayGameOver && s.PlayHiScore);
  EXPECT_EQ(s.WavFolder, "/opt/game");
  EXPECT_EQ(s.BallWav, "/opt/game/zap.wav");
  EXPECT_EQ(s.GameOverWav, "/opt/game/boing.wav");
  EXPECT_EQ(s.HiScoreWav, "/opt/game/yehaw.wav");
  EXPECT_EQ(std::vector({s.MoveMax, s.SnakeSpeed, s.MaxMax, s.WallMax, s.WallNum}), std::vector({5, 300, 5, 1, 2}));
  EXPECT_EQ(s.HiScore, 0);
  EXPECT_EQ(s.HiName, "");
  EXPECT_EQ(std::vector({s.Mode, s.CustomDirection, s.CustomHPos, s.CustomVPos}), std::vector({0, 2, 10, 10}));

  SaveSettings(s, where_);
  EXPECT_EQ(ReadText(where_.IniFile),
            std::string(kSkill) + "\n\n" + kSounds + "\n\n" + kCustom + "\n\n" + kScore + "\n\n" + kPosition);
  EXPECT_EQ(FolderEntries(where_.IniFile.parent_path()), std::vector<std::string>{"Tolvenix.ini"});
}

TEST_F(SettingsStoreTest, ProgramAtTheRootKeepsOneSeparator) {
  where_.ProgramPath = "/tolvenix";
  const GameSettings s = Load();
  EXPECT_EQ(s.WavFolder, "/");
  EXPECT_EQ(s.BallWav, "/zap.wav");
  EXPECT_EQ(s.GameOverWav, "/boing.wav");
  EXPECT_EQ(s.HiScoreWav, "/yehaw.wav");
}

TEST_F(SettingsStoreTest, ValuesParseLikeTheProfileServiceAndAreWrittenBackAsRead) {
  const std::string longPath(3000, 'w');
  WriteText(where_.IniFile,
            "[SKILL]\nLEVEL=\n"
            "[SOUNDS]\nPLAYWAVS=0\nPLAYBALL=2\nBALLWAV=\nGAMEOVERWAV=  /home/p/boing.wav  \nHISCOREWAV=" +
                longPath +
                "\n"
                "[CUSTOM]\nMOVEMAX=abc\nSNAKESPEED=$FA\nMAXMAX=12abc\nWALLMAX= -3\n"
                "[SCORE]\nHISCORE=0x1F\nHINAME=Zoë = Ångström\n"
                "[POSITION]\nMODE=5\nCUSTOMDIRECTION=0\n");
  const GameSettings s = Load();

  EXPECT_EQ(s.Level, 1);
  EXPECT_FALSE(s.PlayWavs);
  EXPECT_TRUE(s.PlayBall);
  EXPECT_EQ(s.BallWav, "");
  EXPECT_EQ(s.GameOverWav, "/home/p/boing.wav");
  EXPECT_EQ(s.HiScoreWav, longPath.substr(0, 2047));
  EXPECT_EQ(s.MoveMax, 5);
  EXPECT_EQ(s.SnakeSpeed, 250);
  EXPECT_EQ(s.MaxMax, 5);
  EXPECT_EQ(s.WallMax, -3);
  EXPECT_EQ(s.HiScore, 31);
  EXPECT_EQ(s.HiName, "Zoë = Ångström");
  EXPECT_EQ(s.Mode, 5);
  EXPECT_EQ(s.CustomDirection, 0);

  // Missing keys join the end of their section; blanks around values go.
  SaveSettings(s, where_);
  EXPECT_EQ(ReadText(where_.IniFile),
            "[SKILL]\nLEVEL=1\n\n\n"
            "[SOUNDS]\nPLAYWAVS=0\nPLAYBALL=1\nBALLWAV=\nGAMEOVERWAV=/home/p/boing.wav\nHISCOREWAV=" +
                longPath.substr(0, 2047) +
                "\nWAVFOLDER=/opt/game\nPLAYGAMEOVER=1\nPLAYHISCORE=1\n\n\n"
                "[CUSTOM]\nMOVEMAX=5\nSNAKESPEED=250\nMAXMAX=5\nWALLMAX=-3\nWALLNUM=2\n\n\n"
                "[SCORE]\nHISCORE=31\nHINAME=Zoë = Ångström\n\n\n"
                "[POSITION]\nMODE=5\nCUSTOMDIRECTION=0\nCUSTOMHPOS=10\nCUSTOMVPOS=10\n");
}

TEST_F(SettingsStoreTest, NamesMatchWithoutCaseAndForeignKeysAndCommentsSurvive) {
  WriteText(where_.IniFile,
            "; my notes\n"
            "[Skill]\n"
            "level = 7\n"
            "Theme=dark\n"
            "\n"
            "[score]\n"
            "HiScore=100\n"
            "a line without an equals sign\n"
            "\n"
            "; network settings follow\n"
            "[Network]\n"
            "proxy=none\n"
            "; notes at the very end\n");
  GameSettings s = Load();
  EXPECT_EQ(s.Level, 7);
  EXPECT_EQ(s.HiScore, 100);

  // Keys and sections keep their spelling and place, the comment stays with
  // the section it leads into; a line without "=" and a comment with nothing
  // after it hold no setting and are not written back.
  s.HiScore = 500;
  SaveSettings(s, where_);
  EXPECT_EQ(ReadText(where_.IniFile), std::string("; my notes\n\n\n"
                                                  "[Skill]\nlevel=7\nTheme=dark\n\n\n"
                                                  "[score]\nHiScore=500\nHINAME=\n\n\n"
                                                  "; network settings follow\n[Network]\nproxy=none\n\n\n") +
                                          kSounds + "\n\n" + kCustom + "\n\n" + kPosition);
}

TEST_F(SettingsStoreTest, RepeatedNamesMergeAndTheLastValueWins) {
  WriteText(where_.IniFile, "[SCORE]\nHISCORE=100\nHINAME=Ann\n[SKILL]\nLEVEL=2\n[score]\nhiscore=300\n");
  GameSettings s = Load();
  EXPECT_EQ(s.HiScore, 300);
  EXPECT_EQ(s.HiName, "Ann");

  SaveSettings(s, where_);
  EXPECT_THAT(ReadText(where_.IniFile),
              StartsWith("[SCORE]\nHISCORE=300\nHINAME=Ann\n\n\n[SKILL]\nLEVEL=2\n\n\n[SOUNDS]"));
}

TEST_F(SettingsStoreTest, FolderThatCannotHoldTheFileRaisesTheError) {
  WriteText(folder_ / "blocker", "a file, not a folder\n");
  where_.IniFile = folder_ / "blocker" / "Tolvenix.ini";

  EXPECT_EQ(Load(), DefaultSettings(kProgram));
  EXPECT_THAT([&] { SaveSettings(GameSettings{}, where_); },
              ThrowsMessage<std::runtime_error>(StrEq("Unable to write to Tolvenix.ini")));
}

TEST_F(SettingsStoreTest, FilesThatMustNotBeReplacedRaiseTheErrorAndStayAsTheyWere) {
  // A file without write permission is the player's choice, even for root.
  const std::string old = "[SCORE]\nHISCORE=900\n";
  WriteText(where_.IniFile, old);
  fs::permissions(where_.IniFile, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_THAT([&] { SaveSettings(GameSettings{}, where_); },
              ThrowsMessage<SettingsWriteError>(StrEq("Unable to write to Tolvenix.ini")));
  EXPECT_EQ(ReadText(where_.IniFile), old);

  // Values that cannot be read are not thrown away by writing the file: keys
  // under a header without its "]", and anything after a NUL byte.
  fs::permissions(where_.IniFile, fs::perms::owner_read | fs::perms::owner_write);
  for (const std::string& unreadable :
       {std::string("[SKILL]\nLEVEL=3\n[SCORE\nHISCORE=900\n"), "[SKILL]\nLEVEL=3\n\0[SCORE]\nHISCORE=900\n"s}) {
    WriteText(where_.IniFile, unreadable);
    const GameSettings s = Load();
    EXPECT_EQ(s.Level, 3);
    EXPECT_EQ(s.HiScore, 0);
    EXPECT_THROW(SaveSettings(s, where_), SettingsWriteError);
    EXPECT_EQ(ReadText(where_.IniFile), unreadable);
  }

  // Something that cannot be read as a file is not clobbered either.
  fs::remove(where_.IniFile);
  fs::create_directory(where_.IniFile);
  EXPECT_EQ(Load(), DefaultSettings(kProgram));
  EXPECT_THROW(SaveSettings(GameSettings{}, where_), SettingsWriteError);
  EXPECT_TRUE(fs::is_directory(where_.IniFile));
}

// Makes any file grow past `bytes` fail as on a full disk, for one scope.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &old_);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }

 private:
  rlimit old_{};
  void (*oldHandler_)(int) = nullptr;
};

TEST_F(SettingsStoreTest, FailureMidSaveKeepsEarlierKeysAndAWholeFile) {
  GameSettings before = DefaultSettings(kProgram);
  before.HiScore = 100;
  before.HiName = "Ann";
  SaveSettings(before, where_);
  const auto oldSize = fs::file_size(where_.IniFile);

  GameSettings after = before;
  after.Level = Difficult;
  after.HiScore = 900;
  after.HiName = std::string(400, 'Z');  // too long for the room left
  after.Mode = RandomStart;
  {
    FileSizeLimit full(oldSize + 100);
    EXPECT_THAT([&] { SaveSettings(after, where_); },
                ThrowsMessage<SettingsWriteError>(StrEq("Unable to write to Tolvenix.ini")));
  }

  GameSettings expected = after;
  expected.HiName = "Ann";
  expected.Mode = DefaultStart;
  EXPECT_EQ(Load(), expected);
  EXPECT_EQ(FolderEntries(folder_), std::vector<std::string>{"Tolvenix.ini"});
}

TEST_F(SettingsStoreTest, LinkedFileStaysLinked) {
  fs::create_directory(folder_ / "dotfiles");
  WriteText(folder_ / "dotfiles" / "Tolvenix.ini", "[SCORE]\nHISCORE=5\n");
  fs::create_symlink(folder_ / "dotfiles" / "Tolvenix.ini", where_.IniFile);

  GameSettings s = Load();
  s.HiScore = 6;
  SaveSettings(s, where_);
  EXPECT_TRUE(fs::is_symlink(where_.IniFile));
  EXPECT_EQ(Load().HiScore, 6);
}

}  // namespace
}  // namespace quorvane
