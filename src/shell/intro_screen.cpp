#include "shell/intro_screen.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include "game/board.h"
#include "product/product.h"

namespace quorvane {

int PointsToPixels(int points) { return (points * 96 + 36) / 72; }

QRect DrawCentredText(QPainter& canvas, const QString& fontName, int sizePoints, int top, const QString& text) {
  QFont font(fontName);
  font.setPixelSize(PointsToPixels(sizePoints));
  font.setWeight(QFont::Normal);
  font.setItalic(false);
  canvas.setFont(font);
  const QFontMetrics metrics(font);
  const int width = metrics.horizontalAdvance(text);
  const int left = (BoardWidth - width) / 2;
  // The text's cell, grown to every pixel its letters may touch: on a
  // high-density screen the edges of a letter can reach past the cell, and
  // what the fill does not cover a redraw in another colour would not cover.
  const QRectF ink = QFontMetricsF(font).boundingRect(text).translated(left, top + metrics.ascent());
  const QRect box = QRect(left, top, width, metrics.height()).united(ink.toAlignedRect().adjusted(-1, -1, 1, 1));
  canvas.fillRect(box, Qt::black);
  canvas.drawText(left, top + metrics.ascent(), text);
  return box;
}

const IntroLine* IntroLines() {
  static const IntroLine lines[IntroLineCount] = {
      {ProductName, 20, QColor(0, 255, 0), 10},
      {QT_TRANSLATE_NOOP("quorvane::IntroScreen", "Use cursor keys to move"), 15, QColor(255, 0, 255), 60},
      {QT_TRANSLATE_NOOP("quorvane::IntroScreen", "Collect the blue blobs"), 15, QColor(0, 0, 255), 100},
      {QT_TRANSLATE_NOOP("quorvane::IntroScreen", "Avoid the walls"), 15, QColor(255, 0, 0), 140},
      {QT_TRANSLATE_NOOP("quorvane::IntroScreen", "Click New Game to play"), 15, QColor(255, 255, 0), 190},
  };
  return lines;
}

// The first line is the game's name, the same in every language.
QString IntroLineText(int line) {
  const char* text = IntroLines()[line].Text;
  return line == 0 ? QString::fromLatin1(text) : QCoreApplication::translate("quorvane::IntroScreen", text);
}

void DrawIntroScreen(QPainter& canvas) {
  for (int i = 0; i < IntroLineCount; ++i) {
    const IntroLine& line = IntroLines()[i];
    canvas.setPen(line.Colour);
    DrawCentredText(canvas, IntroFont, line.SizePoints, line.Top, IntroLineText(i));
  }
}

QRect DrawBlinkLine(QPainter& canvas, const QColor& colour) {
  const IntroLine& line = IntroLines()[IntroLineCount - 1];
  canvas.setPen(colour);
  return DrawCentredText(canvas, IntroFont, line.SizePoints, line.Top, IntroLineText(IntroLineCount - 1));
}

}  // namespace quorvane
