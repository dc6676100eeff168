#pragma once

#include <cstdint>

#include "game/game_ports.h"
#include "game/game_state.h"

namespace quorvane {

// The game reads and writes the settings record but does not pass its
// layout on: users of the game include the settings themselves.
struct GameSettings;

// Everything outside the game that it talks to.
struct GamePorts {
  BoardSurface& Surface;
  GameControls& Controls;
  StepTimer& Timer;
  GameSounds& Sounds;
  GameOverQuestions& Questions;
  RandomSource& Random;
  TimeOfDayClock& Clock;
};

enum class PlacementRules { Blob, Wall };

// Virtual key codes the key filter understands.
enum GameKey : int { KeyEnter = 13, KeyLeft = 37, KeyUp = 38, KeyRight = 39, KeyDown = 40 };

// The game engine: the board model, one step per timer tick, starting,
// pausing and steering, the placement of walls and blob, and the drawing
// of the board. All of it runs on the user-interface thread.
class SnakeGame {
 public:
  SnakeGame(GameSettings& settings, const GamePorts& ports);

  GameState& State() { return state_; }
  const GameState& State() const { return state_; }

  // Model
  void QueueDirection(int direction);
  void BuildSnake(int tailColumn, int tailRow, int direction);

  // Placement. Gives false when no cell passes the rules; the item is then
  // left where it was and not drawn.
  bool PlaceItem(SnakeSegment& item, PlacementRules rules);
  int PocketCount(int column, int row) const;
  bool InHeadZone(int column, int row) const;

  // One move of the snake.
  void GameStep();

  // Game flow
  void NewGame();
  void Button2Click();  // New game button and menu command
  void Button3Click();  // Pause / resume
  void Pause1Click() { Button3Click(); }
  void RightButtonClick() { QueueDirection(Right); }
  void UpButtonClick() { QueueDirection(Up); }
  void DownButtonClick() { QueueDirection(Down); }
  void LeftButtonClick() { QueueDirection(Left); }
  void Game1Click();  // the Game menu is opening
  // A key-down with a virtual key code; true when the key is swallowed.
  bool FilterKeyMessage(int keyCode);

  // Drawing
  void DrawItems(const SegmentList& list);
  void PaintBox1Paint();

  // Empties the board between runs of the window: no game, no snake, walls
  // or queued turns, and the blob back at its starting cell.
  void ClearBoard();

 private:
  // The parts of one step, in the order GameStep runs them.
  void MoveOrGrow();
  void TakeQueuedTurn();
  bool TargetCellIsFree(int& column, int& row) const;
  bool MoveHead(int column, int row);
  void DrawMovedCells(const SnakeSegment& oldTail);
  void SwallowBlob();
  void ScoreStep();
  void GameOver();

  void LayOutSnake();
  void LayOutRandomStart();
  bool CustomStartFits() const;
  bool CellPasses(int column, int row, PlacementRules rules) const;
  void SetArrowButtonsEnabled(bool enabled);
  void DrawSegment(const SnakeSegment& segment);

  GameSettings& settings_;
  GamePorts ports_;
  GameState state_;
};

// Tile tables of the step, indexed by direction code (Down, Left, Right, Up).
int PlainHeadTile(int direction);
int SwallowingHeadTile(int direction);
int NeckTile(int previousDirection, int currentDirection);
int CrashedHeadTile(int previousDirection, int currentDirection);
// The tail's tile after a plain move, from its next segment.
int TailTileAfterPlainMove(const SnakeSegment& tail, const SnakeSegment& next);

}  // namespace quorvane
