// Writes the program icon for a desktop's hicolor icon theme:
//   icongen <theme folder> <icon name>
// gives <theme folder>/<N>x<N>/apps/<icon name>.png for each theme size.
#include <QDir>
#include <QImage>
#include <cstdio>

#include "resources/icon_sizes.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <theme folder> <icon name>\n", argv[0]);
    return 2;
  }
  const QDir theme(QString::fromLocal8Bit(argv[1]));
  const QString name = QString::fromLocal8Bit(argv[2]);
  for (int size : quorvane::kThemeIconSizes) {
    const std::vector<std::uint32_t> pixels = quorvane::ScaledIcon(quorvane::BuildAppIcon(), size);
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
      auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < size; ++x) line[x] = pixels[static_cast<size_t>(y) * size + x];
    }
    const QString folder = QStringLiteral("%1x%1/apps").arg(size);
    const QString file = theme.filePath(folder + u'/' + name + QStringLiteral(".png"));
    if (!theme.mkpath(folder) || !image.save(file, "PNG")) {
      std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(file));
      return 1;
    }
  }
  return 0;
}
