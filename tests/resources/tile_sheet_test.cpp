#include "resources/tile_sheet.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <stdexcept>
#include <vector>

#include "game/tiles.h"
#include "support/tile_pixel.h"
#include "support/tile_roles.h"

namespace quorvane {
namespace {

using namespace tile_colour;
using testing::TilePixel;

TilePicture FromSheet(int tile) {
  TilePicture picture;
  for (int y = 0; y < TileSize; ++y) {
    for (int x = 0; x < TileSize; ++x) picture.Set(x, y, TilePixel(BuildTileSheet(), tile, x, y));
  }
  return picture;
}

// Paints rows first..last over columns from..to, inclusive.
void Paint(TilePicture& t, int firstRow, int lastRow, int from, int to, std::uint32_t colour) {
  for (int y = firstRow; y <= lastRow; ++y) {
    for (int x = from; x <= to; ++x) t.Set(x, y, colour);
  }
}

void ExpectSame(const TilePicture& expected, int tile) {
  const TilePicture actual = FromSheet(tile);
  for (int y = 0; y < TileSize; ++y) {
    for (int x = 0; x < TileSize; ++x) {
      ASSERT_EQ(actual.At(x, y), expected.At(x, y)) << "tile " << tile << " pixel (" << x << ", " << y << ")";
    }
  }
}

TEST(TileSheetTest, DefinedTilesMatchTheirTables) {
  TilePicture tail;
  Paint(tail, 0, 1, 9, 10, Green);
  Paint(tail, 2, 5, 8, 11, Green);
  Paint(tail, 6, 8, 7, 12, Green);
  Paint(tail, 9, 9, 7, 13, Green);
  Paint(tail, 10, 12, 6, 13, Green);
  Paint(tail, 13, 16, 5, 14, Green);
  Paint(tail, 17, 18, 4, 15, Green);
  Paint(tail, 19, 19, 3, 16, Green);
  ExpectSame(tail, 0);

  TilePicture straight;
  Paint(straight, 3, 16, 0, 19, Green);
  ExpectSame(straight, 4);

  TilePicture corner;
  Paint(corner, 0, 2, 3, 16, Green);
  Paint(corner, 3, 15, 0, 16, Green);
  Paint(corner, 16, 16, 0, 15, Green);
  ExpectSame(corner, 6);

  TilePicture head;
  const int lastGreen[] = {10, 12, 14, 16, 17, 18, 11, 9, 12, 15, 19, 16, 13, 10};
  for (int row = 3; row <= 16; ++row) Paint(head, row, row, 0, lastGreen[row - 3], Green);
  Paint(head, 5, 7, 7, 9, White);
  Paint(head, 5, 7, 8, 8, Blue);
  Paint(head, 6, 6, 7, 9, Blue);
  ExpectSame(head, 13);

  ExpectSame(TilePicture{}, EmptyTile);

  TilePicture blob;
  const int blobRows[][3] = {{3, 7, 12},  {4, 6, 13},  {5, 5, 14},  {6, 4, 15},
                             {13, 4, 15}, {14, 5, 14}, {15, 6, 13}, {16, 7, 12}};
  for (const auto& r : blobRows) Paint(blob, r[0], r[0], r[1], r[2], Blue);
  Paint(blob, 7, 12, 3, 16, Blue);
  ExpectSame(blob, BlobTile);

  TilePicture wall;
  Paint(wall, 0, 19, 0, 19, Red);
  for (int row : {1, 5, 9, 13, 17}) Paint(wall, row, row, 0, 19, White);
  for (int column : {4, 15}) {
    Paint(wall, 0, 0, column, column, White);
    Paint(wall, 6, 8, column, column, White);
    Paint(wall, 14, 16, column, column, White);
  }
  for (auto [first, last] : {std::pair{2, 4}, {10, 12}, {18, 19}}) Paint(wall, first, last, 9, 9, White);
  ExpectSame(wall, WallTile);
}

TEST(TileSheetTest, TransformsMoveCornersTheRightWay) {
  // Mark the top-left and bottom-left corners apart, so both turn and mirror
  // direction show.
  TilePicture marked;
  marked.Set(0, 0, Red);
  marked.Set(0, 19, Blue);

  const TilePicture cw = TurnClockwise(marked);  // left edge goes to the top
  EXPECT_EQ(cw.At(19, 0), Red);
  EXPECT_EQ(cw.At(0, 0), Blue);
  const TilePicture acw = TurnAnticlockwise(marked);  // left edge goes to the bottom
  EXPECT_EQ(acw.At(0, 19), Red);
  EXPECT_EQ(acw.At(19, 19), Blue);
  const TilePicture half = TurnHalf(marked);
  EXPECT_EQ(half.At(19, 19), Red);
  EXPECT_EQ(half.At(19, 0), Blue);
  const TilePicture lr = MirrorLeftRight(marked);
  EXPECT_EQ(lr.At(19, 0), Red);
  EXPECT_EQ(lr.At(19, 19), Blue);
  const TilePicture tb = MirrorTopBottom(marked);
  EXPECT_EQ(tb.At(0, 19), Red);
  EXPECT_EQ(tb.At(0, 0), Blue);
}

TEST(TileSheetTest, DerivedTilesAreTheirTransforms) {
  using Transform = std::function<TilePicture(const TilePicture&)>;
  const Transform cw = TurnClockwise, acw = TurnAnticlockwise, half = TurnHalf, lr = MirrorLeftRight,
                  tb = MirrorTopBottom;
  struct Derivation {
    int tile, from;
    Transform how;
  };
  const std::vector<Derivation> table = {
      {2, 0, acw},  {3, 0, half},  {1, 2, lr},    {5, 4, cw},     {7, 6, lr},   {8, 6, tb},
      {9, 6, half}, {10, 13, cw},  {12, 13, acw}, {11, 13, lr},   {20, 19, cw}, {18, 19, acw},
      {17, 19, lr}, {24, 23, cw},  {22, 23, acw}, {21, 23, lr},   {26, 25, lr}, {27, 25, cw},
      {31, 27, lr}, {32, 25, acw}, {28, 32, lr},  {30, 25, half}, {29, 30, lr},
  };
  for (const Derivation& d : table) {
    EXPECT_EQ(FromSheet(d.tile), d.how(FromSheet(d.from))) << "tile " << d.tile;
  }
}

enum Edge { Top, Bottom, Left, Right };

// The 20 pixels of one edge, read left to right or top to bottom.
std::vector<std::uint32_t> EdgeLine(const TilePicture& t, Edge edge) {
  std::vector<std::uint32_t> line;
  for (int i = 0; i < TileSize; ++i) {
    switch (edge) {
      case Top: line.push_back(t.At(i, 0)); break;
      case Bottom: line.push_back(t.At(i, 19)); break;
      case Left: line.push_back(t.At(0, i)); break;
      case Right: line.push_back(t.At(19, i)); break;
    }
  }
  return line;
}

bool IsBand(const std::vector<std::uint32_t>& line) {
  for (int i = 0; i < TileSize; ++i) {
    if (line[i] != ((i >= 3 && i <= 16) ? Green : Black)) return false;
  }
  return true;
}

bool IsBlack(const std::vector<std::uint32_t>& line) {
  for (std::uint32_t pixel : line) {
    if (pixel != Black) return false;
  }
  return true;
}

// Where each snake tile meets its neighbours: a tail's wide end, a body's two
// edges, a head's neck.
const std::vector<std::pair<int, std::set<Edge>>>& JoiningEdges() {
  static const std::vector<std::pair<int, std::set<Edge>>> edges = {
      {0, {Bottom}},      {1, {Left}},      {2, {Right}},      {3, {Top}},          {4, {Left, Right}},
      {5, {Top, Bottom}}, {6, {Top, Left}}, {7, {Top, Right}}, {8, {Bottom, Left}}, {9, {Bottom, Right}},
      {10, {Top}},        {11, {Right}},    {12, {Bottom}},    {13, {Left}},        {17, {Right}},
      {18, {Bottom}},     {19, {Left}},     {20, {Top}},       {21, {Right}},       {22, {Bottom}},
      {23, {Left}},       {24, {Top}},      {25, {Bottom}},    {26, {Bottom}},      {27, {Left}},
      {28, {Left}},       {29, {Top}},      {30, {Top}},       {31, {Right}},       {32, {Right}},
  };
  return edges;
}

TEST(TileSheetTest, SnakeTilesMeetTheirNeighboursWithTheBand) {
  for (const auto& [tile, joins] : JoiningEdges()) {
    const TilePicture t = FromSheet(tile);
    for (Edge edge : {Top, Bottom, Left, Right}) {
      const auto line = EdgeLine(t, edge);
      if (joins.count(edge)) {
        EXPECT_TRUE(IsBand(line)) << "tile " << tile << " edge " << edge;
      } else if (IsBodyTile(tile)) {
        EXPECT_TRUE(IsBlack(line)) << "tile " << tile << " edge " << edge;
      }
    }
  }
}

TEST(TileSheetTest, TurnedCrashedHeadsFaceTheRightWay) {
  // Neck edge, then the edge the swollen face bulges out to.
  const std::pair<Edge, Edge> faces[] = {
      {Bottom, Left}, {Bottom, Right}, {Left, Top},  {Left, Bottom},
      {Top, Left},    {Top, Right},    {Right, Top}, {Right, Bottom},
  };
  for (int tile = 25; tile <= 32; ++tile) {
    const auto [neck, face] = faces[tile - 25];
    const TilePicture t = FromSheet(tile);
    for (Edge edge : {Top, Bottom, Left, Right}) {
      if (edge == face) {
        EXPECT_FALSE(IsBlack(EdgeLine(t, edge))) << "tile " << tile << " face edge " << edge;
      } else if (edge != neck) {
        EXPECT_TRUE(IsBlack(EdgeLine(t, edge))) << "tile " << tile << " edge " << edge;
      }
    }
  }
}

// Top-left corners of every 3 x 3 eye (blue plus, white corners) in a tile.
std::vector<std::pair<int, int>> FindEyes(const TilePicture& t) {
  std::vector<std::pair<int, int>> eyes;
  for (int y = 0; y + 2 < TileSize; ++y) {
    for (int x = 0; x + 2 < TileSize; ++x) {
      bool eye = true;
      for (int dy = 0; dy < 3; ++dy) {
        for (int dx = 0; dx < 3; ++dx) eye &= t.At(x + dx, y + dy) == ((dx != 1 && dy != 1) ? White : Blue);
      }
      if (eye) eyes.emplace_back(x, y);
    }
  }
  return eyes;
}

TEST(TileSheetTest, EveryHeadHasOneEyeOnTheRightSide) {
  for (int tile = 0; tile < TileCount; ++tile) {
    EXPECT_EQ(FindEyes(FromSheet(tile)).size(), IsHeadTile(tile) ? 1u : 0u) << "tile " << tile;
  }
  const std::vector<std::pair<int, int>> eyeAt75 = {{7, 5}}, eyeAt125 = {{12, 5}};
  EXPECT_EQ(FindEyes(FromSheet(13)), eyeAt75);
  EXPECT_EQ(FindEyes(FromSheet(19)), eyeAt75);
  EXPECT_EQ(FindEyes(FromSheet(23)), eyeAt75);
  EXPECT_EQ(FindEyes(FromSheet(25)), eyeAt125);
  // Heads moving down look out on the right, heads moving up on the left.
  for (int tile : {10, 20, 24}) EXPECT_GT(FindEyes(FromSheet(tile))[0].first, 10) << "tile " << tile;
  for (int tile : {12, 18, 22}) EXPECT_LT(FindEyes(FromSheet(tile))[0].first, 10) << "tile " << tile;
}

TEST(TileSheetTest, EatingHeadHoldsTheBlobWithItsTongue) {
  const TilePicture t = FromSheet(19);
  for (auto [x, y] : {std::pair{13, 8}, {12, 9}, {13, 9}, {14, 9}}) EXPECT_EQ(t.At(x, y), Red) << x << "," << y;
  for (int y = 10; y <= 11; ++y) {
    for (int x = 13; x <= 16; ++x) EXPECT_EQ(t.At(x, y), Blue) << x << "," << y;  // the blob's middle
  }
  EXPECT_EQ(t.At(19, 0), Green);   // upper jaw in the top-right corner
  EXPECT_EQ(t.At(19, 19), Green);  // lower jaw in the bottom-right corner
  EXPECT_EQ(t.At(18, 9), Black);   // and the mouth open between them
}

TEST(TileSheetTest, SheetHoldsOnlyTheFiveColoursAndBlackSpareSpaces) {
  const TileSheet& sheet = BuildTileSheet();
  const std::set<std::uint32_t> allowed = {Black, Green, Blue, Red, White};
  for (int y = 0; y < TileSheet::Height; ++y) {
    for (int x = 0; x < TileSheet::Width; ++x) ASSERT_TRUE(allowed.count(sheet.At(x, y))) << x << "," << y;
  }
  // Places 33..35: the last row's right three quarters.
  for (int y = 160; y < 180; ++y) {
    for (int x = 20; x < 80; ++x) ASSERT_EQ(sheet.At(x, y), Black) << x << "," << y;
  }
  EXPECT_EQ(sheet.At(20 * 3, 20 * 4), TilePixel(sheet, 19, 0, 0));
  EXPECT_THROW(TilePixel(sheet, TileCount, 0, 0), std::out_of_range);
  EXPECT_THROW(TilePixel(sheet, -1, 0, 0), std::out_of_range);
  EXPECT_THROW(TilePixel(sheet, 0, 20, 0), std::out_of_range);
  EXPECT_THROW(DrawTile(TileCount), std::out_of_range);
}

}  // namespace
}  // namespace quorvane
