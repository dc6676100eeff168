#include "shell/board_description.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdlib>

#include "game/direction.h"
#include "shell/intro_screen.h"

namespace quorvane {

namespace {

QString DirectionName(int direction) {
  switch (direction) {
    case Down: return QCoreApplication::translate("quorvane::BoardDescription", "down");
    case Left: return QCoreApplication::translate("quorvane::BoardDescription", "left");
    case Right: return QCoreApplication::translate("quorvane::BoardDescription", "right");
    case Up: return QCoreApplication::translate("quorvane::BoardDescription", "up");
    default: return QCoreApplication::translate("quorvane::BoardDescription", "nowhere");
  }
}

// Polish and Russian choose the noun's form by the number ("2 pola", "5 pól"),
// so the count goes to the translation; English keeps its "1 cell".
QString Cells(int count) {
  return count == 1 ? QCoreApplication::translate("quorvane::BoardDescription", "1 cell")
                    : QCoreApplication::translate("quorvane::BoardDescription", "%n cells", nullptr, count);
}

// "3 cells right and 1 cell up", from the head to the blob.
QString BlobFromHead(const GameState& s) {
  const SnakeSegment& head = s.Snake.back();
  const int across = s.Blob.Column - head.Column, down = s.Blob.Row - head.Row;
  QStringList parts;
  if (across != 0)
    parts << (across > 0 ? QCoreApplication::translate("quorvane::BoardDescription", "%1 right")
                         : QCoreApplication::translate("quorvane::BoardDescription", "%1 left"))
                 .arg(Cells(std::abs(across)));
  if (down != 0)
    parts << (down > 0 ? QCoreApplication::translate("quorvane::BoardDescription", "%1 down")
                       : QCoreApplication::translate("quorvane::BoardDescription", "%1 up"))
                 .arg(Cells(std::abs(down)));
  if (parts.isEmpty()) return QCoreApplication::translate("quorvane::BoardDescription", "The blob is under the head.");
  return QCoreApplication::translate("quorvane::BoardDescription", "The blob is %1 of the head.")
      .arg(parts.join(QCoreApplication::translate("quorvane::BoardDescription", " and ")));
}

// A line of the intro said as a sentence, with the language's own full stop.
QString Sentence(const QString& line) {
  return QCoreApplication::translate("quorvane::BoardDescription", "%1.",
                                     "a line of the intro screen, said as a sentence")
      .arg(line);
}

// Sentences said one after another, with what the language puts between
// them (Chinese puts nothing after its "。").
QString Joined(const QStringList& sentences) {
  QString text;
  for (const QString& sentence : sentences)
    text = text.isEmpty() ? sentence
                          : QCoreApplication::translate("quorvane::BoardDescription", "%1 %2",
                                                        "two sentences said one after the other")
                                .arg(text, sentence);
  return text;
}

}  // namespace

QString DescribeBoard(const GameState& s, bool paused) {
  if (s.DisplayMode == Intro || s.Snake.empty()) {
    QStringList lines;
    for (int i = 0; i < IntroLineCount; ++i) lines << Sentence(IntroLineText(i));
    return Joined(lines);
  }
  const QString score = QCoreApplication::translate("quorvane::BoardDescription", "Score %1.").arg(s.Score);
  const QString length = QCoreApplication::translate("quorvane::BoardDescription", "The snake is %1 long")
                             .arg(Cells(static_cast<int>(s.Snake.size())));
  if (!s.GameRunning)
    return QCoreApplication::translate("quorvane::BoardDescription", "Game over. %1 %2.").arg(score, length);
  QString text = QCoreApplication::translate("quorvane::BoardDescription", "%1. %2 %3, heading %4.")
                     .arg(paused ? QCoreApplication::translate("quorvane::BoardDescription", "Paused")
                                 : QCoreApplication::translate("quorvane::BoardDescription", "Playing"),
                          score, length, DirectionName(s.PreviousDirection));
  if (s.BlobOnBoard) text = Joined({text, BlobFromHead(s)});
  if (!s.Walls.empty())
    text += QCoreApplication::translate("quorvane::BoardDescription", " Walls: %1.").arg(s.Walls.size());
  return text;
}

}  // namespace quorvane
