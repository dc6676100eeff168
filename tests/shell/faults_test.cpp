// The window under faults of the system around it: settings that cannot
// be written or whose folder is gone, and sound files that are anything
// but waves. The game goes on through all of them.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <random>

#include "support/window_test_support.h"

namespace quorvane::testing {
namespace {

namespace fs = std::filesystem;

TEST_F(WindowTest, ReadOnlySettingsAreReadPlayedWithAndNeverReplaced) {
  const std::string old = "[SCORE]\nHISCORE=30\nHINAME=Bo\n";
  const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  WriteSettings(old);
  fs::permissions(location_.IniFile, readOnly);
  TForm1& form = StartHeldGame();
  for (int i = 0; i < 2; ++i) form.SuperTimer1Timer();
  EXPECT_EQ(Panel(HiScorePanel), "Hi : 30") << "the stored best, read";
  for (int i = 0; i < 3; ++i) form.SuperTimer1Timer();
  EXPECT_EQ(Panel(HiScorePanel), "Hi : 50");

  ModalAnswers answers{ModalAnswers::Press(QMessageBox::Ok)};
  EXPECT_FALSE(form.close()) << "the player hears of it first";
  EXPECT_THAT(answers.Seen(), ElementsAre("Quorvane Sinuvar | Unable to write to Tolvenix.ini."));
  EXPECT_EQ(ReadSettings(), old);
  EXPECT_TRUE(form.close());
  EXPECT_EQ(ReadSettings(), old);
  EXPECT_EQ(fs::status(location_.IniFile).permissions() & fs::perms::all, readOnly);
}

TEST_F(WindowTest, SettingsFolderThatVanishedBeforeTheSaveIsMadeAgain) {
  const fs::path folder = fs::path(dir_.path().toStdString()) / "config" / "nested";
  fs::create_directories(folder);
  location_.IniFile = folder / "Tolvenix.ini";
  WriteSettings("[SKILL]\nLEVEL=2\n[SCORE]\nHISCORE=20\nHINAME=Bo\n");
  TForm1& form = StartHeldGame();
  for (int i = 0; i < 4; ++i) form.SuperTimer1Timer();
  fs::remove_all(fs::path(dir_.path().toStdString()) / "config");

  EXPECT_TRUE(form.close());
  EXPECT_THAT(ReadSettings(), AllOf(HasSubstr("LEVEL=2\n"), HasSubstr("HISCORE=40\n"), HasSubstr("HINAME=Bo\n")));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1) << "no temporary left";
}

// A sound file that is no usable wave, and whether loading it warns.
struct BadSound {
  const char* name;
  std::function<std::string(const fs::path& folder)> make;  // gives the path
  bool warns;
  bool loads;  // held in memory (and so handed to the player) or absent
};

// |bytes|, then silence up to |size| where one is given: a sparse file, costing no disk.
std::string WriteBytes(const fs::path& path, const std::string& bytes, std::uintmax_t size = 0) {
  std::ofstream(path, std::ios::binary) << bytes;
  if (size != 0) fs::resize_file(path, size);
  return path.string();
}

std::string GeneratedWave() { return FileBytes(QUORVANE_BIN_DIR "/zap.wav"); }

// A canonical 16-bit mono header for |dataBytes| of samples.
std::string WaveHeader(uint32_t dataBytes) {
  auto u32 = [](uint32_t v) { return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; };
  auto u16 = [](uint16_t v) { return std::string{char(v), char(v >> 8)}; };
  return "RIFF" + u32(36 + dataBytes) + "WAVEfmt " + u32(16) + u16(1) + u16(1) + u32(22050) + u32(44100) + u16(2) +
         u16(16) + "data" + u32(dataBytes);
}

const BadSound kBadSounds[] = {
    {"Empty", [](auto& d) { return WriteBytes(d / "empty.wav", ""); }, false, false},
    {"CutInItsHeader", [](auto& d) { return WriteBytes(d / "cut.wav", GeneratedWave().substr(0, 30)); }, false, true},
    {"CutInItsSamples",
     [](auto& d) { return WriteBytes(d / "half.wav", GeneratedWave().substr(0, GeneratedWave().size() / 2 + 1)); },
     false, true},
    {"HeaderClaimingGigabytes",
     [](auto& d) { return WriteBytes(d / "liar.wav", WaveHeader(0xFFFFFF00u) + std::string(64, '\x10')); }, false,
     true},
    {"LargestAcceptedWave",
     [](auto& d) { return WriteBytes(d / "long.wav", WaveHeader(kMaxSoundFileBytes - 44), kMaxSoundFileBytes); }, false,
     true},
    {"TooLarge", [](auto& d) { return WriteBytes(d / "huge.wav", WaveHeader(1000), std::uintmax_t{1} << 40); }, true,
     false},
    {"RandomBytes",
     [](auto& d) {
       std::mt19937 rng(5);
       std::string bytes(50000, '\0');
       for (char& c : bytes) c = static_cast<char>(rng());
       return WriteBytes(d / "noise.wav", "RIFF" + bytes);
     },
     false, true},
    {"NamedPipe",
     [](auto& d) {
       EXPECT_EQ(::mkfifo((d / "pipe.wav").c_str(), 0644), 0);
       return (d / "pipe.wav").string();
     },
     true, false},
    {"Socket",
     [](auto& d) {
       const fs::path path = d / "socket.wav";
       const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
       sockaddr_un address{};
       address.sun_family = AF_UNIX;
       std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
       EXPECT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
       ::close(fd);  // the name stays
       return path.string();
     },
     true, false},
    {"BelowAFile",  // what root cannot read either: no folder can be there
     [](auto& d) { return WriteBytes(d / "file", "x") + "/zap.wav"; }, false, false},
};

void PrintTo(const BadSound& bad, std::ostream* out) { *out << bad.name; }

class BadSoundTest : public WindowTest, public ::testing::WithParamInterface<BadSound> {};

TEST_P(BadSoundTest, TheGameStartsPlaysAndEndsWithIt) {
  const BadSound& bad = GetParam();
  const std::string path = bad.make(fs::path(dir_.path().toStdString()));
  // All three sounds from the one file, and a best score to beat, so that
  // the blob, the new best and the game over each ask for it.
  WriteSettings("[SOUNDS]\nPLAYWAVS=1\nBALLWAV=" + path + "\nGAMEOVERWAV=" + path + "\nHISCOREWAV=" + path +
                "\n[SCORE]\nHISCORE=10\nHINAME=Bo\n");
  ModalAnswers answers;
  if (bad.warns) answers.Then(ModalAnswers::Press(QMessageBox::Ok));
  TForm1& form = Show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return answers.AllUsed(); }, 5000));
  for (GameSound sound : {GameSound::Blob, GameSound::GameOver, GameSound::HiScore})
    EXPECT_EQ(Played(sound) != nullptr, bad.loads);

  StartHeldGame(17, 10);  // three cells ahead of the head
  answers.Then(EnterName("Ann"));
  answers.Then(ModalAnswers::Press(QMessageBox::Yes));
  // The blob, the new best, then the right edge; Yes starts the next game.
  for (int i = 0; i < 10 && !answers.AllUsed(); ++i) form.SuperTimer1Timer();
  SuperTimer1().SetEnabled(false);  // the next game is stepped by hand too
  ASSERT_TRUE(answers.AllUsed());
  EXPECT_TRUE(Running()) << "the next game started";
  QTest::qWait(100);  // the player decodes meanwhile
  for (int i = 0; i < 3; ++i) form.SuperTimer1Timer();
  EXPECT_TRUE(Panel(ScorePanel).endsWith("30")) << "three steps, and perhaps a blob";
  EXPECT_TRUE(form.close());
  EXPECT_THAT(ReadSettings(), HasSubstr("HINAME=Ann\n")) << "the name the dialog took";
}

INSTANTIATE_TEST_SUITE_P(Faults, BadSoundTest, ::testing::ValuesIn(kBadSounds),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvane::testing
