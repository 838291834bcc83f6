// Picture files made in code for tests and benchmarks.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>

namespace support {

// `image` encoded as a file of `format` ("jpeg", "bmp", "png", ...).
inline QByteArray EncodeImage(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter(&buffer, format).write(image);
  return bytes;
}

// A w x h picture with colour everywhere, different for each seed.
inline QImage PatternImage(int w, int h, int seed = 1) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb(x * seed, y, (x + y + seed * 7) & 255));
  return image;
}

}  // namespace support
