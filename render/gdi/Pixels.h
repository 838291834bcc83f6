// Direct access to 32-bit surface rows, shared by the raster code.
#pragma once

#include <QImage>

namespace gdi {

// The formats whose pixels are 32-bit 0xAARRGGBB words, read and written directly.
inline bool Is32Bit(QImage::Format f) {
  return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 || f == QImage::Format_ARGB32_Premultiplied;
}

inline QRgb* Row(QImage& image, int y) { return reinterpret_cast<QRgb*>(image.scanLine(y)); }
inline const QRgb* ConstRow(const QImage& image, int y) {
  return reinterpret_cast<const QRgb*>(image.constScanLine(y));
}

}  // namespace gdi
