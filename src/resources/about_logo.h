#pragma once

#include <array>
#include <cstdint>

namespace quorvane {

// The studio's logo for the About box: 200 x 77 pixels, three bytes (red,
// green, blue) per pixel, row by row from the top. Drawn during the build.
struct LogoPicture {
  static constexpr int Width = 200;
  static constexpr int Height = 77;

  std::array<std::uint8_t, Width * Height * 3> Rgb{};

  // The pixel as 0xRRGGBB.
  std::uint32_t At(int x, int y) const {
    const std::size_t i = (static_cast<std::size_t>(y) * Width + x) * 3;
    return (std::uint32_t{Rgb[i]} << 16) | (std::uint32_t{Rgb[i + 1]} << 8) | Rgb[i + 2];
  }
};

const LogoPicture& AboutLogo();

}  // namespace quorvane
