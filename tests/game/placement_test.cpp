#include <gtest/gtest.h>

#include "support/board_text.h"
#include "support/game_fakes.h"

namespace quorvane::testing {
namespace {

// A game whose snake has its head at (10, 5), moving right.
void SnakeHeadAt10x5(GameRig& rig) {
  rig.S().Snake.clear();
  rig.Game.BuildSnake(6, 5, Right);
}

TEST(Placement, ReseedsFromTheTimeOfDayAndDrawsColumnThenRow) {
  GameRig rig;
  SnakeHeadAt10x5(rig);
  rig.Random.Push({3, 9});
  SnakeSegment blob(0, 0, BlobTile);
  rig.S().Blob = {19, 11, BlobTile};
  ASSERT_TRUE(rig.Game.PlaceItem(blob, PlacementRules::Blob));
  EXPECT_EQ(rig.Random.Seeds, (std::vector<uint32_t>{((13u * 60 + 5) * 60 + 9) * 1000 + 250}));
  EXPECT_EQ(rig.Random.Ranges, (std::vector<int>{20, 12}));
  EXPECT_EQ(blob, SnakeSegment(3, 9, BlobTile));
  EXPECT_EQ(rig.S().LastPlacedColumn, 3);
  EXPECT_EQ(rig.S().LastPlacedRow, 9);
  EXPECT_EQ(rig.Surface.Draws, (std::vector<DrawCall>{{3, 9, BlobTile}}));
}

TEST(Placement, RejectsTheLastItemsRowAndColumnAndOccupiedCells) {
  GameRig rig;
  SnakeHeadAt10x5(rig);
  rig.S().LastPlacedColumn = 7;
  rig.S().LastPlacedRow = 3;
  rig.S().Walls = {{2, 9, WallTile}};
  rig.S().Blob = {15, 1, BlobTile};
  // same column, same row, on the snake, on a wall, on the blob, then free
  rig.Random.Push({7, 9, 2, 3, 6, 5, 2, 9, 15, 1, 4, 10});
  SnakeSegment wall(0, 0, WallTile);
  ASSERT_TRUE(rig.Game.PlaceItem(wall, PlacementRules::Wall));
  EXPECT_EQ(wall, SnakeSegment(4, 10, WallTile));
  EXPECT_TRUE(rig.Random.Script.empty());
}

TEST(Placement, HeadZoneIsTwoRowsAboveAndOneBelow) {
  GameRig rig;
  SnakeHeadAt10x5(rig);
  for (int row = 0; row < BoardRows; ++row)
    for (int column = 0; column < BoardColumns; ++column) {
      const bool inZone = column >= 8 && column <= 12 && row >= 3 && row <= 6;
      EXPECT_EQ(rig.Game.InHeadZone(column, row), inZone) << column << "," << row;
    }
  rig.S().Blob = {0, 0, BlobTile};
  rig.Random.Push({8, 3, 12, 6, 12, 7});
  SnakeSegment blob(0, 0, BlobTile);
  ASSERT_TRUE(rig.Game.PlaceItem(blob, PlacementRules::Blob));
  EXPECT_EQ(blob, SnakeSegment(12, 7, BlobTile));
}

TEST(Placement, BlobStaysOutOfPocketsButWallsMayGoThere) {
  GameRig rig;
  SnakeHeadAt10x5(rig);
  rig.S().Walls = {{1, 5, WallTile}, {0, 4, WallTile}};
  EXPECT_EQ(rig.Game.PocketCount(0, 5), 3);
  EXPECT_EQ(rig.Game.PocketCount(0, 0), 2);
  EXPECT_EQ(rig.Game.PocketCount(1, 4), 2);
  EXPECT_EQ(rig.Game.PocketCount(5, 8), 0);

  rig.S().Blob = {19, 11, BlobTile};
  rig.S().LastPlacedColumn = rig.S().LastPlacedRow = -1;
  rig.Random.Push({0, 5, 0, 0});
  SnakeSegment blob(0, 0, BlobTile);
  ASSERT_TRUE(rig.Game.PlaceItem(blob, PlacementRules::Blob));
  EXPECT_EQ(blob, SnakeSegment(0, 0, BlobTile));

  rig.S().LastPlacedColumn = rig.S().LastPlacedRow = -1;
  rig.Random.Push({0, 5});
  SnakeSegment wall(3, 3, WallTile);
  ASSERT_TRUE(rig.Game.PlaceItem(wall, PlacementRules::Wall));
  EXPECT_EQ(wall, SnakeSegment(0, 5, WallTile));
}

TEST(Placement, NewWallNeverLandsOnTheCorner) {
  GameRig rig;
  rig.Settings.Level = Difficult;  // walls after every blob
  rig.NewGameWithBlobAt(3, 3);
  rig.S().Blob = {15, 10, BlobTile};
  // first wall: (0, 0) is taken by the wall itself, then (1, 1); the next
  // walls and the blob come from the generator.
  rig.Random.Push({0, 0, 1, 1});
  rig.Game.GameStep();
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

// Walls on every cell but the snake's, whose head is at (10, 5) moving right.
void LayFullBoard(GameRig& rig) {
  LayBoard(rig.S(), {
                        "####################",
                        "####################",
                        "####################",
                        "####################",
                        "####################",
                        "######>>>>H#########",
                        "####################",
                        "####################",
                        "####################",
                        "####################",
                        "####################",
                        "####################",
                    });
}

TEST(Placement, FullBoardGivesUpWithoutDrawing) {
  GameRig rig;
  LayFullBoard(rig);
  SnakeSegment blob(4, 4, BlobTile);
  EXPECT_FALSE(rig.Game.PlaceItem(blob, PlacementRules::Blob));
  EXPECT_EQ(blob, SnakeSegment(4, 4, BlobTile));
  EXPECT_TRUE(rig.Surface.Draws.empty());
  EXPECT_TRUE(rig.Random.Ranges.empty());
}

TEST(Placement, AGeneratorThatKeepsMissingStillEnds) {
  GameRig rig;
  // Only (2, 2) stays free; the script keeps offering a snake cell.
  LayFullBoard(rig);
  std::erase_if(rig.S().Walls, [](const SnakeSegment& w) { return w.IsAt(2, 2) || w.IsAt(19, 11); });
  rig.S().Blob = {19, 11, BlobTile};
  for (int i = 0; i < 10000; ++i) rig.Random.Push({6, 5});
  SnakeSegment blob(0, 0, BlobTile);
  ASSERT_TRUE(rig.Game.PlaceItem(blob, PlacementRules::Wall));
  EXPECT_EQ(blob, SnakeSegment(2, 2, BlobTile));
}

TEST(Placement, BlobWithNoRoomLeavesTheBoardUntilRoomReturns) {
  GameRig rig;
  rig.NewGameWithBlobAt(3, 3);
  // Leave free only cells the head zone and last-placed lines rule out.
  FillBoardWithWalls(rig);
  std::erase_if(rig.S().Walls, [](const SnakeSegment& w) { return w.Row == 10 && w.Column >= 15 && w.Column <= 17; });
  rig.S().Blob = {15, 10, BlobTile};
  rig.S().WallsPerAddition = 0;
  rig.Game.GameStep();
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
  EXPECT_FALSE(ListContains(rig.S().Snake, blob.Column, blob.Row));
  EXPECT_FALSE(ListContains(rig.S().Walls, blob.Column, blob.Row));
  EXPECT_EQ(rig.Surface.Draws.back(), (DrawCall{blob.Column, blob.Row, BlobTile}));
  EXPECT_EQ(rig.S().Score, 120);
}

}  // namespace
}  // namespace quorvane::testing
