#include "sound/sound_image.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace quorvane {
namespace {

namespace fs = std::filesystem;
using ::testing::IsNull;
using ::testing::Pointee;

class SoundImageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() / ("quorvane_sound_image_" + std::to_string(::getpid()) + "_" + info->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    // A pipe to read from: it must neither hang a load nor pass for a file.
    ASSERT_EQ(::mkfifo((dir_ / "pipe.wav").c_str(), 0644), 0);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Writes |bytes| to a file in the folder; a |size| beyond them leaves a
  // sparse tail, which costs no disk.
  std::string Write(const std::string& name, const std::vector<uint8_t>& bytes, off_t size = 0) {
    std::string path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (size > 0) {
      EXPECT_EQ(::truncate(path.c_str(), size), 0);
    }
    return path;
  }

  fs::path dir_;
  std::vector<std::string> warnings_;
  const SoundLoadWarning warn_ = [this](const std::string& text) { warnings_.push_back(text); };
};

TEST_F(SoundImageTest, LoadsFilesWholeAndWarnsOnlyOfThoseItCannotRead) {
  std::vector<uint8_t> bytes(70001);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i % 251);
  fs::create_directory(dir_ / "folder.wav");
  const auto bound = static_cast<off_t>(kMaxSoundFileBytes);
  const struct {
    std::string path;
    ::testing::Matcher<SoundImage> image;
    size_t warnings;
  } rows[] = {
      {Write("tone.wav", bytes), Pointee(bytes), 0},
      // Missing or empty: absent, and silently so. No file can be below a
      // regular one.
      {(dir_ / "missing.wav").string(), IsNull(), 0},
      {"", IsNull(), 0},
      {Write("plain.wav", {1, 2, 3}) + "/below.wav", IsNull(), 0},
      {Write("empty.wav", {}), IsNull(), 0},
      {(dir_ / "folder.wav").string(), IsNull(), 0},
      // A pipe must not hang, nor an endless device without a size.
      {(dir_ / "pipe.wav").string(), IsNull(), 1},
      {"/dev/zero", IsNull(), 1},
      {Write("at.wav", {}, bound), Pointee(::testing::SizeIs(kMaxSoundFileBytes)), 0},
      {Write("over.wav", {}, bound + 1), IsNull(), 1},
      {Write("huge.wav", {}, off_t{1} << 40), IsNull(), 1},
      // A running program cannot be opened for writing, not even by root.
      {"/proc/self/exe", Pointee(::testing::SizeIs(fs::file_size("/proc/self/exe"))), 0},
  };
  for (const auto& r : rows) {
    warnings_.clear();
    EXPECT_THAT(LoadSoundImage(r.path, warn_), r.image) << r.path;
    EXPECT_EQ(warnings_, std::vector<std::string>(r.warnings, "Could not load sound file.")) << r.path;
  }
}

TEST_F(SoundImageTest, ReloadsOnlyWhenThePathChanges) {
  std::string lower = Write("zap.wav", {1});
  std::string upper = Write("Zap.wav", {2});  // another file: names are case-sensitive
  SoundImage slot = LoadSoundImage(lower, warn_);
  const SoundImage first = slot;

  Write("zap.wav", {3});
  ReloadSoundIfChanged(lower, lower, slot, warn_);
  EXPECT_EQ(slot, first);

  ReloadSoundIfChanged(lower, upper, slot, warn_);
  EXPECT_THAT(slot, Pointee(std::vector<uint8_t>{2}));

  ReloadSoundIfChanged(upper, (dir_ / "missing.wav").string(), slot, warn_);
  EXPECT_EQ(slot, nullptr);
  EXPECT_TRUE(warnings_.empty());

  slot = LoadSoundImage(lower, warn_);
  ReloadSoundIfChanged(lower, (dir_ / "pipe.wav").string(), slot, warn_);
  EXPECT_EQ(slot, nullptr);
  EXPECT_EQ(warnings_.size(), 1u);
}

TEST_F(SoundImageTest, LoaderReadsAFileOnceAndWarnsOnceAFailingOne) {
  std::string zap = Write("zap.wav", {1});
  std::string boing = Write("boing.wav", {2});
  const std::string pipe = (dir_ / "pipe.wav").string();
  SoundImageLoader loader(warn_);
  SoundImage blob = loader.Load(zap);
  Write("zap.wav", {9});  // a second read would see this
  EXPECT_EQ(loader.Load(zap), blob);
  EXPECT_EQ(loader.Load(pipe), nullptr);
  EXPECT_EQ(loader.Load(pipe), nullptr);
  EXPECT_EQ(warnings_.size(), 1u);

  // Reloads share an image offered under its path, and the loader keeps
  // none alive: once released, a file is read afresh.
  SoundImageLoader reloads(warn_);
  SoundImage gameOver = LoadSoundImage(boing, warn_);
  reloads.Offer(zap, blob);
  reloads.Offer(boing, gameOver);
  reloads.ReloadIfChanged(boing, zap, gameOver);
  EXPECT_EQ(gameOver, blob);
  gameOver.reset();
  reloads.ReloadIfChanged(zap, boing, blob);
  EXPECT_EQ(*blob, std::vector<uint8_t>{2});
  EXPECT_EQ(*reloads.Load(zap), std::vector<uint8_t>{9});
  EXPECT_EQ(warnings_.size(), 1u);
}

}  // namespace
}  // namespace quorvane
