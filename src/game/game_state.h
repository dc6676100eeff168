#pragma once

#include "game/direction.h"
#include "game/snake_segment.h"
#include "game/tiles.h"

namespace quorvane {

enum DisplayModeValue : int { Intro = 1, Board = 2 };

// Everything the game keeps between steps. The best score and its holder
// live in GameSettings; the step interval lives in the step timer.
struct GameState {
  SegmentList Snake;  // index 0 is the tail, the last entry the head
  SegmentList Walls;
  SnakeSegment Blob{0, 0, BlobTile};
  // Off only when a full board left no cell for the blob; it is then
  // neither drawn nor eaten, and each step tries again.
  bool BlobOnBoard = false;
  DirectionList DirectionQueue;  // oldest first

  int CurrentDirection = 0;
  int PreviousDirection = 0;
  int ForbiddenDirection = 0;
  int InitialSnakeLength = StartSnakeLength;

  int MovesSinceGrowth = 0;
  int MovesPerGrowth = 0;
  int GrowthsSinceSpeedUp = 0;
  int GrowthsPerSpeedUp = 0;
  int IntervalFloor = 0;
  int SpeedUpStep = 0;
  int BlobsSinceWalls = 0;
  int BlobsPerWallAddition = 0;
  int WallsPerAddition = 0;

  int Score = 0;
  int HiScoreAtStart = 0;
  int PreviousHiScore = 0;
  bool HiScoreSoundPlayed = false;
  int LastPlacedColumn = 0;
  int LastPlacedRow = 0;

  bool SkillApplied = false;  // a preset has been applied in this run

  bool GameRunning = false;
  bool StepInProgress = false;
  int DisplayMode = Intro;
};

}  // namespace quorvane
