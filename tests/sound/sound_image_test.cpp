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

class SoundImageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() / ("quorvane_sound_image_" + std::to_string(::getpid()) + "_" + info->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
    std::string path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
  }

  fs::path dir_;
  std::vector<std::string> warnings_;
  const SoundLoadWarning warn_ = [this](const std::string& text) { warnings_.push_back(text); };
};

TEST_F(SoundImageTest, LoadsTheWholeFileByteForByte) {
  std::vector<uint8_t> bytes(70001);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i % 251);
  SoundImage image = LoadSoundImage(Write("tone.wav", bytes), warn_);
  EXPECT_THAT(image, ::testing::Pointee(bytes));
  EXPECT_TRUE(warnings_.empty());
}

TEST_F(SoundImageTest, MissingOrEmptyFileIsAbsentWithoutWarning) {
  std::string regular = Write("plain.wav", {1, 2, 3});
  // No file can be below a regular one.
  for (const std::string& path :
       {(dir_ / "missing.wav").string(), std::string(), regular + "/below.wav", Write("empty.wav", {})})
    EXPECT_EQ(LoadSoundImage(path, warn_), nullptr) << path;
  EXPECT_TRUE(warnings_.empty());
}

TEST_F(SoundImageTest, FolderIsNoFileButPipeAndDeviceWarnWithoutBlocking) {
  fs::create_directory(dir_ / "folder.wav");
  ASSERT_EQ(::mkfifo((dir_ / "pipe.wav").c_str(), 0644), 0);
  EXPECT_EQ(LoadSoundImage((dir_ / "folder.wav").string(), warn_), nullptr);
  EXPECT_TRUE(warnings_.empty()) << "a folder is silent";
  EXPECT_EQ(LoadSoundImage((dir_ / "pipe.wav").string(), warn_), nullptr);  // must not hang
  EXPECT_EQ(LoadSoundImage("/dev/zero", warn_), nullptr);                   // endless, no size
  EXPECT_EQ(warnings_, std::vector<std::string>(2, "Could not load sound file."));
}

TEST_F(SoundImageTest, FileOverTheSizeBoundIsRefusedWithWarning) {
  // Sparse: they cost no disk.
  auto sparse = [this](const std::string& name, off_t size) {
    std::string path = Write(name, {});
    EXPECT_EQ(::truncate(path.c_str(), size), 0);
    return path;
  };
  const auto bound = static_cast<off_t>(kMaxSoundFileBytes);
  SoundImage atBound = LoadSoundImage(sparse("at.wav", bound), warn_);
  EXPECT_THAT(atBound, ::testing::Pointee(::testing::SizeIs(kMaxSoundFileBytes)));
  EXPECT_TRUE(warnings_.empty());
  EXPECT_EQ(LoadSoundImage(sparse("over.wav", bound + 1), warn_), nullptr);
  EXPECT_EQ(LoadSoundImage(sparse("huge.wav", off_t{1} << 40), warn_), nullptr);
  EXPECT_EQ(warnings_, std::vector<std::string>(2, "Could not load sound file."));
}

TEST_F(SoundImageTest, FileThatCannotBeOpenedForWritingLoads) {
  // A running program cannot be opened for writing, not even by root.
  SoundImage image = LoadSoundImage("/proc/self/exe", warn_);
  EXPECT_THAT(image, ::testing::Pointee(::testing::SizeIs(fs::file_size("/proc/self/exe"))));
  EXPECT_TRUE(warnings_.empty());
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
  EXPECT_THAT(slot, ::testing::Pointee(std::vector<uint8_t>{2}));

  ReloadSoundIfChanged(upper, (dir_ / "missing.wav").string(), slot, warn_);
  EXPECT_EQ(slot, nullptr);
  EXPECT_TRUE(warnings_.empty());

  ASSERT_EQ(::mkfifo((dir_ / "pipe.wav").c_str(), 0644), 0);
  slot = LoadSoundImage(lower, warn_);
  ReloadSoundIfChanged(lower, (dir_ / "pipe.wav").string(), slot, warn_);
  EXPECT_EQ(slot, nullptr);
  EXPECT_EQ(warnings_.size(), 1u);
}

TEST_F(SoundImageTest, LoaderReadsAFileOnceAndWarnsOnceAFailingOne) {
  std::string zap = Write("zap.wav", {1});
  std::string boing = Write("boing.wav", {2});
  std::string pipe = (dir_ / "pipe.wav").string();
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
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
