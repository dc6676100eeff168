#include "resources/tile_sheet.h"

#include <stdexcept>
#include <string_view>

#include "game/tiles.h"

namespace quorvane {

namespace {

using namespace tile_colour;

constexpr int Last = TileSize - 1;

// An inclusive block of rows, each coloured over the same inclusive columns.
struct Run {
  int FirstRow, LastRow, FirstColumn, LastColumn;
};

template <std::size_t N>
void FillRuns(TilePicture& tile, const Run (&runs)[N], std::uint32_t colour) {
  for (const Run& run : runs) {
    for (int y = run.FirstRow; y <= run.LastRow; ++y) {
      for (int x = run.FirstColumn; x <= run.LastColumn; ++x) tile.Set(x, y, colour);
    }
  }
}

// Every head has the same eye: a blue plus with white corners.
void DrawEye(TilePicture& tile, int left, int top) {
  for (int dy = 0; dy < 3; ++dy) {
    for (int dx = 0; dx < 3; ++dx) {
      const bool corner = dx != 1 && dy != 1;
      tile.Set(left + dx, top + dy, corner ? White : Blue);
    }
  }
}

// The hand-drawn heads are kept as pictures: '.' black, '#' green,
// 'b' blue, 'r' red, 'w' white. Eyes are added afterwards with DrawEye.
using Art = std::array<std::string_view, TileSize>;

constexpr bool IsWellFormed(const Art& art) {
  for (std::string_view row : art) {
    if (row.size() != TileSize) return false;
    for (char c : row) {
      if (c != '.' && c != '#' && c != 'b' && c != 'r' && c != 'w') return false;
    }
  }
  return true;
}

TilePicture FromArt(const Art& art) {
  TilePicture tile;
  for (int y = 0; y < TileSize; ++y) {
    for (int x = 0; x < TileSize; ++x) {
      switch (art[y][x]) {
        case '#': tile.Set(x, y, Green); break;
        case 'b': tile.Set(x, y, Blue); break;
        case 'r': tile.Set(x, y, Red); break;
        case 'w': tile.Set(x, y, White); break;
        default: break;
      }
    }
  }
  return tile;
}

// Tail, tip up, wide end on the bottom edge.
TilePicture Tail() {
  static constexpr Run runs[] = {
      {0, 1, 9, 10},   {2, 5, 8, 11},   {6, 8, 7, 12},   {9, 9, 7, 13},
      {10, 12, 6, 13}, {13, 16, 5, 14}, {17, 18, 4, 15}, {19, 19, 3, 16},
  };
  TilePicture tile;
  FillRuns(tile, runs, Green);
  return tile;
}

TilePicture StraightBody() {
  static constexpr Run runs[] = {{3, 16, 0, Last}};
  TilePicture tile;
  FillRuns(tile, runs, Green);
  return tile;
}

// Corner joining top and left; the outer corner pixel (16, 16) stays black
// so the bend looks rounded.
TilePicture Corner() {
  static constexpr Run runs[] = {{0, 2, 3, 16}, {3, 15, 0, 16}, {16, 16, 0, 15}};
  TilePicture tile;
  FillRuns(tile, runs, Green);
  return tile;
}

// Head moving right, jaws open. Every row of the head starts at the neck.
TilePicture OpenHead() {
  static constexpr int lastGreen[] = {10, 12, 14, 16, 17, 18, 11, 9, 12, 15, 19, 16, 13, 10};
  TilePicture tile;
  for (int i = 0; i < 14; ++i) {
    for (int x = 0; x <= lastGreen[i]; ++x) tile.Set(x, 3 + i, Green);
  }
  DrawEye(tile, 7, 5);
  return tile;
}

// Head moving right with the blob in its jaws. The jaws are flung open to
// the two right-hand corners; the tongue reaches out of the throat onto the
// blob.
constexpr Art EatingHeadArt = {
    "..................##",  //
    "...............####.",  //
    "...........#######..",  //
    "#################...",  //
    "################....",  //
    "###############.....",  //
    "##############......",  //
    "#############.bb....",  //
    "############.rbbb...",  //
    "############rrrbb...",  //
    "############.bbbb...",  //
    "############.bbbb...",  //
    "#############.bb....",  //
    "##############......",  //
    "###############.....",  //
    "################....",  //
    "#################...",  //
    "...........#######..",  //
    "...............####.",  //
    "..................##",  //
};
static_assert(IsWellFormed(EatingHeadArt));

TilePicture EatingHead() {
  TilePicture tile = FromArt(EatingHeadArt);
  DrawEye(tile, 7, 5);
  return tile;
}

// Head that ran straight into something, moving right: the open head's
// outline with the jaws shut and the teeth clenched in a zig-zag.
constexpr Art CrashedHeadArt = {
    "....................",  //
    "....................",  //
    "....................",  //
    "###########.........",  //
    "#############.......",  //
    "###############.....",  //
    "#################...",  //
    "##################..",  //
    "###################.",  //
    "####################",  //
    "##########.#.#######",  //
    "###########.#.#.####",  //
    "##############.#.#.#",  //
    "#################.#.",  //
    "##################..",  //
    "###############.....",  //
    "############........",  //
    "....................",  //
    "....................",  //
    "....................",  //
};
static_assert(IsWellFormed(CrashedHeadArt));

TilePicture CrashedHead() {
  TilePicture tile = FromArt(CrashedHeadArt);
  DrawEye(tile, 7, 5);
  return tile;
}

// Head that crashed while turning: neck down, face squashed to the left.
constexpr Art CrashedTurnedHeadArt = {
    "....................",  //
    "......########......",  //
    "....############....",  //
    "...##############...",  //
    "..################..",  //
    "..################..",  //
    ".##################.",  //
    ".##################.",  //
    "###################.",  //
    "....###############.",  //
    "####..#############.",  //
    "######.############.",  //
    "#######.###########.",  //
    "###################.",  //
    "##################..",  //
    "##################..",  //
    "#################...",  //
    "...##############...",  //
    "...##############...",  //
    "...##############...",  //
};
static_assert(IsWellFormed(CrashedTurnedHeadArt));

TilePicture CrashedTurnedHead() {
  TilePicture tile = FromArt(CrashedTurnedHeadArt);
  DrawEye(tile, 12, 5);
  return tile;
}

TilePicture Blob() {
  static constexpr Run runs[] = {
      {3, 3, 7, 12},   {4, 4, 6, 13},   {5, 5, 5, 14},   {6, 6, 4, 15},   {7, 12, 3, 16},
      {13, 13, 4, 15}, {14, 14, 5, 14}, {15, 15, 6, 13}, {16, 16, 7, 12},
  };
  TilePicture tile;
  FillRuns(tile, runs, Blue);
  return tile;
}

// Running bond: the vertical joints of neighbouring courses are staggered.
TilePicture Wall() {
  static constexpr Run mortar[] = {
      {1, 1, 0, Last},  {5, 5, 0, Last}, {9, 9, 0, Last}, {13, 13, 0, Last}, {17, 17, 0, Last},
      {0, 0, 4, 4},     {0, 0, 15, 15},  {6, 8, 4, 4},    {6, 8, 15, 15},    {14, 16, 4, 4},
      {14, 16, 15, 15}, {2, 4, 9, 9},    {10, 12, 9, 9},  {18, 19, 9, 9},
  };
  static constexpr Run bricks[] = {{0, Last, 0, Last}};
  TilePicture tile;
  FillRuns(tile, bricks, Red);
  FillRuns(tile, mortar, White);
  return tile;
}

}  // namespace

TilePicture TurnClockwise(const TilePicture& tile) {
  TilePicture turned;
  for (int y = 0; y < TileSize; ++y) {
    for (int x = 0; x < TileSize; ++x) turned.Set(x, y, tile.At(y, Last - x));
  }
  return turned;
}

TilePicture TurnAnticlockwise(const TilePicture& tile) {
  TilePicture turned;
  for (int y = 0; y < TileSize; ++y) {
    for (int x = 0; x < TileSize; ++x) turned.Set(x, y, tile.At(Last - y, x));
  }
  return turned;
}

TilePicture TurnHalf(const TilePicture& tile) {
  TilePicture turned;
  for (int y = 0; y < TileSize; ++y) {
    for (int x = 0; x < TileSize; ++x) turned.Set(x, y, tile.At(Last - x, Last - y));
  }
  return turned;
}

TilePicture MirrorLeftRight(const TilePicture& tile) {
  TilePicture mirrored;
  for (int y = 0; y < TileSize; ++y) {
    for (int x = 0; x < TileSize; ++x) mirrored.Set(x, y, tile.At(Last - x, y));
  }
  return mirrored;
}

TilePicture MirrorTopBottom(const TilePicture& tile) {
  TilePicture mirrored;
  for (int y = 0; y < TileSize; ++y) {
    for (int x = 0; x < TileSize; ++x) mirrored.Set(x, y, tile.At(x, Last - y));
  }
  return mirrored;
}

TilePicture DrawTile(int tile) {
  switch (tile) {
    case 0: return Tail();
    case 1: return MirrorLeftRight(DrawTile(2));
    case 2: return TurnAnticlockwise(DrawTile(0));
    case 3: return TurnHalf(DrawTile(0));
    case 4: return StraightBody();
    case 5: return TurnClockwise(DrawTile(4));
    case 6: return Corner();
    case 7: return MirrorLeftRight(DrawTile(6));
    case 8: return MirrorTopBottom(DrawTile(6));
    case 9: return TurnHalf(DrawTile(6));
    case 10: return TurnClockwise(DrawTile(13));
    case 11: return MirrorLeftRight(DrawTile(13));
    case 12: return TurnAnticlockwise(DrawTile(13));
    case 13: return OpenHead();
    case EmptyTile: return TilePicture{};
    case BlobTile: return Blob();
    case WallTile: return Wall();
    case 17: return MirrorLeftRight(DrawTile(19));
    case 18: return TurnAnticlockwise(DrawTile(19));
    case 19: return EatingHead();
    case 20: return TurnClockwise(DrawTile(19));
    case 21: return MirrorLeftRight(DrawTile(23));
    case 22: return TurnAnticlockwise(DrawTile(23));
    case 23: return CrashedHead();
    case 24: return TurnClockwise(DrawTile(23));
    case 25: return CrashedTurnedHead();
    case 26: return MirrorLeftRight(DrawTile(25));
    case 27: return TurnClockwise(DrawTile(25));
    case 28: return MirrorLeftRight(DrawTile(32));
    case 29: return MirrorLeftRight(DrawTile(30));
    case 30: return TurnHalf(DrawTile(25));
    case 31: return MirrorLeftRight(DrawTile(27));
    case 32: return TurnAnticlockwise(DrawTile(25));
    default: throw std::out_of_range("tile index out of range");
  }
}

const TileSheet& BuildTileSheet() {
  static const TileSheet sheet = [] {
    TileSheet s;  // zero-initialised: the unused places stay black
    for (int i = 0; i < TileCount; ++i) {
      const TilePicture tile = DrawTile(i);
      for (int y = 0; y < TileSize; ++y) {
        for (int x = 0; x < TileSize; ++x) {
          s.Pixels[(TileSheetY(i) + y) * TileSheet::Width + TileSheetX(i) + x] = tile.At(x, y);
        }
      }
    }
    return s;
  }();
  return sheet;
}

}  // namespace quorvane
