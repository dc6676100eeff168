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

// The 32 x 32 program icon with its transparent background, Format_ARGB32.
QImage AppIconImage();

// The program and window icon. Needs a QGuiApplication.
QIcon AppIcon();

// The About box logo, 200 x 77, Format_RGB888.
QImage AboutLogoImage();

}  // namespace quorvane
