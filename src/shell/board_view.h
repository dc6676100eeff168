#pragma once

#include <QImage>
#include <QWidget>
#include <array>
#include <functional>

#include "game/game_ports.h"
#include "game/tiles.h"

namespace quorvane {

// The 400 x 240 board surface. Qt paints widgets only inside their paint
// event, so the picture is kept in an image: drawing a cell changes the
// image and asks for that cell alone to be shown again, and the paint event
// shows the image.
class TPaintBox final : public QWidget, public BoardSurface {
  Q_OBJECT
 public:
  explicit TPaintBox(QWidget* parent = nullptr);

  // Runs the board's paint handler over the whole image.
  void SetPaintHandler(std::function<void()> handler) { paintHandler_ = std::move(handler); }

  void DrawCell(int column, int row, int tile) override;
  void ClearSurface() override;
  void DrawIntroScreen() override;
  void RepaintBoard() override;

  // The blinking intro line in the given colour, touching only its rectangle.
  void DrawBlinkLine(const QColor& colour);

  const QImage& Image() const { return image_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage image_;
  std::array<QImage, TileCount> tiles_;
  std::function<void()> paintHandler_;
  bool repainting_ = false;
};

}  // namespace quorvane
