#include "shell/board_view.h"

#include <QPaintEvent>
#include <QPainter>

#include "game/direction.h"
#include "shell/intro_screen.h"
#include "widgets/qt_images.h"

namespace quorvane {

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent), image_(PaintBoxWidth, PaintBoxHeight, QImage::Format_RGB32) {
  setFixedSize(PaintBoxWidth, PaintBoxHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  image_.fill(Qt::black);
  for (int i = 0; i < TileCount; ++i)
    tiles_[static_cast<size_t>(i)] = TileImage(i).convertToFormat(QImage::Format_RGB32);
}

void TPaintBox::DrawCell(int column, int row, int tile) {
  if (tile < 0 || tile >= TileCount) return;
  const QImage& picture = tiles_[static_cast<size_t>(tile)];
  if (column < 0 || column >= BoardColumns || row < 0 || row >= BoardRows) return;
  const int x = CellSize * column, y = CellSize * row;
  // Copy the rows straight across: the tile and the image share a format.
  for (int line = 0; line < CellSize; ++line) {
    auto* target = reinterpret_cast<QRgb*>(image_.scanLine(y + line)) + x;
    const auto* source = reinterpret_cast<const QRgb*>(picture.constScanLine(line));
    std::copy(source, source + CellSize, target);
  }
  if (!repainting_) update(x, y, CellSize, CellSize);
}

void TPaintBox::ClearSurface() { image_.fill(Qt::black); }

void TPaintBox::DrawIntroScreen() {
  QPainter canvas(&image_);
  quorvane::DrawIntroScreen(canvas);
}

void TPaintBox::RepaintBoard() {
  // The whole box is shown again afterwards; no need to ask cell by cell.
  repainting_ = true;
  if (paintHandler_) paintHandler_();
  repainting_ = false;
  update();
}

void TPaintBox::DrawBlinkLine(const QColor& colour) {
  QRect box;
  {
    QPainter canvas(&image_);
    box = quorvane::DrawBlinkLine(canvas, colour);
  }
  update(box);
}

void TPaintBox::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.drawImage(event->rect(), image_, event->rect());
}

}  // namespace quorvane
