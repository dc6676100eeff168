#include "settings/settings_store.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <regex>
#include <thread>

#include "settings/profile_file.h"

namespace quorvane {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::StartsWith;
using ::testing::StrEq;
using namespace std::string_literals;
using ::testing::ThrowsMessage;

constexpr char kProgram[] = "/opt/game/tolvenix";
const auto kUnableToWrite = ThrowsMessage<SettingsWriteError>(StrEq("Unable to write to Tolvenix.ini"));

// A fresh file holds these, section after section.
constexpr char kSkill[] = "[SKILL]\nLEVEL=1\n";
constexpr char kSounds[] =
    "[SOUNDS]\nWAVFOLDER=/opt/game\nPLAYWAVS=1\nPLAYBALL=1\nBALLWAV=/opt/game/zap.wav\nPLAYGAMEOVER=1\n"
    "GAMEOVERWAV=/opt/game/boing.wav\nPLAYHISCORE=1\nHISCOREWAV=/opt/game/yehaw.wav\n";
constexpr char kCustom[] = "[CUSTOM]\nMOVEMAX=5\nSNAKESPEED=300\nMAXMAX=5\nWALLMAX=1\nWALLNUM=2\n";
constexpr char kScore[] = "[SCORE]\nHISCORE=0\nHINAME=\n";
constexpr char kPosition[] = "[POSITION]\nMODE=0\nCUSTOMDIRECTION=2\nCUSTOMHPOS=10\nCUSTOMVPOS=10\n";

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void WriteText(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// The sound folder and the three sound files, in the file's order.
std::vector<std::string> Sounds(const GameSettings& s) { return {s.WavFolder, s.BallWav, s.GameOverWav, s.HiScoreWav}; }

std::vector<std::string> FolderEntries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  return names;
}

// The defaults with a best score and its holder.
GameSettings Holding(int32_t score, const std::string& name) {
  GameSettings s = DefaultSettings(kProgram);
  s.HiScore = score;
  s.HiName = name;
  return s;
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

  EXPECT_TRUE(s.PlayWavs && s.PlayBall && s.PlayGameOver && s.PlayHiScore);
  EXPECT_THAT(Sounds(s), ElementsAre("/opt/game", "/opt/game/zap.wav", "/opt/game/boing.wav", "/opt/game/yehaw.wav"));
  EXPECT_EQ(std::vector({s.Level, s.MoveMax, s.SnakeSpeed, s.MaxMax, s.WallMax, s.WallNum, s.HiScore, s.Mode,
                         s.CustomDirection, s.CustomHPos, s.CustomVPos}),
            std::vector({1, 5, 300, 5, 1, 2, 0, 0, 2, 10, 10}));
  EXPECT_EQ(s.HiName, "");

  SaveSettings(s, where_);
  EXPECT_EQ(ReadText(where_.IniFile), std::string(kSkill) + kSounds + kCustom + kScore + kPosition);
  EXPECT_EQ(FolderEntries(where_.IniFile.parent_path()), std::vector<std::string>{"Tolvenix.ini"});
}

TEST_F(SettingsStoreTest, ProgramAtTheRootKeepsOneSeparator) {
  where_.ProgramPath = "/tolvenix";
  EXPECT_THAT(Sounds(Load()), ElementsAre("/", "/zap.wav", "/boing.wav", "/yehaw.wav"));
}

TEST_F(SettingsStoreTest, ValuesParseLikeTheProfileServiceAndAreWrittenBackAsRead) {
  const std::string longPath(3000, 'w');
  WriteText(
      where_.IniFile,
      "[SKILL]\nLEVEL=\n"
      "[SOUNDS]\nPLAYWAVS=0\nPLAYBALL=2\nPLAYHISCORE=-1\nBALLWAV=\nGAMEOVERWAV=  /home/p/boing.wav  \nHISCOREWAV=" +
          longPath +
          "\n"
          "[CUSTOM]\nMOVEMAX=abc\nSNAKESPEED=$FA\nMAXMAX=12abc\nWALLMAX= -3\n"
          "[SCORE]\nHISCORE=0x1F\nHINAME=Zoë = Ångström\n"
          "[POSITION]\nMODE=5\nCUSTOMDIRECTION=0\n");
  const GameSettings s = Load();

  EXPECT_EQ(std::vector({s.PlayWavs, s.PlayBall, s.PlayHiScore}), std::vector({false, true, true}));
  EXPECT_THAT(Sounds(s), ElementsAre("/opt/game", "", "/home/p/boing.wav", longPath.substr(0, 2047)));
  EXPECT_EQ(std::vector({s.Level, s.MoveMax, s.SnakeSpeed, s.MaxMax, s.WallMax, s.HiScore, s.Mode, s.CustomDirection}),
            std::vector({1, 5, 250, 5, -3, 31, 5, 0}));
  EXPECT_EQ(s.HiName, "Zoë = Ångström");

  // Missing keys join the end of their section; blanks around values stay.
  SaveSettings(s, where_);
  EXPECT_EQ(
      ReadText(where_.IniFile),
      "[SKILL]\nLEVEL=1\n"
      "[SOUNDS]\nPLAYWAVS=0\nPLAYBALL=1\nPLAYHISCORE=1\nBALLWAV=\nGAMEOVERWAV=  /home/p/boing.wav  \nHISCOREWAV=" +
          longPath.substr(0, 2047) +
          "\nWAVFOLDER=/opt/game\nPLAYGAMEOVER=1\n"
          "[CUSTOM]\nMOVEMAX=5\nSNAKESPEED=250\nMAXMAX=5\nWALLMAX= -3\nWALLNUM=2\n"
          "[SCORE]\nHISCORE=31\nHINAME=Zoë = Ångström\n"
          "[POSITION]\nMODE=5\nCUSTOMDIRECTION=0\nCUSTOMHPOS=10\nCUSTOMVPOS=10\n");
}

TEST_F(SettingsStoreTest, TextsComeBackAsTheProfileServiceDeliversThem) {
  const std::string a2044(2044, 'a'), a2045(2045, 'a'), a2046(2046, 'a'), a2047(2047, 'a');
  const struct {
    std::string stored, read;
  } cases[] = {
      {"'Ann'", "Ann"},
      {"\"Ann\"", "Ann"},
      {"'It's'", "It's"},
      {"'", "'"},
      {"'Ann\"", "'Ann\""},
      {a2046 + "\xC3\x96", a2046},                        // Ö would lose its second byte
      {a2045 + "\xE2\x82\xAC", a2045},                    // so would the euro sign
      {a2044 + "\xE2\x82\xAC!", a2044 + "\xE2\x82\xAC"},  // which fits whole here
      {a2046 + "\xF0\x9F\x90\x8D", a2046},                // a four-byte snake, cut after one byte,
      {a2045 + "\xF0\x9F\x90\x8D", a2045},                // two
      {a2044 + "\xF0\x9F\x90\x8D!", a2044},               // or three
      {a2047 + "\xC3\x96", a2047},
      {a2046 + "\x96\x96", a2046 + "\x96"},  // not UTF-8: cut where it stands
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored.substr(0, 12) + "... " + std::to_string(c.stored.size()) + " bytes");
    WriteText(where_.IniFile, "[SCORE]\nHISCORE='25'\nHINAME=" + c.stored + "\n");
    GameSettings s = Load();
    EXPECT_EQ(s.HiScore, 25);
    EXPECT_EQ(s.HiName, c.read);
    // Written back in the quotes it stood in, and read back the same.
    s.HiScore = 30;
    SaveSettings(s, where_);
    EXPECT_THAT(ReadText(where_.IniFile), StartsWith("[SCORE]\nHISCORE='30'\n"));
    EXPECT_EQ(Load(), s);
  }
}

// A file the save writes is always one the next start reads in full: up to
// 4 MiB of anything, plus every key at its longest.
TEST_F(SettingsStoreTest, ASaveNeverWritesAFileTheNextStartRefuses) {
  const size_t handGrown = 4 * 1024 * 1024;
  const struct {
    size_t fileSize, nameSize;
    bool saved;
  } cases[] = {
      {handGrown, 2047, true},
      {handGrown, 0, true},
      {kMaxProfileFileSize - 100, 0, false},  // read, but the added keys do not fit
      {1000, kMaxProfileFileSize, false},     // a typed name beyond anything the start reads
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.fileSize) + " bytes, a name of " + std::to_string(c.nameSize));
    const std::string head = "[SCORE]\nHISCORE=5\n;";
    const std::string old = head + std::string(c.fileSize - head.size() - 1, 'x') + "\n";
    WriteText(where_.IniFile, old);
    GameSettings s = Load();
    ASSERT_EQ(s.HiScore, 5) << "read in full";
    s.HiScore = 900;
    s.HiName = std::string(c.nameSize, 'n');
    for (std::string* text : {&s.WavFolder, &s.BallWav, &s.GameOverWav, &s.HiScoreWav}) *text = std::string(2047, ' ');
    if (c.saved) {
      SaveSettings(s, where_);
      EXPECT_EQ(Load(), s) << "the best score, its holder and every text come back";
    } else {
      EXPECT_THROW(SaveSettings(s, where_), SettingsWriteError);
      EXPECT_TRUE(ReadText(where_.IniFile) == old) << "the file stays as it was";
    }
    EXPECT_EQ(FolderEntries(folder_), std::vector<std::string>{"Tolvenix.ini"});
  }
}

TEST_F(SettingsStoreTest, NamesMatchWithoutCaseAndForeignKeysAndCommentsSurvive) {
  const std::string original =
      "; my notes\n"
      "[Skill]\nlevel = 7\nTheme=dark\n\n"
      "[score]\nHiScore=100\n"
      "a line without an equals sign\n\n"
      "; network settings follow\n[Network]\nproxy=none\n"
      "; notes at the very end\n";
  WriteText(where_.IniFile, original);
  GameSettings s = Load();
  EXPECT_EQ(s.Level, 7);
  EXPECT_EQ(s.HiScore, 100);

  // Keys and sections keep their spelling and place, and every other line
  // stays where it was; a missing key follows the last key of its section.
  s.HiScore = 500;
  SaveSettings(s, where_);
  std::string expected = original;
  expected.replace(expected.find("HiScore=100\n"), 12, "HiScore=500\nHINAME=\n");
  EXPECT_EQ(ReadText(where_.IniFile), expected + kSounds + kCustom + kPosition);
}

// Makes any file grow past `bytes` fail as on a full disk, for one scope.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : oldHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    const rlimit limit{bytes, old_.rlim_max};
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

TEST_F(SettingsStoreTest, AFailedSaveLeavesTheOldFileWhole) {
  const GameSettings before = Holding(100, "Ann");
  SaveSettings(before, where_);
  const auto oldSize = fs::file_size(where_.IniFile);

  GameSettings after = Holding(900, std::string(400, 'Z'));  // too long for the room left
  after.Level = Difficult;
  {
    FileSizeLimit full(oldSize + 100);
    EXPECT_THAT([&] { SaveSettings(after, where_); }, kUnableToWrite);
  }
  EXPECT_EQ(Load(), before);
  EXPECT_EQ(FolderEntries(folder_), std::vector<std::string>{"Tolvenix.ini"});
}

TEST_F(SettingsStoreTest, AHandEditedFileKeepsEveryByteButTheValuesWritten) {
  // CRLF and LF mixed, a quoted name, a repeated key and section, a byte
  // order mark that is not at the start, a NUL byte and a "[" without "]".
  const std::string original =
      "; kept by hand\r\n[SCORE]\r\n  HiScore = 700  ; best\r\nhiname = \"Ann Lee\"\r\nHISCORE=1\r\n"
      "[SKILL\r\nLEVEL=3\r\n\xEF\xBB\xBF[SKILL]\nLEVEL=2\nnot a key\0=9\r\n[score]\nHISCORE=2\n; the end"s;
  WriteText(where_.IniFile, original);
  GameSettings s = Load();
  EXPECT_EQ(s.HiScore, DefaultSettings(kProgram).HiScore) << "\"700  ; best\" is not a number";
  EXPECT_EQ(s.HiName, "Ann Lee");
  EXPECT_EQ(s.Level, 1);

  s.HiScore = 950;
  s.HiName = "Bo";
  SaveSettings(s, where_);
  std::string expected = original;
  expected.replace(expected.find("700  ; best"), 11, "950");
  expected.replace(expected.find("Ann Lee"), 7, "Bo");
  EXPECT_EQ(ReadText(where_.IniFile),
            expected + "\r\n" +
                std::regex_replace(std::string(kSkill) + kSounds + kCustom + kPosition, std::regex("\n"), "\r\n"));

  // The file stays readable and saveable, save after save.
  s.HiScore = 960;
  SaveSettings(s, where_);
  EXPECT_EQ(Load(), s);
  expected.replace(expected.find("950"), 3, "960");
  EXPECT_THAT(ReadText(where_.IniFile), StartsWith(expected));
}

// Someone else, who may own folders and links the player's path leads
// through. Root, which runs the tests, can give them away.
constexpr uid_t kOther = 65534;

void GiveAway(const fs::path& path) { ASSERT_EQ(::lchown(path.c_str(), kOther, kOther), 0) << path; }

// The file is written only into a folder of the player's that nobody else
// may write to, and never through someone else's link or over someone
// else's file; the player's own links are followed and stay links (a link
// to a file not made yet is relative to its own folder). A file without
// write permission is the player's choice, even for root. Where it may not
// be written, the save reports it and the file the path leads to stays.
TEST_F(SettingsStoreTest, TheFileIsWrittenOnlyWhereItBelongs) {
  if (::geteuid() != 0) GTEST_SKIP() << "giving files to another user takes root";
  const fs::path home = folder_ / "home", config = home / ".config", ini = config / "Tolvenix.ini",
                 theirs = folder_ / "theirs", profile = home / ".profile";
  auto link = [](const fs::path& to, const fs::path& at, bool given) {
    fs::create_symlink(to, at);
    if (given) GiveAway(at);
  };
  auto file = [](const fs::path& at, bool given) {
    WriteText(at, "[SCORE]\nHISCORE=5\n");
    if (given) GiveAway(at);
  };
  auto configIsTheirs = [&] { fs::remove(config), fs::create_directory_symlink(theirs, config); };
  const struct {
    const char* what;
    std::function<void()> plant;
    bool saved;
  } rows[] = {
      {"no file yet", [] {}, true},
      {"no folder yet: made for the player alone", [&] { fs::remove(config); }, true},
      {"the player's link to their file", [&] { file(home / "dot.ini", false), link(home / "dot.ini", ini, false); },
       true},
      {"the player's link to no file yet", [&] { link("new/Tolvenix.ini", ini, false); }, true},
      {"a config folder linked to someone else's, with their link to the profile",
       [&] { configIsTheirs(), link(profile, theirs / "Tolvenix.ini", true); }, false},
      {"a config folder linked to someone else's", configIsTheirs, false},
      {"someone else's link to the profile", [&] { link(profile, ini, true); }, false},
      {"someone else's file", [&] { file(ini, true); }, false},
      {"a config folder anyone may write to", [&] { fs::permissions(config, fs::perms::all); }, false},
      {"a config folder another group may write to",
       [&] {
         fs::permissions(config, fs::perms::group_write, fs::perm_options::add);
         ASSERT_EQ(::lchown(config.c_str(), -1, kOther), 0);
       },
       false},
      {"a config folder the player's own group may write to (umask 002)",
       [&] { fs::permissions(config, fs::perms::group_write, fs::perm_options::add); }, true},
      {"the player's link to someone else's file", [&] { file(home / "x", true), link(home / "x", ini, false); },
       false},
      {"the player's link into someone else's folder", [&] { link(theirs / "Tolvenix.ini", ini, false); }, false},
      {"the player's link to someone else's link to the profile",
       [&] { link(profile, home / "x", true), link(home / "x", ini, false); }, false},
      {"a file without write permission", [&] { file(ini, false), fs::permissions(ini, fs::perms::owner_read); },
       false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    fs::remove_all(home);
    fs::remove_all(theirs);
    fs::create_directories(config);
    fs::create_directory(theirs);
    GiveAway(theirs);
    WriteText(profile, "export PATH=$HOME/bin:$PATH\n");
    row.plant();
    const bool wasLink = fs::is_symlink(ini), folderMissing = !fs::exists(config);
    const fs::path found = fs::weakly_canonical(ini);
    const std::string before = ReadText(found);

    const GameSettings s = Holding(900, "Ann");
    if (row.saved) {
      SaveSettings(s, where_ = {ini, kProgram});
      EXPECT_EQ(Load(), s);
      EXPECT_EQ(fs::is_symlink(ini), wasLink);
      if (folderMissing) {
        EXPECT_EQ(fs::status(config).permissions(), fs::perms::owner_all);
      }
    } else {
      EXPECT_THAT([&] { SaveSettings(s, where_ = {ini, kProgram}); }, kUnableToWrite);
      EXPECT_EQ(ReadText(found), before);
    }
    EXPECT_EQ(ReadText(profile), "export PATH=$HOME/bin:$PATH\n");
    for (const auto& entry : fs::recursive_directory_iterator(folder_))
      EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
  }
}

// What stands where the file should be but holds no settings: a file where
// its folder should be, a folder, a named pipe (which would block the open),
// a device (which never ends) and a file too large to be ours. The start
// reads the defaults; saving raises the error and replaces none of them.
TEST_F(SettingsStoreTest, WhatIsNotASettingsFileIsNeitherReadNorReplaced) {
  WriteText(folder_ / "blocker", "a file, not a folder\n");
  fs::create_directories(folder_ / "folder" / "Tolvenix.ini");
  ASSERT_EQ(::mkfifo(where_.IniFile.c_str(), 0644), 0);
  fs::create_directory(folder_ / "zero");
  fs::create_symlink("/dev/zero", folder_ / "zero" / "Tolvenix.ini");
  fs::create_directory(folder_ / "huge");
  const std::string huge = "[SCORE]\nHISCORE=5\n" + std::string(kMaxProfileFileSize, ';');
  WriteText(folder_ / "huge" / "Tolvenix.ini", huge);
  for (const fs::path& path : {folder_ / "blocker" / "Tolvenix.ini", folder_ / "folder" / "Tolvenix.ini",
                               where_.IniFile, folder_ / "zero" / "Tolvenix.ini", folder_ / "huge" / "Tolvenix.ini"}) {
    where_.IniFile = path;
    EXPECT_EQ(Load(), DefaultSettings(kProgram)) << path;
    EXPECT_THAT([&] { SaveSettings(GameSettings{}, where_); }, kUnableToWrite) << path;
  }
  EXPECT_TRUE(fs::is_directory(folder_ / "folder" / "Tolvenix.ini"));
  EXPECT_TRUE(fs::is_fifo(folder_ / "Tolvenix.ini"));
  EXPECT_EQ(fs::read_symlink(folder_ / "zero" / "Tolvenix.ini"), "/dev/zero");
  EXPECT_TRUE(ReadText(folder_ / "huge" / "Tolvenix.ini") == huge);
}

TEST_F(SettingsStoreTest, ASaveKilledAtAnyMomentLeavesOneWholeScoreAndItsHolder) {
  const GameSettings a = Holding(1000, std::string(300, 'a')), b = Holding(2000, std::string(300, 'b'));
  SaveSettings(a, where_);

  std::mt19937 rng(7);
  for (int kill = 0; kill < 30; ++kill) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      try {
        for (int i = 0;; ++i) SaveSettings(i % 2 ? b : a, where_);
      } catch (...) {
        ::_exit(1);
      }
    }
    std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution(500, 20000)(rng)));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);

    const GameSettings found = Load();
    EXPECT_TRUE(found == a || found == b) << found.HiScore << " held by " << found.HiName.substr(0, 3);
    SaveSettings(found, where_);
    EXPECT_EQ(FolderEntries(folder_), std::vector<std::string>{"Tolvenix.ini"});
  }
}

}  // namespace
}  // namespace quorvane
