#pragma once

#include <cstdint>
#include <vector>

#include "resources/app_icon.h"

namespace quorvane {

// The sizes a desktop's icon theme asks for, in pixels.
inline constexpr int kThemeIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// The sizes the window icon carries, for task switchers and docks: the
// theme's, 96 for a screen of scale 3, and 512 for the largest docks.
inline constexpr int kWindowIconSizes[] = {16, 24, 32, 48, 64, 96, 128, 256, 512};

// The icon redrawn at size x size, as 0xAARRGGBB, row after row. No colours
// are mixed, so it stays as crisp as the original: each new pixel takes the
// colour that covers most of its area, and where two cover as much, the
// one the picture has less of, so the eye and the outlines survive a
// shrink. Whole multiples of 32 simply repeat each pixel.
std::vector<std::uint32_t> ScaledIcon(const AppIconPicture& picture, int size);

}  // namespace quorvane
