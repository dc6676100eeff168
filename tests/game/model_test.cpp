#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/game_fakes.h"

namespace quorvane::testing {
namespace {

TEST(Model, OppositeDirectionsPairUp) {
  for (auto [d, o] : {std::pair{Down, Up}, {Up, Down}, {Left, Right}, {Right, Left}}) EXPECT_EQ(Opposite(d), o) << d;
}

TEST(Model, SegmentQueries) {
  SnakeSegment item(5, 5, 4);
  for (auto [c, r] : {std::pair{5, 4}, {5, 6}, {4, 5}, {6, 5}}) EXPECT_TRUE(item.IsAdjacent(c, r)) << c << "," << r;
  for (auto [c, r] : {std::pair{4, 4}, {6, 6}, {5, 5}, {5, 7}, {7, 5}})
    EXPECT_FALSE(item.IsAdjacent(c, r)) << c << "," << r;
  EXPECT_TRUE(item.IsAt(5, 5));
  EXPECT_FALSE(item.IsAt(5, 6));

  SnakeSegment other(1, 2, 3);
  other.Assign(SnakeSegment(item));
  EXPECT_EQ(other, SnakeSegment(5, 5, 4));

  SegmentList empty;
  for (int r = 0; r < BoardRows; ++r)
    for (int c = 0; c < BoardColumns; ++c) EXPECT_FALSE(ListContains(empty, c, r));
  SegmentList list{{1, 1, 16}, {3, 4, 16}};
  EXPECT_TRUE(ListContains(list, 3, 4));
  EXPECT_FALSE(ListContains(list, 4, 3));
}

TEST(Model, FreshStateMatchesFirstShow) {
  GameState s;
  EXPECT_THAT((std::vector{s.Snake.size(), s.Walls.size(), s.DirectionQueue.size()}), ::testing::Each(0u));
  EXPECT_EQ(s.Blob, SnakeSegment(0, 0, BlobTile));
  EXPECT_EQ(s.InitialSnakeLength, 5);
  EXPECT_EQ(s.DisplayMode, Intro);
  EXPECT_FALSE(s.GameRunning);
  EXPECT_FALSE(s.StepInProgress);
}

TEST(Model, BuildSnakeLaysTailFirstInEveryDirection) {
  GameRig rig;
  auto built = [&rig](int column, int row, int direction) {
    rig.S().Snake.clear();
    rig.Game.BuildSnake(column, row, direction);
    return rig.S().Snake;
  };
  EXPECT_EQ(built(10, 10, Right), (SegmentList{{10, 10, 2}, {11, 10, 4}, {12, 10, 4}, {13, 10, 4}, {14, 10, 13}}));
  EXPECT_EQ(built(3, 2, Down), (SegmentList{{3, 2, 0}, {3, 3, 5}, {3, 4, 5}, {3, 5, 5}, {3, 6, 10}}));
  EXPECT_EQ(built(10, 5, Left), (SegmentList{{10, 5, 1}, {9, 5, 4}, {8, 5, 4}, {7, 5, 4}, {6, 5, 11}}));
  EXPECT_EQ(built(4, 11, Up), (SegmentList{{4, 11, 3}, {4, 10, 5}, {4, 9, 5}, {4, 8, 5}, {4, 7, 12}}));
}

TEST(Model, QueueKeepsOrder) {
  GameRig rig;
  for (int d : {Up, Left}) rig.Game.QueueDirection(d);
  EXPECT_THAT(rig.S().DirectionQueue, ::testing::ElementsAre(::testing::FieldsAre(Up), ::testing::FieldsAre(Left)));
}

TEST(Model, HeadNeckAndCrashTables) {
  for (auto [d, plain, swallowing] : {std::tuple{Down, 10, 20}, {Left, 11, 17}, {Right, 13, 19}, {Up, 12, 18}}) {
    EXPECT_EQ(PlainHeadTile(d), plain) << d;
    EXPECT_EQ(SwallowingHeadTile(d), swallowing) << d;
  }
  // {previous, current, neck, crashed head}
  const int table[][4] = {
      {Down, Down, 5, 24}, {Down, Left, 6, 29}, {Down, Right, 7, 30}, {Left, Down, 9, 32},
      {Left, Left, 4, 21}, {Left, Up, 7, 31},   {Right, Down, 8, 28}, {Right, Right, 4, 23},
      {Right, Up, 6, 27},  {Up, Left, 8, 25},   {Up, Right, 9, 26},   {Up, Up, 5, 22},
  };
  for (const auto& row : table) {
    EXPECT_EQ(NeckTile(row[0], row[1]), row[2]) << row[0] << "->" << row[1];
    EXPECT_EQ(CrashedHeadTile(row[0], row[1]), row[3]) << row[0] << "->" << row[1];
  }
}

TEST(Model, TailFollowsItsNextSegment) {
  // {next tile, next column, next row} relative to a tail at (5, 5)
  const struct {
    int tile, column, row, expected;
  } cases[] = {
      {4, 6, 5, 2}, {4, 4, 5, 1}, {5, 5, 4, 3}, {5, 5, 6, 0}, {6, 6, 5, 2}, {6, 5, 6, 0},
      {7, 4, 5, 1}, {7, 5, 6, 0}, {8, 6, 5, 2}, {8, 5, 4, 3}, {9, 4, 5, 1}, {9, 5, 4, 3},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TailTileAfterPlainMove({5, 5, 0}, {c.column, c.row, c.tile}), c.expected)
        << "next tile " << c.tile << " at " << c.column << "," << c.row;
}

}  // namespace
}  // namespace quorvane::testing
