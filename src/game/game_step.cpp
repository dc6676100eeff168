#include <string>

#include "game/snake_game.h"

namespace quorvane {

void SnakeGame::GameStep() {
  GameState& s = state_;
  // Modal dialogs of the game-over sequence keep the message loop running,
  // so a tick can arrive while a step is still under way.
  if (s.StepInProgress) return;
  s.StepInProgress = true;

  const int oldTailColumn = s.Snake.front().Column;
  const int oldTailRow = s.Snake.front().Row;

  if (s.MovesSinceGrowth < s.MovesPerGrowth) {
    for (size_t i = 0; i + 1 < s.Snake.size(); ++i) s.Snake[i].Assign(s.Snake[i + 1]);
    s.Snake[0].Tile = TailTileAfterPlainMove(s.Snake[0], s.Snake[1]);
    ++s.MovesSinceGrowth;
  } else {
    s.Snake.push_back(s.Snake.back());
    s.MovesSinceGrowth = 0;
    ++s.GrowthsSinceSpeedUp;
    if (s.GrowthsSinceSpeedUp == s.GrowthsPerSpeedUp) {
      s.GrowthsSinceSpeedUp = 0;
      StepTimer& timer = ports_.Timer;
      if (timer.Interval() > s.IntervalFloor)
        timer.SetInterval(static_cast<uint16_t>(timer.Interval() - s.SpeedUpStep));
    }
  }

  if (!s.DirectionQueue.empty()) {
    const int wanted = s.DirectionQueue.front().Value;
    if (wanted != s.ForbiddenDirection) s.CurrentDirection = wanted;
    s.DirectionQueue.pop_front();
  }

  if (s.CurrentDirection != s.PreviousDirection) {
    const int blocked = Opposite(s.CurrentDirection);
    GameControls& controls = ports_.Controls;
    controls.SetControlEnabled(GameControl::DownSpeed, blocked != Down);
    controls.SetControlEnabled(GameControl::LeftSpeed, blocked != Left);
    controls.SetControlEnabled(GameControl::RightSpeed, blocked != Right);
    controls.SetControlEnabled(GameControl::UpSpeed, blocked != Up);
  }

  SnakeSegment& head = s.Snake.back();
  int targetColumn = head.Column;
  int targetRow = head.Row;
  bool crash = false;
  switch (s.CurrentDirection) {
    case Left:
      crash = head.Column <= 0;
      --targetColumn;
      break;
    case Right:
      crash = head.Column >= BoardColumns - 1;
      ++targetColumn;
      break;
    case Up:
      crash = head.Row <= 0;
      --targetRow;
      break;
    default:
      crash = head.Row >= BoardRows - 1;
      ++targetRow;
      break;
  }
  crash = crash || ListContains(s.Snake, targetColumn, targetRow) || ListContains(s.Walls, targetColumn, targetRow);

  if (crash) {
    GameOver();
    s.StepInProgress = false;
    return;
  }

  head.Column = targetColumn;
  head.Row = targetRow;
  head.Tile = PlainHeadTile(s.CurrentDirection);
  SnakeSegment& neck = s.Snake[s.Snake.size() - 2];
  neck.Tile = NeckTile(s.PreviousDirection, s.CurrentDirection);

  const bool eaten = blobOnBoard_ && head.IsAt(s.Blob.Column, s.Blob.Row);
  if (eaten) head.Tile = SwallowingHeadTile(s.CurrentDirection);

  BoardSurface& surface = ports_.Surface;
  surface.DrawCell(oldTailColumn, oldTailRow, EmptyTile);
  DrawSegment(s.Snake.front());
  DrawSegment(head);
  DrawSegment(neck);

  s.PreviousDirection = s.CurrentDirection;
  s.ForbiddenDirection = Opposite(s.CurrentDirection);

  if (eaten) {
    s.Score += 100;
    if (settings_.PlayBall) ports_.Sounds.PlaySoundImage(GameSound::Blob);
    if (s.BlobsSinceWalls == s.BlobsPerWallAddition - 1) {
      for (int i = 0; i < s.WallsPerAddition; ++i) {
        // The new wall waits at (0, 0) while it is placed, so that cell
        // never gets a wall.
        s.Walls.emplace_back(0, 0, WallTile);
        if (!PlaceItem(s.Walls.back(), PlacementRules::Wall)) s.Walls.pop_back();
      }
      s.BlobsSinceWalls = 0;
    } else {
      ++s.BlobsSinceWalls;
    }
    blobOnBoard_ = PlaceItem(s.Blob, PlacementRules::Blob);
  } else if (!blobOnBoard_) {
    // The board had no room for the blob; the snake has moved, so try again.
    blobOnBoard_ = PlaceItem(s.Blob, PlacementRules::Blob);
  }

  s.Score += 10;
  if (s.Score > settings_.HiScore) {
    settings_.HiScore = s.Score;
    if (!s.HiScoreSoundPlayed && s.PreviousHiScore != 0 && settings_.PlayHiScore) {
      ports_.Sounds.PlaySoundImage(GameSound::HiScore);
      s.HiScoreSoundPlayed = true;
    }
  }
  ports_.Controls.SetStatusText(1, "Score : " + std::to_string(s.Score));
  ports_.Controls.SetStatusText(2, "Hi : " + std::to_string(settings_.HiScore));

  s.StepInProgress = false;
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
  ports_.Controls.SetStatusText(0, "Game over");

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
