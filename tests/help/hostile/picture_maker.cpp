// Writes a PNG picture of one colour, width x height, to each file named:
// a few kilobytes in a help file, tens of megabytes once decoded.
#include <QImage>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: picture_maker <width> <height> <file.png>...\n");
    return 2;
  }
  QImage image(std::atoi(argv[1]), std::atoi(argv[2]), QImage::Format_RGB32);
  image.fill(Qt::darkBlue);
  for (int i = 3; i < argc; ++i)
    if (!image.save(QString::fromLocal8Bit(argv[i]), "PNG")) return 1;
  return 0;
}
