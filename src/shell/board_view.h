#pragma once

#include <QImage>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "game/game_ports.h"
#include "game/tiles.h"

namespace quorvane {

// The 400 x 240 board surface. Qt paints widgets only inside their paint
// event, so the picture is kept in an image: drawing a cell changes the
// image and asks for that cell alone to be shown again, and the paint event
// shows the image.
//
// The image is kept at the screen's own resolution: on a screen of scale n
// (a whole number) each tile pixel is an n x n block and the intro text is
// drawn at full sharpness, so showing the image never scales it.
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
  // Each colour's look is drawn once per scale and copied in after that.
  void DrawBlinkLine(const QColor& colour);

  // What a screen reader says about the board; tells it when that changes.
  void SetDescription(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // The whole number of device pixels per board pixel on the current screen.
  int ScreenScale() const;
  // Makes the image and the tiles for a new scale; the picture must then be
  // painted again.
  void UseScale(int scale);

  QImage image_;
  int scale_ = 0;
  std::array<QImage, TileCount> tiles_;
  std::function<void()> paintHandler_;
  bool repainting_ = false;

  // The blinking line's looks at the current scale: its rectangle and the
  // device pixels there, which its drawing fully determines.
  struct BlinkLook {
    QRgb Colour;
    QRect Box;
    QImage Pixels;
  };
  std::vector<BlinkLook> blinkLooks_;
};

}  // namespace quorvane
