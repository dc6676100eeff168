#pragma once

// The banner control's persisted configuration: one block of bytes that the
// window hands the control when it creates it. Plain C++ so that anything,
// including a fuzzer, can drive the reader.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quorvane {

// The only format version the control reads.
constexpr std::uint32_t FlexBlockVersion = 0x300;
// The password is always 7 UTF-16 characters.
constexpr std::size_t FlexPasswordLength = 7;

// The block, field by field. All numbers are little-endian in the bytes.
struct FlexBlock {
  std::uint32_t Version = FlexBlockVersion;
  // The control's extent in hundredths of a millimetre.
  std::int32_t WidthHimetric = 0;
  std::int32_t HeightHimetric = 0;
  // A value in the control's own encoding, kept as it came.
  std::array<std::uint8_t, 4> State{};
  std::u16string Application;
  std::u16string Password;
  // The remaining property values, kept as they came; read them through the
  // accessors below.
  std::array<std::uint8_t, 16> Rest{};

  // The remaining properties as the control lays them out in Rest: a byte,
  // three 32-bit values, three bytes.
  std::int32_t IsOffline() const { return Rest[0]; }
  std::int32_t Position() const { return RestInt(1); }
  std::int32_t PositionFallback() const { return RestInt(5); }
  std::int32_t TimeSlot() const { return RestInt(9); }
  std::int32_t AdType() const { return Rest[13]; }
  std::int32_t AutoStart() const { return Rest[14]; }
  std::int32_t UseAdClient() const { return Rest[15]; }

  bool operator==(const FlexBlock&) const = default;

 private:
  std::int32_t RestInt(std::size_t at) const {
    return static_cast<std::int32_t>(std::uint32_t{Rest[at]} | std::uint32_t{Rest[at + 1]} << 8 |
                                     std::uint32_t{Rest[at + 2]} << 16 | std::uint32_t{Rest[at + 3]} << 24);
  }
};

// The bytes of a block. Text is written as UTF-16LE after its byte count.
std::vector<std::byte> WriteFlexBlock(const FlexBlock& block);

// Reads a whole block. Gives nothing for bytes that are not exactly one
// block of the known version: too short, too long, a text byte count that is
// odd or runs past the end, or a password of other than 7 characters. Never
// reads outside `bytes`.
std::optional<FlexBlock> ReadFlexBlock(std::span<const std::byte> bytes);

// Hundredths of a millimetre to pixels at 96 pixels per inch, rounded.
int HimetricToPixels(std::int32_t himetric);

}  // namespace quorvane
