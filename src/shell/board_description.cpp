#include "shell/board_description.h"

#include <QStringList>
#include <cstdlib>

#include "game/direction.h"
#include "shell/intro_screen.h"

namespace quorvane {

namespace {

QString DirectionName(int direction) {
  switch (direction) {
    case Down: return QStringLiteral("down");
    case Left: return QStringLiteral("left");
    case Right: return QStringLiteral("right");
    case Up: return QStringLiteral("up");
    default: return QStringLiteral("nowhere");
  }
}

QString Cells(int count) { return count == 1 ? QStringLiteral("1 cell") : QStringLiteral("%1 cells").arg(count); }

// "3 cells right and 1 cell up", from the head to the blob.
QString BlobFromHead(const GameState& s) {
  const SnakeSegment& head = s.Snake.back();
  const int across = s.Blob.Column - head.Column, down = s.Blob.Row - head.Row;
  QStringList parts;
  if (across != 0) parts << Cells(std::abs(across)) + (across > 0 ? QStringLiteral(" right") : QStringLiteral(" left"));
  if (down != 0) parts << Cells(std::abs(down)) + (down > 0 ? QStringLiteral(" down") : QStringLiteral(" up"));
  if (parts.isEmpty()) return QStringLiteral("The blob is under the head.");
  return QStringLiteral("The blob is %1 of the head.").arg(parts.join(QStringLiteral(" and ")));
}

}  // namespace

QString DescribeBoard(const GameState& s, bool paused) {
  if (s.DisplayMode == Intro || s.Snake.empty()) {
    QStringList lines;
    for (int i = 0; i < IntroLineCount; ++i) lines << QString::fromLatin1(IntroLines()[i].Text) + u'.';
    return lines.join(u' ');
  }
  const QString score = QStringLiteral("Score %1.").arg(s.Score);
  const QString length = QStringLiteral("The snake is %1 long").arg(Cells(static_cast<int>(s.Snake.size())));
  if (!s.GameRunning) return QStringLiteral("Game over. %1 %2.").arg(score, length);
  QString text = QStringLiteral("%1. %2 %3, heading %4.")
                     .arg(paused ? QStringLiteral("Paused") : QStringLiteral("Playing"), score, length,
                          DirectionName(s.PreviousDirection));
  if (s.BlobOnBoard) text += u' ' + BlobFromHead(s);
  if (!s.Walls.empty()) text += QStringLiteral(" Walls: %1.").arg(s.Walls.size());
  return text;
}

}  // namespace quorvane
