#include "game/skill_levels.h"
#include "game/snake_game.h"
#include "settings/game_settings.h"

namespace quorvane {

SnakeGame::SnakeGame(GameSettings& settings, const GamePorts& ports) : settings_(settings), ports_(ports) {}

void SnakeGame::SetArrowButtonsEnabled(bool enabled) {
  for (GameControl c : {GameControl::RightSpeed, GameControl::DownSpeed, GameControl::UpSpeed, GameControl::LeftSpeed})
    ports_.Controls.SetControlEnabled(c, enabled);
}

void SnakeGame::NewGame() {
  GameState& s = state_;
  GameControls& controls = ports_.Controls;
  s.LastPlacedColumn = -1;
  s.LastPlacedRow = -1;
  SetArrowButtonsEnabled(true);
  controls.SetControlEnabled(GameControl::Button3, true);
  controls.SetControlEnabled(GameControl::Pause1, true);
  controls.SetBlinkTimerEnabled(false);
  s.DisplayMode = Board;
  s.Score = 0;
  s.HiScoreSoundPlayed = false;
  s.HiScoreAtStart = settings_.HiScore;
  s.InitialSnakeLength = StartSnakeLength;

  if (ApplySkillLevel(settings_, s, ports_.Timer)) {
    s.SkillApplied = true;
  } else if (!s.SkillApplied) {
    // A hand-edited level and no earlier game to inherit from: play Easy.
    ApplySkillPreset(EasyPreset, s, ports_.Timer);
    s.SkillApplied = true;
  }

  s.Snake.clear();
  s.Walls.clear();
  s.DirectionQueue.clear();
  LayOutSnake();

  s.PreviousDirection = s.DirectionQueue.front().Value;
  s.ForbiddenDirection = Opposite(s.PreviousDirection);
  s.StepInProgress = false;
  ports_.Timer.SetEnabled(true);
  s.BlobOnBoard = PlaceItem(s.Blob, PlacementRules::Blob);

  controls.SetStatusText(GameStatePanel, "");
  if (const char* name = SkillName(settings_.Level)) controls.SetStatusText(SkillLevelPanel, name);
  controls.SetPauseCaption("Pa&use");
  controls.SetPauseChecked(false);
  s.GameRunning = true;
}

bool SnakeGame::CustomStartFits() const {
  const int d = settings_.CustomDirection;
  if (d < Down || d > Up) return false;
  const int reach = state_.InitialSnakeLength - 1;
  const int tailColumn = settings_.CustomHPos, tailRow = settings_.CustomVPos;
  const int headColumn = tailColumn + (d == Right ? reach : d == Left ? -reach : 0);
  const int headRow = tailRow + (d == Down ? reach : d == Up ? -reach : 0);
  auto onBoard = [](int column, int row) {
    return column >= 0 && column < BoardColumns && row >= 0 && row < BoardRows;
  };
  return onBoard(tailColumn, tailRow) && onBoard(headColumn, headRow);
}

void SnakeGame::LayOutSnake() {
  const bool custom = settings_.Mode == CustomStart && CustomStartFits();
  if (settings_.Mode == RandomStart) {
    LayOutRandomStart();
  } else if (custom) {
    BuildSnake(settings_.CustomHPos, settings_.CustomVPos, settings_.CustomDirection);
    QueueDirection(settings_.CustomDirection);
  } else {
    // The default start, also for a hand-edited mode or custom start that
    // would put the snake off the board.
    QueueDirection(Right);
    BuildSnake(10, 10, Right);
  }
}

void SnakeGame::LayOutRandomStart() {
  GameState& s = state_;
  RandomSource& random = ports_.Random;
  s.InitialSnakeLength = StartSnakeLength;
  random.Reseed(ports_.Clock.MillisecondsSinceMidnight());
  const int direction = random.Random(4);
  QueueDirection(direction);
  const int length = s.InitialSnakeLength;
  int column = 0, row = 0;
  switch (direction) {
    case Down:
      column = random.Random(BoardColumns - 1);
      row = 0;
      break;
    case Up:
      column = random.Random(BoardColumns - 1);
      row = BoardRows - 1;
      break;
    case Left:
      do column = random.Random(BoardColumns);
      while (column < 2 * length || column > BoardColumns - 1 - length);
      row = random.Random(BoardRows - 1);
      break;
    default:
      do column = random.Random(BoardColumns);
      while (column < length || column > BoardColumns - 1 - 2 * length);
      row = random.Random(BoardRows - 1);
      break;
  }
  BuildSnake(column, row, direction);
}

void SnakeGame::ClearBoard() {
  GameState& s = state_;
  s.GameRunning = false;
  s.Snake.clear();
  s.Walls.clear();
  s.DirectionQueue.clear();
  s.Blob = SnakeSegment(0, 0, BlobTile);
  s.BlobOnBoard = false;
}

void SnakeGame::Button2Click() {
  NewGame();
  ports_.Surface.RepaintBoard();
  ports_.Controls.BoardChanged();
}

void SnakeGame::Button3Click() {
  StepTimer& timer = ports_.Timer;
  GameControls& controls = ports_.Controls;
  if (timer.Enabled()) {
    timer.SetEnabled(false);
    controls.SetPauseCaption("Res&ume");
    controls.SetPauseChecked(true);
    controls.SetStatusText(GameStatePanel, "Paused");
  } else {
    timer.SetEnabled(true);
    controls.SetPauseCaption("Pa&use");
    controls.SetPauseChecked(false);
    controls.SetStatusText(GameStatePanel, "");
  }
  SetArrowButtonsEnabled(timer.Enabled());
  controls.BoardChanged();
}

void SnakeGame::Game1Click() { ports_.Controls.SetControlEnabled(GameControl::Options1, !state_.GameRunning); }

bool SnakeGame::FilterKeyMessage(int keyCode) {
  if (!state_.GameRunning) return false;
  switch (keyCode) {
    case KeyUp: QueueDirection(Up); return true;
    case KeyLeft: QueueDirection(Left); return true;
    case KeyRight: QueueDirection(Right); return true;
    case KeyDown: QueueDirection(Down); return true;
    case KeyEnter: return true;
    default: return false;
  }
}

}  // namespace quorvane
