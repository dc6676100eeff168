#include "game/snake_game.h"

namespace quorvane {

void SnakeGame::DrawSegment(const SnakeSegment& segment) {
  ports_.Surface.DrawCell(segment.Column, segment.Row, segment.Tile);
}

void SnakeGame::DrawItems(const SegmentList& list) {
  for (const SnakeSegment& item : list) DrawSegment(item);
}

void SnakeGame::PaintBox1Paint() {
  BoardSurface& surface = ports_.Surface;
  surface.ClearSurface();
  if (state_.DisplayMode == Intro) {
    surface.DrawIntroScreen();
  } else if (state_.DisplayMode == Board) {
    // Tail first and head last, so the head shows where two entries meet.
    DrawItems(state_.Snake);
    DrawItems(state_.Walls);
    if (state_.BlobOnBoard) DrawSegment(state_.Blob);
  }
}

}  // namespace quorvane
