#include "resources/icon_sizes.h"

#include <algorithm>
#include <map>
#include <stdexcept>

namespace quorvane {

std::vector<std::uint32_t> ScaledIcon(const AppIconPicture& picture, int size) {
  if (size <= 0) throw std::invalid_argument("icon size must be positive");
  constexpr int n = AppIconPicture::Size;
  std::map<std::uint32_t, int> everywhere;  // how much of the picture each colour has
  for (std::uint32_t pixel : picture.Pixels) ++everywhere[pixel];

  // Measured in units of 1 / (n * size) of the picture's side, a new pixel
  // i spans [i * n, (i + 1) * n) and an old pixel j spans
  // [j * size, (j + 1) * size): the overlaps are whole numbers.
  auto overlap = [&](int fresh, int old) {
    const int from = std::max(fresh * n, old * size);
    const int to = std::min((fresh + 1) * n, (old + 1) * size);
    return std::max(0, to - from);
  };
  std::vector<std::uint32_t> result(static_cast<size_t>(size) * size);
  std::map<std::uint32_t, long> cover;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      cover.clear();
      for (int oy = y * n / size; oy < n && oy * size < (y + 1) * n; ++oy) {
        for (int ox = x * n / size; ox < n && ox * size < (x + 1) * n; ++ox) {
          const long area = static_cast<long>(overlap(x, ox)) * overlap(y, oy);
          if (area > 0) cover[picture.At(ox, oy)] += area;
        }
      }
      std::uint32_t best = 0;
      long bestArea = -1;
      for (const auto& [colour, area] : cover) {
        if (area > bestArea || (area == bestArea && everywhere[colour] < everywhere[best])) {
          best = colour;
          bestArea = area;
        }
      }
      result[static_cast<size_t>(y) * size + x] = best;
    }
  }
  return result;
}

}  // namespace quorvane
