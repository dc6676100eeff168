#include "banner/flex_block.h"

#include <gtest/gtest.h>

#include <memory>

namespace quorvane {
namespace {

FlexBlock Sample() {
  return {.WidthHimetric = 12383,
          .HeightHimetric = 1588,
          .State = {0, 0, 0, 5},
          .Application = u"Tolvenix",
          .Password = u"abc\u00e9XYZ",
          .Rest = {0, 0, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 0, 1, 1}};
}

// Reads from a heap buffer of exactly these bytes: a read past the end is a
// read past the allocation.
std::optional<FlexBlock> ReadExact(std::span<const std::byte> bytes) {
  auto buffer = std::make_unique<std::byte[]>(bytes.size());
  std::copy(bytes.begin(), bytes.end(), buffer.get());
  return ReadFlexBlock(std::span<const std::byte>(buffer.get(), bytes.size()));
}

std::vector<std::byte> WithU32At(size_t at, uint32_t value) {
  std::vector<std::byte> bytes = WriteFlexBlock(Sample());
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::byte>(value >> (8 * i) & 0xFF);
  return bytes;
}

TEST(FlexBlockReader, ReadsBackWhatWasWritten) {
  const auto block = ReadExact(WriteFlexBlock(Sample()));
  ASSERT_TRUE(block);
  EXPECT_EQ(*block, Sample()) << "including a character above 0xFF";
  EXPECT_EQ((std::array{block->IsOffline(), block->Position(), block->PositionFallback(), block->TimeSlot(),
                        block->AdType(), block->AutoStart(), block->UseAdClient()}),
            (std::array{0, 0, 2, 1, 0, 1, 1}));
  FlexBlock other = Sample();
  other.Application.clear();
  other.Rest[1] = 0x78, other.Rest[2] = 0x56, other.Rest[3] = 0x34, other.Rest[4] = 0x92;
  const auto readOther = ReadExact(WriteFlexBlock(other));
  ASSERT_TRUE(readOther) << "an empty application is still a block";
  EXPECT_EQ(readOther->Position(), static_cast<int32_t>(0x92345678u));
}

TEST(FlexBlockReader, RefusesShortLongAndForeignBlocks) {
  std::vector<std::byte> bytes = WriteFlexBlock(Sample());
  for (size_t n = 0; n < bytes.size(); ++n) EXPECT_FALSE(ReadExact(std::span(bytes).first(n))) << n << " bytes";
  bytes.push_back(std::byte{0});
  EXPECT_FALSE(ReadExact(bytes)) << "a byte after the last field";
  for (uint32_t version : {0u, 0x200u, 0x301u, 0x30000u}) EXPECT_FALSE(ReadExact(WithU32At(0, version))) << version;
}

TEST(FlexBlockReader, RefusesImpossibleTextCounts) {
  constexpr size_t application = 16, password = 36;  // where the byte counts are
  // Odd, near 4 GB, top bit set, two bytes past the end, running into the next count.
  for (uint32_t count : {15u, 0xFFFFFFFFu, 0x80000000u, 52u, 18u})
    EXPECT_FALSE(ReadExact(WithU32At(application, count))) << "application " << count;
  for (uint32_t count : {13u, 12u, 16u, 0u, 0xFFFFFFFEu})
    EXPECT_FALSE(ReadExact(WithU32At(password, count))) << "password " << count;
  FlexBlock six = Sample();
  six.Password = u"abcdef";
  EXPECT_FALSE(ReadExact(WriteFlexBlock(six))) << "a well-formed 6-character password";
}

}  // namespace
}  // namespace quorvane
