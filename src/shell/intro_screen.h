#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QPainter;

namespace quorvane {

// The pixel size of a font given in points, on the 96 dots per inch the
// layout is made for: 20 points are 27 pixels, 15 points 20.
int PointsToPixels(int points);

// Draws one line centred on the board-wide paint box with its top-left corner
// at (left, top), opaque on black, in the painter's pen colour. Gives the
// rectangle it covered, which holds every pixel of the line's letters.
QRect DrawCentredText(QPainter& canvas, const QString& fontName, int sizePoints, int top, const QString& text);

struct IntroLine {
  const char* Text;
  int SizePoints;
  QColor Colour;
  int Top;
};

// The five lines in drawing order; the last one blinks.
const IntroLine* IntroLines();
// A line's text in the player's language.
QString IntroLineText(int line);
constexpr int IntroLineCount = 5;
constexpr const char* IntroFont = "Arial";

// All five lines over a surface already filled black.
void DrawIntroScreen(QPainter& canvas);

// The blinking last line, in the given colour. Gives its rectangle.
QRect DrawBlinkLine(QPainter& canvas, const QColor& colour);

}  // namespace quorvane
