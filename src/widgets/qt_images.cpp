#include "widgets/qt_images.h"

#include <algorithm>

#include "game/tiles.h"
#include "resources/about_logo.h"
#include "resources/app_icon.h"
#include "resources/icon_sizes.h"
#include "resources/tile_sheet.h"

namespace quorvane {

QImage TileSheetImage() {
  const TileSheet& sheet = BuildTileSheet();
  QImage image(TileSheet::Width, TileSheet::Height, QImage::Format_RGB32);
  for (int y = 0; y < TileSheet::Height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < TileSheet::Width; ++x) line[x] = 0xFF000000u | sheet.At(x, y);
  }
  return image;
}

QImage TileImage(int tile) {
  if (tile < 0 || tile >= TileCount) return {};
  // Built once: the board draws tiles on every step.
  static const QImage sheet = TileSheetImage();
  return sheet.copy(TileSheetX(tile), TileSheetY(tile), TileSize, TileSize);
}

QPixmap ArrowButtonPixmap(int tile) {
  const QImage opaque = TileImage(tile);
  if (opaque.isNull()) return {};
  QImage image = opaque.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (qRed(line[x]) == 0 && qGreen(line[x]) == 0 && qBlue(line[x]) == 0) line[x] = 0;
    }
  }
  return QPixmap::fromImage(image);
}

QImage ScaledByBlocks(const QImage& image, int factor) {
  if (factor <= 1 || image.isNull()) return image;
  const QImage source = image.convertToFormat(QImage::Format_ARGB32);
  QImage scaled(source.width() * factor, source.height() * factor, QImage::Format_ARGB32);
  for (int y = 0; y < scaled.height(); ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y / factor));
    auto* to = reinterpret_cast<QRgb*>(scaled.scanLine(y));
    for (int x = 0; x < scaled.width(); ++x) to[x] = from[x / factor];
  }
  return scaled.convertToFormat(image.format());
}

namespace {

QIcon IconAtEveryScale(const QImage& picture) {
  QIcon icon;
  for (int scale = 1; scale <= LargestIconScale; ++scale) {
    QPixmap pixmap = QPixmap::fromImage(ScaledByBlocks(picture, scale));
    pixmap.setDevicePixelRatio(scale);
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace

QIcon ArrowButtonIcon(int tile) {
  const QPixmap picture = ArrowButtonPixmap(tile);
  if (picture.isNull()) return {};
  return IconAtEveryScale(picture.toImage());
}

QImage AppIconImage() {
  const AppIconPicture& icon = BuildAppIcon();
  QImage image(AppIconPicture::Size, AppIconPicture::Size, QImage::Format_ARGB32);
  for (int y = 0; y < AppIconPicture::Size; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < AppIconPicture::Size; ++x) line[x] = icon.At(x, y);
  }
  return image;
}

QIcon AppIcon() {
  // One picture per size, each at its own pixel size: the window manager
  // gets all of them (_NET_WM_ICON), and a screen of scale 2 or 3 finds the
  // 64 or 96 that repeat each pixel of the 32.
  QIcon icon;
  for (int size : kWindowIconSizes) {
    const std::vector<std::uint32_t> pixels = ScaledIcon(BuildAppIcon(), size);
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y)
      std::copy_n(pixels.data() + static_cast<size_t>(y) * size, size, reinterpret_cast<QRgb*>(image.scanLine(y)));
    icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

QImage AboutLogoImage() {
  const LogoPicture& logo = AboutLogo();
  QImage image(LogoPicture::Width, LogoPicture::Height, QImage::Format_RGB888);
  constexpr int lineBytes = LogoPicture::Width * 3;
  for (int y = 0; y < LogoPicture::Height; ++y) {
    std::copy_n(logo.Rgb.data() + y * lineBytes, lineBytes, image.scanLine(y));
  }
  return image;
}

}  // namespace quorvane
