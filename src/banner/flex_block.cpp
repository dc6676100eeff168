#include "banner/flex_block.h"

#include <cmath>

namespace quorvane {

namespace {

void PutU32(std::vector<std::byte>& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::byte>((value >> shift) & 0xFF));
}

void PutText(std::vector<std::byte>& out, const std::u16string& text) {
  PutU32(out, static_cast<std::uint32_t>(text.size() * 2));
  for (char16_t c : text) {
    out.push_back(static_cast<std::byte>(c & 0xFF));
    out.push_back(static_cast<std::byte>(c >> 8));
  }
}

// Takes bytes off the front of the block; every take checks what is left.
class Cursor {
 public:
  explicit Cursor(std::span<const std::byte> bytes) : rest_(bytes) {}

  bool AtEnd() const { return rest_.empty(); }

  std::optional<std::uint32_t> U32() {
    if (rest_.size() < 4) return std::nullopt;
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | std::to_integer<std::uint32_t>(rest_[i]);
    rest_ = rest_.subspan(4);
    return value;
  }

  template <std::size_t N>
  std::optional<std::array<std::uint8_t, N>> Bytes() {
    if (rest_.size() < N) return std::nullopt;
    std::array<std::uint8_t, N> value{};
    for (std::size_t i = 0; i < N; ++i) value[i] = std::to_integer<std::uint8_t>(rest_[i]);
    rest_ = rest_.subspan(N);
    return value;
  }

  // A byte count and that many bytes of UTF-16LE text.
  std::optional<std::u16string> Text() {
    const std::optional<std::uint32_t> count = U32();
    if (!count || *count % 2 != 0 || *count > rest_.size()) return std::nullopt;
    std::u16string text(*count / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
      text[i] = static_cast<char16_t>(std::to_integer<unsigned>(rest_[2 * i]) |
                                      std::to_integer<unsigned>(rest_[2 * i + 1]) << 8);
    rest_ = rest_.subspan(*count);
    return text;
  }

 private:
  std::span<const std::byte> rest_;
};

}  // namespace

std::vector<std::byte> WriteFlexBlock(const FlexBlock& block) {
  std::vector<std::byte> out;
  PutU32(out, block.Version);
  PutU32(out, static_cast<std::uint32_t>(block.WidthHimetric));
  PutU32(out, static_cast<std::uint32_t>(block.HeightHimetric));
  for (std::uint8_t b : block.State) out.push_back(static_cast<std::byte>(b));
  PutText(out, block.Application);
  PutText(out, block.Password);
  for (std::uint8_t b : block.Rest) out.push_back(static_cast<std::byte>(b));
  return out;
}

std::optional<FlexBlock> ReadFlexBlock(std::span<const std::byte> bytes) {
  Cursor in(bytes);
  FlexBlock block;
  const auto version = in.U32();
  if (!version || *version != FlexBlockVersion) return std::nullopt;
  block.Version = *version;
  const auto width = in.U32();
  const auto height = in.U32();
  if (!width || !height) return std::nullopt;
  block.WidthHimetric = static_cast<std::int32_t>(*width);
  block.HeightHimetric = static_cast<std::int32_t>(*height);
  const auto state = in.Bytes<4>();
  if (!state) return std::nullopt;
  block.State = *state;
  auto application = in.Text();
  if (!application) return std::nullopt;
  block.Application = std::move(*application);
  auto password = in.Text();
  if (!password || password->size() != FlexPasswordLength) return std::nullopt;
  block.Password = std::move(*password);
  const auto rest = in.Bytes<16>();
  // Anything after the last field is not this version's block.
  if (!rest || !in.AtEnd()) return std::nullopt;
  block.Rest = *rest;
  return block;
}

int HimetricToPixels(std::int32_t himetric) { return static_cast<int>(std::lround(himetric * 96.0 / 2540.0)); }

}  // namespace quorvane
