#include "resources/tile_sheet.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <stdexcept>
#include <tuple>
#include <vector>

#include "game/tiles.h"
#include "support/tile_pixel.h"
#include "support/tile_roles.h"

namespace quorvane {
namespace {

using namespace tile_colour;
using testing::ForEachPixel;
using testing::TilePixel;

TilePicture FromSheet(int tile) {
  TilePicture picture;
  ForEachPixel(TileSize, TileSize, [&](int x, int y) { picture.Set(x, y, TilePixel(BuildTileSheet(), tile, x, y)); });
  return picture;
}

using Blocks = std::vector<std::array<int, 4>>;

// Paints each block {first row, last row, first column, last column},
// inclusive.
TilePicture Paint(TilePicture t, const Blocks& blocks, std::uint32_t colour) {
  for (const auto& [firstRow, lastRow, from, to] : blocks) {
    ForEachPixel(to - from + 1, lastRow - firstRow + 1,
                 [&, left = from, top = firstRow](int x, int y) { t.Set(left + x, top + y, colour); });
  }
  return t;
}

TEST(TileSheetTest, DefinedTilesMatchTheirTables) {
  const Blocks tail = {{0, 1, 9, 10},   {2, 5, 8, 11},   {6, 8, 7, 12},   {9, 9, 7, 13},
                       {10, 12, 6, 13}, {13, 16, 5, 14}, {17, 18, 4, 15}, {19, 19, 3, 16}};
  EXPECT_EQ(FromSheet(0), Paint({}, tail, Green));
  EXPECT_EQ(FromSheet(4), Paint({}, {{3, 16, 0, 19}}, Green));
  EXPECT_EQ(FromSheet(6), Paint({}, {{0, 2, 3, 16}, {3, 15, 0, 16}, {16, 16, 0, 15}}, Green));

  TilePicture head;
  const int lastGreen[] = {10, 12, 14, 16, 17, 18, 11, 9, 12, 15, 19, 16, 13, 10};
  for (int row = 3; row <= 16; ++row) head = Paint(head, {{row, row, 0, lastGreen[row - 3]}}, Green);
  head = Paint(Paint(head, {{5, 7, 7, 9}}, White), {{5, 7, 8, 8}, {6, 6, 7, 9}}, Blue);
  EXPECT_EQ(FromSheet(13), head);

  EXPECT_EQ(FromSheet(EmptyTile), TilePicture{});

  const Blocks blob = {{3, 3, 7, 12},   {4, 4, 6, 13},   {5, 5, 5, 14},   {6, 6, 4, 15},  {7, 12, 3, 16},
                       {13, 13, 4, 15}, {14, 14, 5, 14}, {15, 15, 6, 13}, {16, 16, 7, 12}};
  EXPECT_EQ(FromSheet(BlobTile), Paint({}, blob, Blue));

  TilePicture wall = Paint({}, {{0, 19, 0, 19}}, Red);
  for (int row : {1, 5, 9, 13, 17}) wall = Paint(wall, {{row, row, 0, 19}}, White);
  for (int c : {4, 15}) wall = Paint(wall, {{0, 0, c, c}, {6, 8, c, c}, {14, 16, c, c}}, White);
  EXPECT_EQ(FromSheet(WallTile), Paint(wall, {{2, 4, 9, 9}, {10, 12, 9, 9}, {18, 19, 9, 9}}, White));
}

TEST(TileSheetTest, TransformsMoveCornersTheRightWay) {
  // Mark the top-left and bottom-left corners apart, so both turn and mirror
  // direction show.
  const TilePicture marked = Paint(Paint({}, {{0, 0, 0, 0}}, Red), {{19, 19, 0, 0}}, Blue);
  // A clockwise turn takes the left edge to the top, an anticlockwise one to
  // the bottom.
  const struct {
    TilePicture (*how)(const TilePicture&);
    int redX, redY, blueX, blueY;
  } rows[] = {{TurnClockwise, 19, 0, 0, 0},
              {TurnAnticlockwise, 0, 19, 19, 19},
              {TurnHalf, 19, 19, 19, 0},
              {MirrorLeftRight, 19, 0, 19, 19},
              {MirrorTopBottom, 0, 19, 0, 0}};
  for (const auto& r : rows) {
    const TilePicture turned = r.how(marked);
    EXPECT_EQ(turned.At(r.redX, r.redY), Red) << r.redX << "," << r.redY;
    EXPECT_EQ(turned.At(r.blueX, r.blueY), Blue) << r.blueX << "," << r.blueY;
  }
}

TEST(TileSheetTest, DerivedTilesAreTheirTransforms) {
  const auto cw = TurnClockwise, acw = TurnAnticlockwise, half = TurnHalf, lr = MirrorLeftRight, tb = MirrorTopBottom;
  const struct {
    int tile, from;
    decltype(cw) how;
  } table[] = {
      {2, 0, acw},  {3, 0, half},  {1, 2, lr},    {5, 4, cw},     {7, 6, lr},   {8, 6, tb},
      {9, 6, half}, {10, 13, cw},  {12, 13, acw}, {11, 13, lr},   {20, 19, cw}, {18, 19, acw},
      {17, 19, lr}, {24, 23, cw},  {22, 23, acw}, {21, 23, lr},   {26, 25, lr}, {27, 25, cw},
      {31, 27, lr}, {32, 25, acw}, {28, 32, lr},  {30, 25, half}, {29, 30, lr},
  };
  for (const auto& d : table) EXPECT_EQ(FromSheet(d.tile), d.how(FromSheet(d.from))) << "tile " << d.tile;
}

enum Edge { Top, Bottom, Left, Right };

using Line = std::vector<std::uint32_t>;

// The 20 pixels of one edge, read left to right or top to bottom.
Line EdgeLine(const TilePicture& t, Edge edge) {
  Line line;
  for (int i = 0; i < TileSize; ++i) {
    line.push_back(edge == Top ? t.At(i, 0) : edge == Bottom ? t.At(i, 19) : edge == Left ? t.At(0, i) : t.At(19, i));
  }
  return line;
}

const Line kBlackEdge(TileSize, Black);
// Green from pixel 3 to 16, black at both ends.
const Line kBand = EdgeLine(Paint({}, {{0, 0, 3, 16}}, Green), Top);

// Where each snake tile meets its neighbours: a tail's wide end, a body's two
// edges, a head's neck.
const std::pair<int, std::set<Edge>> kJoiningEdges[] = {
    {0, {Bottom}},      {1, {Left}},      {2, {Right}},      {3, {Top}},          {4, {Left, Right}},
    {5, {Top, Bottom}}, {6, {Top, Left}}, {7, {Top, Right}}, {8, {Bottom, Left}}, {9, {Bottom, Right}},
    {10, {Top}},        {11, {Right}},    {12, {Bottom}},    {13, {Left}},        {17, {Right}},
    {18, {Bottom}},     {19, {Left}},     {20, {Top}},       {21, {Right}},       {22, {Bottom}},
    {23, {Left}},       {24, {Top}},      {25, {Bottom}},    {26, {Bottom}},      {27, {Left}},
    {28, {Left}},       {29, {Top}},      {30, {Top}},       {31, {Right}},       {32, {Right}},
};

// The edge each crashed head's swollen face bulges out to, tiles 25 to 32.
const Edge kCrashedFaces[] = {Left, Right, Top, Bottom, Left, Right, Top, Bottom};

// A crashed head's edges other than its neck and its face are black, like a
// body's outside edges.
TEST(TileSheetTest, SnakeTilesMeetTheirNeighboursWithTheBandAndCrashedHeadsFaceTheRightWay) {
  for (const auto& [tile, joins] : kJoiningEdges) {
    const TilePicture t = FromSheet(tile);
    const bool crashed = tile >= 25;
    for (Edge edge : {Top, Bottom, Left, Right}) {
      const auto line = EdgeLine(t, edge);
      if (joins.count(edge)) {
        EXPECT_EQ(line, kBand) << "tile " << tile << " edge " << edge;
      } else if (crashed && edge == kCrashedFaces[tile - 25]) {
        EXPECT_NE(line, kBlackEdge) << "tile " << tile << " face edge " << edge;
      } else if (IsBodyTile(tile) || crashed) {
        EXPECT_EQ(line, kBlackEdge) << "tile " << tile << " edge " << edge;
      }
    }
  }
}

// Top-left corners of every 3 x 3 eye (blue plus, white corners) in a tile.
std::vector<std::pair<int, int>> FindEyes(const TilePicture& t) {
  std::vector<std::pair<int, int>> eyes;
  ForEachPixel(TileSize - 2, TileSize - 2, [&](int x, int y) {
    bool eye = true;
    ForEachPixel(3, 3, [&](int dx, int dy) { eye &= t.At(x + dx, y + dy) == ((dx != 1 && dy != 1) ? White : Blue); });
    if (eye) eyes.emplace_back(x, y);
  });
  return eyes;
}

TEST(TileSheetTest, EveryHeadHasOneEyeOnTheRightSide) {
  for (int tile = 0; tile < TileCount; ++tile) {
    EXPECT_EQ(FindEyes(FromSheet(tile)).size(), IsHeadTile(tile) ? 1u : 0u) << "tile " << tile;
  }
  for (auto [tile, x] : {std::pair{13, 7}, {19, 7}, {23, 7}, {25, 12}})
    EXPECT_THAT(FindEyes(FromSheet(tile)), ::testing::ElementsAre(::testing::Pair(x, 5))) << "tile " << tile;
  // Heads moving down look out on the right, heads moving up on the left.
  for (int tile : {10, 20, 24}) EXPECT_GT(FindEyes(FromSheet(tile)).at(0).first, 10) << "tile " << tile;
  for (int tile : {12, 18, 22}) EXPECT_LT(FindEyes(FromSheet(tile)).at(0).first, 10) << "tile " << tile;
}

TEST(TileSheetTest, EatingHeadHoldsTheBlobWithItsTongue) {
  const TilePicture t = FromSheet(19);
  for (auto [x, y] : {std::pair{13, 8}, {12, 9}, {13, 9}, {14, 9}}) EXPECT_EQ(t.At(x, y), Red) << x << "," << y;
  // The blob's middle.
  ForEachPixel(4, 2, [&](int x, int y) { EXPECT_EQ(t.At(13 + x, 10 + y), Blue) << 13 + x << "," << 10 + y; });
  // The jaws in the right-hand corners, and the mouth open between them.
  for (auto [x, y, colour] : {std::tuple{19, 0, Green}, {19, 19, Green}, {18, 9, Black}})
    EXPECT_EQ(t.At(x, y), colour) << x << "," << y;
}

TEST(TileSheetTest, SheetHoldsOnlyTheFiveColoursAndBlackSpareSpaces) {
  const TileSheet& sheet = BuildTileSheet();
  // A stray pixel shows as its index: 80 to a row.
  ASSERT_THAT(sheet.Pixels, ::testing::Each(::testing::AnyOf(Black, Green, Blue, Red, White)));
  // Places 33..35: the last row's right three quarters.
  ForEachPixel(60, 20, [&](int x, int y) { ASSERT_EQ(sheet.At(20 + x, 160 + y), Black) << 20 + x << "," << 160 + y; });
  EXPECT_EQ(sheet.At(20 * 3, 20 * 4), TilePixel(sheet, 19, 0, 0));
  for (auto [tile, x] : {std::pair{TileCount, 0}, {-1, 0}, {0, 20}})
    EXPECT_THROW(TilePixel(sheet, tile, x, 0), std::out_of_range) << tile << " " << x;
  EXPECT_THROW(DrawTile(TileCount), std::out_of_range);
}

}  // namespace
}  // namespace quorvane
