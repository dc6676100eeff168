#include "resources/app_icon.h"

#include <string_view>

namespace quorvane {

namespace {

constexpr std::array<std::uint32_t, 16> Palette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

// Palette index of each picture character; -1 is the transparent background.
constexpr int PaletteIndex(char c) {
  switch (c) {
    case 'k': return 0;   // black outline
    case 'g': return 2;   // dark green underside of the jaw
    case 'N': return 4;   // navy rim of the disc
    case 'G': return 10;  // bright green head
    case 'B': return 12;  // blue disc and pupil
    case 'W': return 15;  // white of the eye
    default: return -1;
  }
}

// The snake's head, lower left, jaws open towards the blob in the upper
// right. Its neck runs off the left edge.
constexpr std::array<std::string_view, AppIconPicture::Size> Art = {
    "................................",  //
    ".......................NNNNN....",  //
    "......................NBBBBBN...",  //
    ".....................NBBBBBBBN..",  //
    "....................NBBBBBBBBBN.",  //
    "....................NBBBBBBBBBN.",  //
    "....................NBBBBBBBBBN.",  //
    "....................NBBBBBBBBBN.",  //
    "....................NBBBBBBBBBN.",  //
    ".....................NBBBBBBBN..",  //
    "......................NBBBBBN...",  //
    "....kkkkkkkkk..........NNNNN....",  //
    "..kkkGGGGGGGkkkkk...............",  //
    ".kkGGGGGkkkkGGGGkkkk............",  //
    "kkGGGGGkWWWBkGGGGGGkkkk.........",  //
    "kGGGGGGkWWBBkGGGGGGkGGkkkk......",  //
    "GGGGGGGGkkkkGGGGGGGGGGGGGk......",  //
    "GGGGGGGGGGGGGGGGGGGGGGkkkk......",  //
    "GGGGGGGGGGGGGGGGGGGkkkk.........",  //
    "GGGGGGGGGGGGGGGGkkkk............",  //
    "GGGGGGGGGGGGGGkkk...............",  //
    "GGGGGGGGGGGGkkk.................",  //
    "GGGGGGGGGGGGkkk.................",  //
    "GGGGGGGGGGGGGGkkkk..............",  //
    "GGGGGGGGGGGGGGGGGkkkk...........",  //
    "GGGGGGGGGGGGGGGGGGGGkkkk........",  //
    "GGGGGGGGGGGGGGGGGGGGGGGkkkk.....",  //
    "GGGGGGGGGGGGGGGGGGGGGGGGGGk.....",  //
    "GGGGGGGGGGGGGGGGGGggggggkkk.....",  //
    "GGGGGGGGGGGGGGggggggkkkkk.......",  //
    "gggggggggggggggkkkkkk...........",  //
    "kkkkkkkkkkkkkkkk................",  //
};

constexpr bool IsWellFormed() {
  for (std::string_view row : Art) {
    if (row.size() != AppIconPicture::Size) return false;
    for (char c : row) {
      if (c != '.' && PaletteIndex(c) < 0) return false;
    }
  }
  return true;
}
static_assert(IsWellFormed());

}  // namespace

const std::array<std::uint32_t, 16>& IconPalette() { return Palette; }

const AppIconPicture& BuildAppIcon() {
  static const AppIconPicture icon = [] {
    AppIconPicture picture;
    for (int y = 0; y < AppIconPicture::Size; ++y) {
      for (int x = 0; x < AppIconPicture::Size; ++x) {
        const int index = PaletteIndex(Art[y][x]);
        if (index >= 0) picture.Pixels[y * AppIconPicture::Size + x] = 0xFF000000u | Palette[index];
      }
    }
    return picture;
  }();
  return icon;
}

}  // namespace quorvane
