#include "banner/flex_block.h"

#include <gtest/gtest.h>

#include <memory>

namespace quorvane {
namespace {

FlexBlock Sample() {
  FlexBlock block;
  block.WidthHimetric = 12383;
  block.HeightHimetric = 1588;
  block.State = {0, 0, 0, 5};
  block.Application = u"Tolvenix";
  block.Password = u"abc\u00e9XYZ";
  block.Rest = {0, 0, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 0, 1, 1};
  return block;
}

// Reads from a heap buffer of exactly the given bytes, so a read past the end
// is a read past the allocation.
std::optional<FlexBlock> ReadExact(std::span<const std::byte> bytes) {
  auto buffer = std::make_unique<std::byte[]>(bytes.size());
  std::copy(bytes.begin(), bytes.end(), buffer.get());
  return ReadFlexBlock(std::span<const std::byte>(buffer.get(), bytes.size()));
}

void PutU32At(std::vector<std::byte>& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::byte>(value >> (8 * i) & 0xFF);
}

constexpr size_t kApplicationCountAt = 16;
constexpr size_t kPasswordCountAt = kApplicationCountAt + 4 + 16;  // after "Tolvenix"

TEST(FlexBlockReader, ReadsBackWhatWasWritten) {
  const std::vector<std::byte> bytes = WriteFlexBlock(Sample());
  ASSERT_EQ(bytes.size(), 70u);
  const auto block = ReadExact(bytes);
  ASSERT_TRUE(block);
  EXPECT_EQ(*block, Sample());
  EXPECT_EQ(block->Version, 0x300u);
  EXPECT_EQ(block->Password, u"abc\u00e9XYZ") << "characters above 0xFF keep their high byte";
  // The remaining properties as the control reads them.
  EXPECT_EQ(block->IsOffline(), 0);
  EXPECT_EQ(block->Position(), 0);
  EXPECT_EQ(block->PositionFallback(), 2);
  EXPECT_EQ(block->TimeSlot(), 1);
  EXPECT_EQ(block->AdType(), 0);
  EXPECT_EQ(block->AutoStart(), 1);
  EXPECT_EQ(block->UseAdClient(), 1);

  FlexBlock other = Sample();
  other.Application = u"";
  other.WidthHimetric = -1;
  other.Rest[1] = 0x78, other.Rest[2] = 0x56, other.Rest[3] = 0x34, other.Rest[4] = 0x92;
  const auto readOther = ReadExact(WriteFlexBlock(other));
  ASSERT_TRUE(readOther) << "an empty application is still a block";
  EXPECT_EQ(*readOther, other);
  EXPECT_EQ(readOther->Position(), static_cast<int32_t>(0x92345678u));
}

TEST(FlexBlockReader, RefusesEveryShortBlock) {
  const std::vector<std::byte> bytes = WriteFlexBlock(Sample());
  for (size_t n = 0; n < bytes.size(); ++n)
    EXPECT_FALSE(ReadExact(std::span(bytes).first(n))) << "cut to " << n << " bytes";
  std::vector<std::byte> longer = bytes;
  longer.push_back(std::byte{0});
  EXPECT_FALSE(ReadExact(longer)) << "a byte after the last field";
}

TEST(FlexBlockReader, RefusesAnotherVersion) {
  for (uint32_t version : {0u, 0x200u, 0x301u, 0x00030000u}) {
    std::vector<std::byte> bytes = WriteFlexBlock(Sample());
    PutU32At(bytes, 0, version);
    EXPECT_FALSE(ReadExact(bytes)) << std::hex << version;
  }
}

TEST(FlexBlockReader, RefusesImpossibleTextCounts) {
  const std::vector<std::byte> good = WriteFlexBlock(Sample());
  struct Case {
    size_t at;
    uint32_t count;
    const char* what;
  };
  for (const Case& c :
       {Case{kApplicationCountAt, 15, "odd application count"},
        Case{kApplicationCountAt, 0xFFFFFFFF, "application count near 4 GB"},
        Case{kApplicationCountAt, 0x80000000, "application count with the top bit set"},
        Case{kApplicationCountAt, 16 + 4 + 14 + 16 + 2, "application count past the end"},
        Case{kApplicationCountAt, 18, "application swallowing the next count"},
        Case{kPasswordCountAt, 13, "odd password count"}, Case{kPasswordCountAt, 12, "6-character password"},
        Case{kPasswordCountAt, 16, "8-character password"}, Case{kPasswordCountAt, 0, "empty password"},
        Case{kPasswordCountAt, 0xFFFFFFFE, "password count near 4 GB"}}) {
    std::vector<std::byte> bytes = good;
    PutU32At(bytes, c.at, c.count);
    EXPECT_FALSE(ReadExact(bytes)) << c.what;
  }

  // A password of the wrong length that is otherwise well formed.
  FlexBlock shortPassword = Sample();
  shortPassword.Password = u"abcdef";
  EXPECT_FALSE(ReadExact(WriteFlexBlock(shortPassword)));
}

TEST(FlexBlockReader, HimetricToPixels) {
  EXPECT_EQ(HimetricToPixels(12383), 468);
  EXPECT_EQ(HimetricToPixels(1588), 60);
  EXPECT_EQ(HimetricToPixels(2540), 96) << "one inch";
  EXPECT_EQ(HimetricToPixels(0), 0);
}

}  // namespace
}  // namespace quorvane
