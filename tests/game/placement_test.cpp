#include <gtest/gtest.h>

#include <optional>

#include "support/game_fakes.h"

namespace quorvane::testing {
namespace {

// A game whose snake has its head at (10, 5), moving right.
struct HeadAt10x5 : GameRig {
  HeadAt10x5() { Game.BuildSnake(6, 5, Right); }
};

// Where the game places a new item, or nothing when it finds no room.
std::optional<SnakeSegment> Placed(GameRig& rig, SnakeSegment item, PlacementRules rules) {
  if (!rig.Game.PlaceItem(item, rules)) return std::nullopt;
  return item;
}

TEST(Placement, ReseedsFromTheTimeOfDayAndDrawsColumnThenRow) {
  HeadAt10x5 rig;
  rig.Random.Push({3, 9});
  rig.S().Blob = {19, 11, BlobTile};
  EXPECT_EQ(Placed(rig, {0, 0, BlobTile}, PlacementRules::Blob), SnakeSegment(3, 9, BlobTile));
  EXPECT_EQ(rig.Random.Seeds, (std::vector<uint32_t>{((13u * 60 + 5) * 60 + 9) * 1000 + 250}));
  EXPECT_EQ(rig.Random.Ranges, (std::vector<int>{20, 12}));
  EXPECT_EQ(std::pair(rig.S().LastPlacedColumn, rig.S().LastPlacedRow), std::pair(3, 9));
  EXPECT_EQ(rig.Surface.Draws, (std::vector<DrawCall>{{3, 9, BlobTile}}));
}

TEST(Placement, RejectsTheLastItemsRowAndColumnAndOccupiedCells) {
  HeadAt10x5 rig;
  rig.S().LastPlacedColumn = 7;
  rig.S().LastPlacedRow = 3;
  rig.S().Walls = {{2, 9, WallTile}};
  rig.S().Blob = {15, 1, BlobTile};
  // same column, same row, on the snake, on a wall, on the blob, then free
  rig.Random.Push({7, 9, 2, 3, 6, 5, 2, 9, 15, 1, 4, 10});
  EXPECT_EQ(Placed(rig, {0, 0, WallTile}, PlacementRules::Wall), SnakeSegment(4, 10, WallTile));
  EXPECT_TRUE(rig.Random.Script.empty());
}

TEST(Placement, HeadZoneIsTwoRowsAboveAndOneBelow) {
  HeadAt10x5 rig;
  for (int row = 0; row < BoardRows; ++row)
    for (int column = 0; column < BoardColumns; ++column)
      EXPECT_EQ(rig.Game.InHeadZone(column, row), column >= 8 && column <= 12 && row >= 3 && row <= 6)
          << column << "," << row;
  rig.S().Blob = {0, 0, BlobTile};
  rig.Random.Push({8, 3, 12, 6, 12, 7});
  EXPECT_EQ(Placed(rig, {0, 0, BlobTile}, PlacementRules::Blob), SnakeSegment(12, 7, BlobTile));
}

TEST(Placement, BlobStaysOutOfPocketsButWallsMayGoThere) {
  HeadAt10x5 rig;
  rig.S().Walls = {{1, 5, WallTile}, {0, 4, WallTile}};
  for (auto [column, row, walled] : {std::tuple{0, 5, 3}, {0, 0, 2}, {1, 4, 2}, {5, 8, 0}})
    EXPECT_EQ(rig.Game.PocketCount(column, row), walled) << column << "," << row;

  rig.S().Blob = {19, 11, BlobTile};
  rig.S().LastPlacedColumn = rig.S().LastPlacedRow = -1;
  rig.Random.Push({0, 5, 0, 0});
  EXPECT_EQ(Placed(rig, {0, 0, BlobTile}, PlacementRules::Blob), SnakeSegment(0, 0, BlobTile));

  rig.S().LastPlacedColumn = rig.S().LastPlacedRow = -1;
  rig.Random.Push({0, 5});
  EXPECT_EQ(Placed(rig, {3, 3, WallTile}, PlacementRules::Wall), SnakeSegment(0, 5, WallTile));
}

TEST(Placement, NewWallNeverLandsOnTheCorner) {
  StartedGame rig({.Level = Difficult});  // walls after every blob
  // first wall: (0, 0) is taken by the wall itself, then (1, 1); the next
  // walls and the blob come from the generator.
  rig.Random.Push({0, 0, 1, 1});
  rig.EatOnce();
  ASSERT_EQ(rig.S().Walls.size(), 3u);
  EXPECT_EQ(rig.S().Walls[0], SnakeSegment(1, 1, WallTile));
  EXPECT_FALSE(rig.S().Walls[1].Column == 1 || rig.S().Walls[1].Row == 1);
}

// Walls on every cell that is not the snake.
void FillBoardWithWalls(GameRig& rig) {
  rig.S().Walls.clear();
  for (int row = 0; row < BoardRows; ++row)
    for (int column = 0; column < BoardColumns; ++column)
      if (!ListContains(rig.S().Snake, column, row)) rig.S().Walls.emplace_back(column, row, WallTile);
}

TEST(Placement, FullBoardGivesUpWithoutDrawing) {
  HeadAt10x5 rig;
  FillBoardWithWalls(rig);
  SnakeSegment blob(4, 4, BlobTile);
  EXPECT_FALSE(rig.Game.PlaceItem(blob, PlacementRules::Blob));
  EXPECT_EQ(blob, SnakeSegment(4, 4, BlobTile));
  EXPECT_TRUE(rig.Surface.Draws.empty());
  EXPECT_TRUE(rig.Random.Ranges.empty());
}

TEST(Placement, AGeneratorThatKeepsMissingStillEnds) {
  HeadAt10x5 rig;  // only (2, 2) stays free; the script keeps offering a snake cell
  FillBoardWithWalls(rig);
  std::erase_if(rig.S().Walls, [](const SnakeSegment& w) { return w.IsAt(2, 2) || w.IsAt(19, 11); });
  rig.S().Blob = {19, 11, BlobTile};
  for (int i = 0; i < 10000; ++i) rig.Random.Push({6, 5});
  EXPECT_EQ(Placed(rig, {0, 0, BlobTile}, PlacementRules::Wall), SnakeSegment(2, 2, BlobTile));
}

TEST(Placement, BlobWithNoRoomLeavesTheBoardUntilRoomReturns) {
  StartedGame rig;
  // Leave free only cells the head zone and last-placed lines rule out.
  FillBoardWithWalls(rig);
  std::erase_if(rig.S().Walls, [](const SnakeSegment& w) { return w.Row == 10 && w.Column >= 15 && w.Column <= 17; });
  rig.S().WallsPerAddition = 0;
  rig.EatOnce();
  ASSERT_TRUE(rig.S().GameRunning);
  EXPECT_EQ(rig.S().Score, 110);
  EXPECT_FALSE(rig.Game.State().BlobOnBoard);
  EXPECT_TRUE(rig.S().Blob.IsAt(15, 10)) << "left where it was";

  // The paint shows the head, not a blob over it.
  rig.Surface.Draws.clear();
  rig.Game.PaintBox1Paint();
  EXPECT_EQ(rig.Surface.CellAt(15, 10), SwallowingHeadTile(Right));
  for (const DrawCall& d : rig.Surface.Draws) EXPECT_NE(d.Tile, BlobTile);

  // Room comes back: the next step puts the blob on the board again.
  std::erase_if(rig.S().Walls, [](const SnakeSegment& w) { return w.IsAt(3, 3) || w.IsAdjacent(3, 3); });
  rig.S().LastPlacedColumn = rig.S().LastPlacedRow = -1;
  rig.Game.GameStep();
  ASSERT_TRUE(rig.Game.State().BlobOnBoard);
  const SnakeSegment& blob = rig.S().Blob;
  EXPECT_FALSE(blob.IsAt(15, 10));
  for (const SegmentList* list : {&rig.S().Snake, &rig.S().Walls})
    EXPECT_FALSE(ListContains(*list, blob.Column, blob.Row));
  EXPECT_EQ(rig.Surface.Draws.back(), (DrawCall{blob.Column, blob.Row, BlobTile}));
  EXPECT_EQ(rig.S().Score, 120);
}

}  // namespace
}  // namespace quorvane::testing
