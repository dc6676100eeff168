#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace quorvane {

// The 80 x 180 tile sheet, Format_RGB32, with the five colours exact.
QImage TileSheetImage();

// One 20 x 20 tile (0..32) cut from the sheet; a null image for any other
// index.
QImage TileImage(int tile);

// A tile with its black pixels transparent, for the flat arrow buttons.
// Needs a QGuiApplication.
QPixmap ArrowButtonPixmap(int tile);

// The picture made `factor` times larger, each pixel an exact factor x factor
// block: no smoothing, so the pictures keep their five colours on a
// high-density screen.
QImage ScaledByBlocks(const QImage& image, int factor);

// The largest whole screen scale the icons below carry a picture for.
constexpr int LargestIconScale = 4;

// The arrow button's picture at every whole scale up to LargestIconScale, so
// that the toolkit picks one of the right size instead of smoothing the
// smallest. Needs a QGuiApplication.
QIcon ArrowButtonIcon(int tile);

// The 32 x 32 program icon with its transparent background, Format_ARGB32.
QImage AppIconImage();

// The program and window icon at every size of kWindowIconSizes, which
// covers every whole scale up to LargestIconScale. Needs a QGuiApplication.
QIcon AppIcon();

// The About box logo, 200 x 77, Format_RGB888.
QImage AboutLogoImage();

}  // namespace quorvane
