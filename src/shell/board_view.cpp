#include "shell/board_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "game/direction.h"
#include "shell/intro_screen.h"
#include "widgets/accessibility.h"
#include "widgets/qt_images.h"

namespace quorvane {

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent) {
  setFixedSize(BoardWidth, BoardHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAccessibleName(tr("Board"));
  SetAccessibleRole(this, QAccessible::Graphic);
  // A stop for the Tab key, so that a screen reader can be brought to the
  // board and read its description; the arrow keys steer wherever the focus is.
  setFocusPolicy(Qt::TabFocus);
  UseScale(ScreenScale());
}

int TPaintBox::ScreenScale() const {
  // Whole scales only: a fractional one (left by an explicit QT_SCALE_FACTOR)
  // gets the next larger picture, which the paint then shrinks.
  return std::max(1, static_cast<int>(std::ceil(devicePixelRatioF() - 0.01)));
}

void TPaintBox::UseScale(int scale) {
  if (scale == scale_) return;
  scale_ = scale;
  image_ = QImage(BoardWidth * scale, BoardHeight * scale, QImage::Format_RGB32);
  image_.setDevicePixelRatio(scale);
  image_.fill(Qt::black);
  blinkLooks_.clear();
  for (int i = 0; i < TileCount; ++i)
    tiles_[static_cast<size_t>(i)] = ScaledByBlocks(TileImage(i).convertToFormat(QImage::Format_RGB32), scale);
}

void TPaintBox::DrawCell(int column, int row, int tile) {
  if (tile < 0 || tile >= TileCount) return;
  const QImage& picture = tiles_[static_cast<size_t>(tile)];
  if (column < 0 || column >= BoardColumns || row < 0 || row >= BoardRows) return;
  const int x = TileSize * column, y = TileSize * row;
  const int side = TileSize * scale_;
  // Copy the rows straight across: the tile and the image share a format.
  for (int line = 0; line < side; ++line) {
    auto* target = reinterpret_cast<QRgb*>(image_.scanLine(y * scale_ + line)) + x * scale_;
    const auto* source = reinterpret_cast<const QRgb*>(picture.constScanLine(line));
    std::copy(source, source + side, target);
  }
  if (!repainting_) update(x, y, TileSize, TileSize);
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
  // Laying out and rasterising the text took milliseconds twice a second at
  // the intro; copying its rows takes microseconds.
  const QRgb rgb = colour.rgb();
  const auto look =
      std::find_if(blinkLooks_.begin(), blinkLooks_.end(), [rgb](const BlinkLook& l) { return l.Colour == rgb; });
  if (look == blinkLooks_.end()) {
    QRect box;
    {
      QPainter canvas(&image_);
      box = quorvane::DrawBlinkLine(canvas, colour) & rect();
    }
    const QRect pixels(box.topLeft() * scale_, box.size() * scale_);
    blinkLooks_.push_back({rgb, box, image_.copy(pixels)});
    update(box);
    return;
  }
  const QPoint origin = look->Box.topLeft() * scale_;
  const QImage& pixels = look->Pixels;
  for (int line = 0; line < pixels.height(); ++line) {
    const auto* source = reinterpret_cast<const QRgb*>(pixels.constScanLine(line));
    auto* target = reinterpret_cast<QRgb*>(image_.scanLine(origin.y() + line)) + origin.x();
    std::copy(source, source + pixels.width(), target);
  }
  update(look->Box);
}

void TPaintBox::SetDescription(const QString& text) {
  // Qt tells screen readers of the change itself.
  if (accessibleDescription() != text) setAccessibleDescription(text);
}

void TPaintBox::paintEvent(QPaintEvent* event) {
  if (const int scale = ScreenScale(); scale != scale_) {
    // Moved to a screen of another scale: the picture is made again there.
    UseScale(scale);
    repainting_ = true;
    if (paintHandler_) paintHandler_();
    repainting_ = false;
  }
  QPainter painter(this);
  const QRect area = event->rect();
  const QRect source(area.topLeft() * scale_, area.size() * scale_);
  painter.drawImage(area, image_, source);
}

}  // namespace quorvane
