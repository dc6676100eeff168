#include "sound/sound_player.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <numbers>
#include <thread>
#include <tuple>

namespace quorvane {
namespace {

namespace fs = std::filesystem;

constexpr int kRate = 44100;  // the player's device rate
// Two levels that stay apart through any conversion.
constexpr int16_t kLoud = 20000;
constexpr int16_t kQuiet = 4000;
bool IsLoud(int16_t s) { return std::abs(s) > 12000; }
bool IsQuiet(int16_t s) { return std::abs(s) > 2000 && std::abs(s) < 6000; }
bool IsSounding(int16_t s) { return std::abs(s) > 64; }

// A 16-bit mono PCM wave file.
SoundImage MonoWave(int rate, const std::vector<int16_t>& samples) {
  const auto data = static_cast<uint32_t>(samples.size() * 2), r = static_cast<uint32_t>(rate);
  const uint32_t header[] = {0x46464952, 36 + data, 0x45564157, 0x20746D66, 16,  0x00010001,
                             r,          r * 2,     0x00100002, 0x61746164, data};  // little-endian
  std::vector<uint8_t> out(sizeof header + data);
  std::memcpy(out.data(), header, sizeof header);
  if (data != 0) std::memcpy(out.data() + sizeof header, samples.data(), data);
  return std::make_shared<const std::vector<uint8_t>>(std::move(out));
}

SoundImage Level(double seconds, int16_t value) {
  return MonoWave(kRate, std::vector<int16_t>(static_cast<size_t>(seconds * kRate), value));
}

using Channel = std::vector<int16_t>;  // the left channel of what was written
constexpr size_t kNone = std::string::npos;

size_t Count(const Channel& c, bool (*is)(int16_t)) {
  return static_cast<size_t>(std::count_if(c.begin(), c.end(), is));
}
size_t First(const Channel& c, bool (*is)(int16_t)) {
  auto it = std::find_if(c.begin(), c.end(), is);
  return it == c.end() ? kNone : static_cast<size_t>(it - c.begin());
}
size_t Last(const Channel& c, bool (*is)(int16_t)) {
  auto it = std::find_if(c.rbegin(), c.rend(), is);
  return it == c.rend() ? kNone : static_cast<size_t>(c.rend() - it - 1);
}
// How many threads the process runs, as the system lists them.
size_t ThreadCount() {
  const fs::directory_iterator tasks("/proc/self/task");
  return static_cast<size_t>(std::distance(fs::begin(tasks), fs::end(tasks)));
}

// SDL's disk driver writes what plays to a file, a little faster than real
// time; the tests poll that file.
class SoundPlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A parameterised test's name holds a '/', which would nest the folder
    // and leave its parent behind.
    std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::replace(name.begin(), name.end(), '/', '_');
    dir_ = fs::temp_directory_path() / ("quorvane_sound_player_" + std::to_string(::getpid()) + "_" + name);
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    output_ = (dir_ / "out.raw").string();
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILE", output_.c_str(), 1);
    ::setenv("SDL_DISKAUDIODELAY", "10", 1);
    player_ = std::make_unique<SoundPlayer>();
    ASSERT_TRUE(fs::exists(output_)) << "the player opened no device";
  }
  void TearDown() override {
    player_.reset();
    fs::remove_all(dir_);
  }

  // Whether the device is open: the disk driver holds its file open from the
  // device's opening to its closing, when what it wrote is flushed.
  bool DeviceOpen() const {
    for (const auto& fd : fs::directory_iterator("/proc/self/fd")) {
      std::error_code error;
      if (fs::read_symlink(fd.path(), error) == fs::path(output_)) return true;
    }
    return false;
  }

  Channel Output() {
    std::ifstream file(output_, std::ios::binary);
    std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
    Channel left(bytes.size() / 4);
    for (size_t i = 0; i < left.size(); ++i) std::memcpy(&left[i], &bytes[4 * i], 2);
    return left;
  }

  // Polls until `done` holds, with a timeout generous for a busy machine.
  static void PollUntil(const std::function<bool()>& done, const std::function<std::string()>& failure) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    for (; !done(); std::this_thread::sleep_for(std::chrono::milliseconds(10))) {
      if (std::chrono::steady_clock::now() > deadline) return void(ADD_FAILURE() << failure());
    }
  }
  Channel WaitFor(const std::function<bool(const Channel&)>& done) {
    Channel out;
    PollUntil([&] { return done(out = Output()); },
              [&] { return "output did not arrive; have " + std::to_string(out.size()) + " frames"; });
    return out;
  }

  // Waits until `heard` holds, then until the player has closed its device,
  // and gives all that was written.
  Channel WaitUntilQuiet(const std::function<bool(const Channel&)>& heard) {
    WaitFor(heard);
    PollUntil([this] { return !DeviceOpen(); }, [] { return "the device stayed open"; });
    return Output();
  }

  void PlayLongLoudSound() {
    player_->PlaySoundImage(Level(20, kLoud));
    WaitFor([](const Channel& c) { return Count(c, IsLoud) > 0; });
  }

  fs::path dir_;
  std::string output_;
  std::unique_ptr<SoundPlayer> player_;
};

TEST_F(SoundPlayerTest, PlaysAWaveConvertedToTheDeviceRateAfterItIsReleased) {
  // 0.3 s of 1000 Hz at 22050 Hz: at the device rate, 13230 frames and 600
  // zero crossings.
  std::vector<int16_t> tone(6615);
  for (size_t i = 0; i < tone.size(); ++i) {
    tone[i] = static_cast<int16_t>(12000 * std::sin(2 * std::numbers::pi * 1000 * i / 22050.0));
  }
  SoundImage image = MonoWave(22050, tone);
  player_->PlaySoundImage(image);
  ReleaseSoundImage(image);  // the player keeps what it plays

  Channel out = WaitUntilQuiet([](const Channel& c) { return Count(c, IsSounding) > 0; });
  size_t first = First(out, IsSounding), last = Last(out, IsSounding);
  ASSERT_NE(first, kNone);
  EXPECT_NEAR(static_cast<double>(last - first), 13230, 400);
  int crossings = 0;
  for (size_t i = first + 1; i <= last; ++i) crossings += (out[i - 1] < 0) != (out[i] < 0);
  EXPECT_NEAR(crossings, 600, 20);
}

TEST_F(SoundPlayerTest, NewSoundCutsOffTheOneBefore) {
  PlayLongLoudSound();
  player_->PlaySoundImage(Level(0.3, kQuiet));
  Channel out = WaitUntilQuiet([](const Channel& c) { return Count(c, IsQuiet) > 0; });

  ASSERT_NE(First(out, IsQuiet), kNone);
  Channel after(out.begin() + static_cast<long>(First(out, IsQuiet)), out.end());
  EXPECT_EQ(Count(after, IsLoud), 0u);
  EXPECT_NEAR(static_cast<double>(Count(after, IsQuiet)), 0.3 * kRate, 1);  // played whole
  EXPECT_EQ(Count(after, IsSounding), Count(after, IsQuiet));               // then silence
}

struct SilencingImage {
  const char* name;
  SoundImage image;
  friend std::ostream& operator<<(std::ostream& out, const SilencingImage& s) { return out << s.name; }
};

class SoundPlayerSilenceTest : public SoundPlayerTest, public ::testing::WithParamInterface<SilencingImage> {};

TEST_P(SoundPlayerSilenceTest, SilencesWhatPlays) {
  PlayLongLoudSound();
  player_->PlaySoundImage(GetParam().image);
  Channel out = WaitUntilQuiet([](const Channel&) { return true; });

  EXPECT_LT(Count(out, IsLoud), static_cast<size_t>(20 * kRate));  // cut off early
  EXPECT_EQ(Count(Channel(out.begin() + static_cast<long>(Last(out, IsLoud)) + 1, out.end()), IsSounding), 0u);
}

SoundImage Bytes(std::vector<uint8_t> bytes) { return std::make_shared<const std::vector<uint8_t>>(std::move(bytes)); }

// A wave whose data chunk declares `declared` bytes and ends at its header.
SoundImage WithoutData(uint32_t declared) {
  std::vector<uint8_t> bytes = *MonoWave(kRate, {});
  std::memcpy(bytes.data() + bytes.size() - 4, &declared, 4);
  return Bytes(std::move(bytes));
}

INSTANTIATE_TEST_SUITE_P(AbsentOrInvalid, SoundPlayerSilenceTest,
                         ::testing::Values(SilencingImage{"Absent", nullptr},
                                           SilencingImage{"NotAWave", Bytes(std::vector<uint8_t>(4000, 0x5A))},
                                           SilencingImage{"CutShortHeader",
                                                          Bytes({'R', 'I', 'F', 'F', 20,  0,  0, 0, 'W', 'A', 'V',
                                                                 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0,   1,   0})},
                                           SilencingImage{"NoSamples", MonoWave(kRate, {})},
                                           SilencingImage{"DataDeclaredButAbsent", WithoutData(1000)}),
                         [](const auto& info) { return std::string(info.param.name); });

// Nothing streams while nothing plays (the disk driver writes silence
// otherwise), and each sound reopens the device before its first sample.
TEST_F(SoundPlayerTest, StreamsOnlyWhileASoundPlaysAndStartsEachSoundWhole) {
  WaitUntilQuiet([](const Channel&) { return true; });  // the device opened at start-up
  for (auto [seconds, level, is] : {std::tuple{0.3, kLoud, &IsLoud}, {0.2, kQuiet, &IsQuiet}}) {
    const auto idle = fs::exists(output_) ? fs::file_size(output_) : 0;
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(fs::exists(output_) ? fs::file_size(output_) : 0, idle) << "streamed while idle";

    player_->PlaySoundImage(Level(seconds, level));
    Channel out = WaitUntilQuiet([is = is](const Channel& c) { return Count(c, is) > 0; });
    // The reopened device writes a new file, which holds the whole sound in
    // one piece and nothing else.
    const auto frames = static_cast<size_t>(seconds * kRate);
    EXPECT_EQ(Count(out, is), frames);
    EXPECT_EQ(Last(out, is) - First(out, is) + 1, frames);
    EXPECT_EQ(Count(out, IsSounding), frames);
    EXPECT_GE(out.size() - 1 - Last(out, is), static_cast<size_t>(kRate / 5)) << "silence before closing";
  }
}

TEST_F(SoundPlayerTest, DestroyingThePlayerStopsPlaybackAndFreesTheDevice) {
  PlayLongLoudSound();
  player_.reset();
  const auto size = fs::file_size(output_);
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_EQ(fs::file_size(output_), size);

  fs::remove(output_);
  player_ = std::make_unique<SoundPlayer>();
  EXPECT_TRUE(fs::exists(output_)) << "a new player opens the device again";
}

TEST_F(SoundPlayerTest, DestroyingThePlayerAbandonsALongDecode) {
  // 60 MB at half the device rate: its decode alone would take seconds.
  player_->PlaySoundImage(MonoWave(22050, std::vector<int16_t>(30'000'000, kLoud)));
  std::this_thread::sleep_for(std::chrono::milliseconds(100));  // well into the decode
  const auto start = std::chrono::steady_clock::now();
  player_.reset();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

TEST(SoundPlayerSignalTest, LeavesSigintAndSigtermToTheProgram) {
  ::setenv("SDL_AUDIODRIVER", "dummy", 1);
  const size_t threads = ThreadCount();
  SoundPlayer player;
  ASSERT_GT(ThreadCount(), threads) << "the player is not running";
  for (int signal : {SIGINT, SIGTERM}) {
    struct sigaction action {};
    ASSERT_EQ(::sigaction(signal, nullptr, &action), 0);
    EXPECT_EQ(action.sa_handler, SIG_DFL) << "signal " << signal;
  }
}

TEST(SoundPlayerWithoutDeviceTest, DoesNothingQuietly) {
  ::setenv("SDL_AUDIODRIVER", "quorvane-no-such-driver", 1);
  const size_t threads = ThreadCount();
  SoundPlayer player;
  player.PlaySoundImage(Level(0.1, kLoud));
  player.PlaySoundImage(nullptr);
  EXPECT_EQ(ThreadCount(), threads) << "nothing runs without a device";
}

}  // namespace
}  // namespace quorvane
