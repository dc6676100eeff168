// A million steps of games through the real engine and flow, driven by
// random keys, pauses, new games and answers, with every board rule
// checked after every step.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <random>

#include "support/game_fakes.h"
#include "support/game_invariants.h"

namespace quorvane::testing {
namespace {

constexpr long kSoakSteps = 1'000'000;

class Soak {
 public:
  Soak() {
    rig_.QuietButKeepCells();
    rig_.Questions.DuringPlayAgain = [this] { GameOver(); };
  }

  void Run(long steps) {
    while (steps_ < steps && !::testing::Test::HasFailure()) Tick();
    RecordGameSummary();
  }

 private:
  int Roll(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

  // Every level and start, and custom values from gentle to crowded. A
  // custom start that does not fit falls back to the default one.
  void ShuffleSettings() {
    GameSettings& s = rig_.Settings;
    s.Level = 1 + Roll(4);
    s.Mode = Roll(3);
    s.CustomDirection = Roll(4);
    s.CustomHPos = Roll(BoardColumns);
    s.CustomVPos = Roll(BoardRows);
    s.MoveMax = Roll(12);
    s.MaxMax = 1 + Roll(5);
    s.WallMax = 1 + Roll(3);
    s.WallNum = 1 + Roll(6);
    s.SnakeSpeed = 30 + Roll(271);
    careful_ = Roll(3) != 0;
  }

  void StartOver() {
    ShuffleSettings();
    rig_.Game.Button2Click();
    BeginGame();
  }

  void BeginGame() {
    moves_ = blobs_ = 0;
    ++games_;
    ASSERT_EQ(BoardFault(rig_.S(), &rig_.Surface.Cells), "") << "new game " << games_;
  }

  // Runs inside the game-over sequence, while the question is open.
  void GameOver() {
    gameOver_ = true;
    crashFault_ = CrashFault(rig_.S());
    const bool again = Roll(3) != 0;
    if (again) ShuffleSettings();
    answeredYes_ = again;
    rig_.Questions.PlayAgainAnswers.assign(1, again);
  }

  // What a player might do before the next tick, then the tick itself.
  void Tick() {
    GameState& s = rig_.S();
    if (!s.GameRunning) return StartOver();
    // A careful player mostly heads for the blob; a wild one hits keys.
    const int roll = Roll(1000);
    if (roll < (careful_ ? 900 : 550)) {
      if (s.DirectionQueue.empty()) SteerToAFreeCell();
    } else if (roll < (careful_ ? 960 : 950)) {
      for (int presses = Roll(3); presses > 0; --presses) rig_.Game.FilterKeyMessage(KeyLeft + Roll(4));
    } else if (roll < 975) {
      rig_.Game.FilterKeyMessage(KeyEnter);
    } else if (roll < 999) {
      rig_.Game.Button3Click();  // pause; the timer stops until resumed
    } else if (Roll(4) == 0) {
      return StartOver();  // new game in the middle of one
    }
    if (!rig_.Timer.Enabled()) {
      if (Roll(4) == 0) rig_.Game.Button3Click();
      return;  // no tick while paused
    }
    Step();
  }

  // Never into something if it can be helped; towards the blob or straight
  // on, sometimes a turn: games then last long enough to crowd the board.
  void SteerToAFreeCell() {
    const GameState& s = rig_.S();
    const SnakeSegment& head = s.Snake.back();
    std::array<bool, BoardColumns * BoardRows> taken{};
    for (size_t i = 1; i < s.Snake.size(); ++i) taken[s.Snake[i].Row * BoardColumns + s.Snake[i].Column] = true;
    for (const SnakeSegment& w : s.Walls) taken[w.Row * BoardColumns + w.Column] = true;
    int free[4], distance[4], count = 0;
    bool straightFree = false;
    for (int d = Down; d <= Up; ++d) {
      if (d == s.ForbiddenDirection) continue;
      const int column = head.Column + (d == Right) - (d == Left), row = head.Row + (d == Down) - (d == Up);
      if (column < 0 || column >= BoardColumns || row < 0 || row >= BoardRows || taken[row * BoardColumns + column])
        continue;
      straightFree = straightFree || d == s.PreviousDirection;
      distance[count] = std::abs(column - s.Blob.Column) + std::abs(row - s.Blob.Row);
      free[count++] = d;
    }
    if (count == 0) return;
    int choice = free[Roll(count)];
    if (careful_ && s.BlobOnBoard && Roll(5) != 0) {
      for (int i = 0; i < count; ++i)
        if (distance[i] < distance[0]) std::swap(distance[i], distance[0]), std::swap(free[i], free[0]);
      choice = free[0];
    } else if (straightFree && Roll(4) != 0) {
      return;
    }
    constexpr int kKey[] = {KeyDown, KeyLeft, KeyRight, KeyUp};  // by direction
    if (choice != s.PreviousDirection) rig_.Game.FilterKeyMessage(kKey[choice]);
  }

  void Step() {
    GameState& s = rig_.S();
    const SnakeSegment blob = s.Blob;
    const bool blobThere = s.BlobOnBoard;
    const size_t wallsBefore = s.Walls.size();
    gameOver_ = false;
    rig_.Game.GameStep();
    ++steps_;
    ASSERT_FALSE(s.StepInProgress) << "step " << steps_;
    if (gameOver_) {
      ASSERT_EQ(crashFault_, "") << "step " << steps_;
      ++crashes_;
      if (answeredYes_) {
        ASSERT_TRUE(s.GameRunning && rig_.Timer.Enabled());
        BeginGame();
      } else {
        ASSERT_TRUE(!s.GameRunning && s.DisplayMode == Intro && !rig_.Timer.Enabled());
      }
      return;
    }
    ++moves_;
    const SnakeSegment& head = s.Snake.back();
    const bool eaten = blobThere && head.IsAt(blob.Column, blob.Row);
    blobs_ += eaten;
    totalBlobs_ += eaten;
    ASSERT_EQ(s.Score, 10 * moves_ + 100 * blobs_) << "step " << steps_;
    ASSERT_GE(rig_.Settings.HiScore, s.Score);
    ASSERT_EQ(s.Snake.size(), static_cast<size_t>(5 + moves_ / (s.MovesPerGrowth + 1))) << "step " << steps_;
    ASSERT_EQ(head.Tile, eaten ? SwallowingHeadFor(s.PreviousDirection) : PlainHeadFor(s.PreviousDirection));
    ASSERT_GE(s.Walls.size(), wallsBefore);
    if (s.Walls.size() > wallsBefore) {
      ASSERT_TRUE(eaten) << "walls come only with a blob";
      ASSERT_LE(s.Walls.size() - wallsBefore, static_cast<size_t>(s.WallsPerAddition));
    }
    ASSERT_EQ(BoardFault(s, &rig_.Surface.Cells), "") << "step " << steps_ << " of game " << games_;
    longestSnake_ = std::max(longestSnake_, s.Snake.size());
    mostWalls_ = std::max(mostWalls_, s.Walls.size());
  }

  void RecordGameSummary() const {
    ::testing::Test::RecordProperty("steps", static_cast<int>(steps_));
    ::testing::Test::RecordProperty("games", games_);
    ::testing::Test::RecordProperty("blobs", totalBlobs_);
    ::testing::Test::RecordProperty("longest_snake", static_cast<int>(longestSnake_));
    ::testing::Test::RecordProperty("most_walls", static_cast<int>(mostWalls_));
  }

 public:
  GameRig rig_;
  std::mt19937 rng_{2026};
  long steps_ = 0;
  int moves_ = 0, blobs_ = 0, games_ = 0, crashes_ = 0, totalBlobs_ = 0;
  size_t longestSnake_ = 0, mostWalls_ = 0;
  bool gameOver_ = false, answeredYes_ = false, careful_ = false;
  std::string crashFault_;
};

TEST(Invariants, HoldThroughAMillionStepsOfRandomPlay) {
  const auto start = std::chrono::steady_clock::now();
  Soak soak;
  soak.Run(kSoakSteps);
  ASSERT_FALSE(::testing::Test::HasFailure());
  EXPECT_EQ(soak.steps_, kSoakSteps);
  // The random player must have met what the rules are about: crashes of
  // every kind, eaten blobs, walls and a crowded board.
  EXPECT_GT(soak.crashes_, 1000);
  EXPECT_GT(soak.totalBlobs_, 10000);
  EXPECT_GE(soak.longestSnake_, 60u);
  EXPECT_GE(soak.mostWalls_, 30u);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%ld steps, %d games, %d blobs, longest snake %zu, most walls %zu, %.1f s\n", soak.steps_, soak.games_,
              soak.totalBlobs_, soak.longestSnake_, soak.mostWalls_, seconds);
}

}  // namespace
}  // namespace quorvane::testing
