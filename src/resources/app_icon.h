#pragma once

#include <array>
#include <cstdint>

namespace quorvane {

// The standard 16 colours of a Windows/VGA 16-colour picture, as 0xRRGGBB,
// in their usual order (black, maroon, green, olive, navy, ... white).
const std::array<std::uint32_t, 16>& IconPalette();

// The program and window icon, 32 x 32, as 0xAARRGGBB. Background pixels
// are 0 (fully transparent); every other pixel is opaque and a colour of
// IconPalette().
struct AppIconPicture {
  static constexpr int Size = 32;

  std::array<std::uint32_t, Size * Size> Pixels{};

  std::uint32_t At(int x, int y) const { return Pixels[y * Size + x]; }
};

// Drawn on first use and kept for the life of the program.
const AppIconPicture& BuildAppIcon();

}  // namespace quorvane
