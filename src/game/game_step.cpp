#include <string>

#include "game/snake_game.h"
#include "settings/game_settings.h"

namespace quorvane {

void SnakeGame::GameStep() {
  GameState& s = state_;
  // Modal dialogs of the game-over sequence keep the message loop running,
  // so a tick can arrive while a step is still under way.
  if (s.StepInProgress) return;
  s.StepInProgress = true;

  const SnakeSegment oldTail = s.Snake.front();
  MoveOrGrow();
  TakeQueuedTurn();
  int column = 0, row = 0;
  if (!TargetCellIsFree(column, row)) {
    GameOver();
    s.StepInProgress = false;
    ports_.Controls.BoardChanged();
    return;
  }
  const bool swallowed = MoveHead(column, row);
  DrawMovedCells(oldTail);
  s.PreviousDirection = s.CurrentDirection;
  s.ForbiddenDirection = Opposite(s.CurrentDirection);
  if (swallowed) {
    SwallowBlob();
  } else if (!s.BlobOnBoard) {
    // The board had no room for the blob; the snake has moved, so try again.
    s.BlobOnBoard = PlaceItem(s.Blob, PlacementRules::Blob);
  }
  ScoreStep();
  s.StepInProgress = false;
  ports_.Controls.BoardChanged();
}

// The body follows the head, so the tail leaves its cell; or, every
// MovesPerGrowth + 1 steps, the snake keeps its tail and grows by one, and
// every GrowthsPerSpeedUp growths the steps come faster down to a floor.
void SnakeGame::MoveOrGrow() {
  GameState& s = state_;
  if (s.MovesSinceGrowth < s.MovesPerGrowth) {
    for (size_t i = 0; i + 1 < s.Snake.size(); ++i) s.Snake[i].Assign(s.Snake[i + 1]);
    s.Snake[0].Tile = TailTileAfterPlainMove(s.Snake[0], s.Snake[1]);
    ++s.MovesSinceGrowth;
    return;
  }
  s.Snake.push_back(s.Snake.back());
  s.MovesSinceGrowth = 0;
  ++s.GrowthsSinceSpeedUp;
  if (s.GrowthsSinceSpeedUp == s.GrowthsPerSpeedUp) {
    s.GrowthsSinceSpeedUp = 0;
    StepTimer& timer = ports_.Timer;
    if (timer.Interval() > s.IntervalFloor) timer.SetInterval(static_cast<uint16_t>(timer.Interval() - s.SpeedUpStep));
  }
}

// One queued turn per step, oldest first; a turn back onto the body is
// dropped. The arrow that would reverse the snake is disabled.
void SnakeGame::TakeQueuedTurn() {
  GameState& s = state_;
  if (!s.DirectionQueue.empty()) {
    const int wanted = s.DirectionQueue.front().Value;
    if (wanted != s.ForbiddenDirection) s.CurrentDirection = wanted;
    s.DirectionQueue.pop_front();
  }
  if (s.CurrentDirection == s.PreviousDirection) return;
  const int blocked = Opposite(s.CurrentDirection);
  GameControls& controls = ports_.Controls;
  controls.SetControlEnabled(GameControl::DownSpeed, blocked != Down);
  controls.SetControlEnabled(GameControl::LeftSpeed, blocked != Left);
  controls.SetControlEnabled(GameControl::RightSpeed, blocked != Right);
  controls.SetControlEnabled(GameControl::UpSpeed, blocked != Up);
}

// The cell ahead of the head, and whether the head may go there: not off the
// board, not into the snake, not into a wall.
bool SnakeGame::TargetCellIsFree(int& column, int& row) const {
  const GameState& s = state_;
  const SnakeSegment& head = s.Snake.back();
  column = head.Column;
  row = head.Row;
  bool offBoard = false;
  switch (s.CurrentDirection) {
    case Left:
      offBoard = head.Column <= 0;
      --column;
      break;
    case Right:
      offBoard = head.Column >= BoardColumns - 1;
      ++column;
      break;
    case Up:
      offBoard = head.Row <= 0;
      --row;
      break;
    default:
      offBoard = head.Row >= BoardRows - 1;
      ++row;
      break;
  }
  return !offBoard && !ListContains(s.Snake, column, row) && !ListContains(s.Walls, column, row);
}

// Puts the head on its new cell with the tiles of the turn; true when it
// lands on the blob, which it then shows swallowing.
bool SnakeGame::MoveHead(int column, int row) {
  GameState& s = state_;
  SnakeSegment& head = s.Snake.back();
  head.Column = column;
  head.Row = row;
  head.Tile = PlainHeadTile(s.CurrentDirection);
  s.Snake[s.Snake.size() - 2].Tile = NeckTile(s.PreviousDirection, s.CurrentDirection);
  const bool swallowed = s.BlobOnBoard && head.IsAt(s.Blob.Column, s.Blob.Row);
  if (swallowed) head.Tile = SwallowingHeadTile(s.CurrentDirection);
  return swallowed;
}

// Only the cells a step changes are drawn: the emptied cell, the tail, the
// head and the neck.
void SnakeGame::DrawMovedCells(const SnakeSegment& oldTail) {
  const GameState& s = state_;
  ports_.Surface.DrawCell(oldTail.Column, oldTail.Row, EmptyTile);
  DrawSegment(s.Snake.front());
  DrawSegment(s.Snake.back());
  DrawSegment(s.Snake[s.Snake.size() - 2]);
}

// A blob is worth 100; every BlobsPerWallAddition blobs add walls, and the
// blob goes to a new cell.
void SnakeGame::SwallowBlob() {
  GameState& s = state_;
  s.Score += 100;
  if (settings_.PlayBall) ports_.Sounds.PlaySoundImage(GameSound::Blob);
  if (s.BlobsSinceWalls == s.BlobsPerWallAddition - 1) {
    for (int i = 0; i < s.WallsPerAddition; ++i) {
      // The new wall waits at (0, 0) while it is placed, so that cell never
      // gets a wall.
      s.Walls.emplace_back(0, 0, WallTile);
      if (!PlaceItem(s.Walls.back(), PlacementRules::Wall)) s.Walls.pop_back();
    }
    s.BlobsSinceWalls = 0;
  } else {
    ++s.BlobsSinceWalls;
  }
  s.BlobOnBoard = PlaceItem(s.Blob, PlacementRules::Blob);
}

// Every step is worth 10. Passing the best score raises it at once, with a
// sound the first time in a game when there was a best score to beat.
void SnakeGame::ScoreStep() {
  GameState& s = state_;
  s.Score += 10;
  if (s.Score > settings_.HiScore) {
    settings_.HiScore = s.Score;
    if (!s.HiScoreSoundPlayed && s.PreviousHiScore != 0 && settings_.PlayHiScore) {
      ports_.Sounds.PlaySoundImage(GameSound::HiScore);
      s.HiScoreSoundPlayed = true;
    }
  }
  ports_.Controls.SetStatusText(ScorePanel, "Score : " + std::to_string(s.Score));
  ports_.Controls.SetStatusText(HiScorePanel, "Hi : " + std::to_string(settings_.HiScore));
}

void SnakeGame::GameOver() {
  GameState& s = state_;
  s.GameRunning = false;
  SnakeSegment& head = s.Snake.back();
  head.Tile = CrashedHeadTile(s.PreviousDirection, s.CurrentDirection);
  DrawSegment(head);
  s.PreviousHiScore = settings_.HiScore;
  if (settings_.PlayGameOver) ports_.Sounds.PlaySoundImage(GameSound::GameOver);
  ports_.Timer.SetEnabled(false);
  ports_.Controls.SetStatusText(GameStatePanel, "Game over");
  // The questions come up over a board that already says the game is over.
  ports_.Controls.BoardChanged();

  if (settings_.HiScore > s.HiScoreAtStart) {
    std::string name = ports_.Questions.AskHiScoreName(settings_.HiScore);
    s.HiScoreAtStart = settings_.HiScore;
    settings_.HiName = std::move(name);
  }

  if (ports_.Questions.AskPlayAgain()) {
    NewGame();
    ports_.Surface.RepaintBoard();
  } else {
    SetArrowButtonsEnabled(false);
    ports_.Controls.SetControlEnabled(GameControl::Button3, false);
    ports_.Controls.SetControlEnabled(GameControl::Pause1, false);
    s.DisplayMode = Intro;
    ports_.Controls.SetBlinkTimerEnabled(true);
    ports_.Surface.RepaintBoard();
  }
}

}  // namespace quorvane
