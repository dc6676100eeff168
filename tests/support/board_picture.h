#pragma once

// The board read back off its picture, for window tests that see the game
// only as the player does.

#include <QImage>
#include <QPoint>
#include <algorithm>
#include <array>
#include <string>

#include "game/snake_game.h"
#include "support/game_invariants.h"
#include "support/tile_roles.h"
#include "widgets/qt_images.h"

namespace quorvane::testing {

using BoardTiles = std::array<int, BoardColumns * BoardRows>;

// Which tile each cell of the picture shows; -1 where it shows none, as on
// the intro. On a screen of scale n each tile pixel is an n x n block.
inline BoardTiles TilesInPicture(const QImage& picture) {
  const int scale = std::max(1, picture.width() / (BoardColumns * TileSize)), side = TileSize * scale;
  std::array<QImage, TileCount> tiles;
  for (int t = 0; t < TileCount; ++t)
    tiles[t] = ScaledByBlocks(TileImage(t), scale).convertToFormat(QImage::Format_RGB32);
  BoardTiles seen;
  for (int row = 0; row < BoardRows; ++row)
    for (int column = 0; column < BoardColumns; ++column) {
      QImage cell = picture.copy(column * side, row * side, side, side).convertToFormat(QImage::Format_RGB32);
      cell.setDevicePixelRatio(1);
      const auto match = std::find(tiles.begin(), tiles.end(), cell);
      seen[row * BoardColumns + column] = match == tiles.end() ? -1 : static_cast<int>(match - tiles.begin());
    }
  return seen;
}

// The cell showing the snake's head; (-1, -1) when none does.
inline QPoint HeadIn(const BoardTiles& tiles) {
  for (int i = 0; i < BoardColumns * BoardRows; ++i)
    if (IsHeadTile(tiles[i])) return {i % BoardColumns, i / BoardColumns};
  return {-1, -1};
}

// What the picture says of a running game, or "" when it shows one whole:
// the snake is followed from its head to its tail along the joints its tiles
// show, and then must keep every rule of a board between two steps, with
// every other cell a wall, the blob or empty.
inline std::string PictureFault(const BoardTiles& tiles) {
  const QPoint head = HeadIn(tiles);
  if (head.x() < 0) return "no head shown";
  const int headTile = tiles[head.y() * BoardColumns + head.x()];
  int moving = -1;
  for (int d : {Down, Left, Right, Up})
    if (headTile == PlainHeadFor(d) || headTile == SwallowingHeadFor(d)) moving = d;
  if (moving < 0) return "the head shows tile " + std::to_string(headTile) + ", no moving head";
  GameState s;
  for (int i = 0; i < BoardColumns * BoardRows; ++i) {
    const SnakeSegment item(i % BoardColumns, i / BoardColumns, tiles[i]);
    if (item.Tile == WallTile) s.Walls.push_back(item);
    if (item.Tile == BlobTile) s.Blob = item;
  }
  s.BlobOnBoard = std::ranges::count(tiles, BlobTile) > 0;
  SnakeSegment cell(head.x(), head.y(), headTile);
  for (int toTail = Opposite(moving); s.Snake.size() <= static_cast<size_t>(BoardColumns * BoardRows);) {
    s.Snake.insert(s.Snake.begin(), cell);
    if (IsTailTile(cell.Tile)) break;
    const int column = cell.Column + (toTail == Right) - (toTail == Left),
              row = cell.Row + (toTail == Down) - (toTail == Up);
    if (column < 0 || column >= BoardColumns || row < 0 || row >= BoardRows)
      return At("snake", cell) + " runs off the board";
    cell = SnakeSegment(column, row, tiles[row * BoardColumns + column]);
    if (IsTailTile(cell.Tile)) continue;
    int next = -1;
    for (int d : {Down, Left, Right, Up})
      if (d != Opposite(toTail) && BodyTileJoining(Opposite(toTail), d) == cell.Tile) next = d;
    if (next < 0) return At("snake", cell) + " does not join the segment towards the head";
    toTail = next;
  }
  s.PreviousDirection = moving;
  s.ForbiddenDirection = Opposite(moving);
  return BoardFault(s, &tiles);
}

}  // namespace quorvane::testing
