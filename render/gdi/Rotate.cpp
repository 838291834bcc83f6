// Rotation by inverse mapping: every result pixel looks up its nearest source pixel.
#include "render/gdi/Rotate.h"

#include <algorithm>
#include <cmath>

#include "render/gdi/Color.h"
#include "render/gdi/Pixels.h"

namespace gdi {

std::optional<QImage> RotateImage(const QImage& src, double angle, COLORREF background) {
  constexpr int kMaxSide = 16384;
  constexpr double kMaxPixels = 1 << 27;
  if (src.isNull() || (src.depth() != 16 && src.depth() != 24 && src.depth() != 32)) return std::nullopt;
  const QImage source = Is32Bit(src.format()) ? src : src.convertToFormat(QImage::Format_RGB32);

  const double c = std::cos(angle), s = std::sin(angle);
  const int w = source.width(), h = source.height();
  // On screen (y downward) a counter-clockwise turn maps (x, y) to (x c + y s, -x s + y c).
  const double cornersX[] = {0, (w - 1) * c, (w - 1) * c + (h - 1) * s, (h - 1) * s};
  const double cornersY[] = {0, -(w - 1) * s, -(w - 1) * s + (h - 1) * c, (h - 1) * c};
  const auto [minX, maxX] = std::minmax_element(std::begin(cornersX), std::end(cornersX));
  const auto [minY, maxY] = std::minmax_element(std::begin(cornersY), std::end(cornersY));
  const double width = std::trunc(*maxX - *minX + 1.5), height = std::trunc(*maxY - *minY + 1.5);
  if (!(width >= 1 && height >= 1 && width <= kMaxSide && height <= kMaxSide && width * height <= kMaxPixels))
    return std::nullopt;

  QImage out(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
  if (out.isNull()) return std::nullopt;
  const QRgb fill = ToQRgb(background);
  for (int y = 0; y < out.height(); ++y) {
    QRgb* row = Row(out, y);
    std::fill(row, row + out.width(), fill);
  }
  for (int y = 0; y < out.height(); ++y) {
    QRgb* row = Row(out, y);
    const double py = y + *minY;
    for (int x = 0; x < out.width(); ++x) {
      const double px = x + *minX;
      const double u = 0.5 + px * c - py * s;
      const double v = 0.5 + px * s + py * c;
      if (!(u > -1 && v > -1 && u < w && v < h)) continue;  // trunc would land outside
      const int sx = static_cast<int>(u), sy = static_cast<int>(v);
      row[x] = Opaque(ConstRow(source, sy)[sx]);
    }
  }
  return out;
}

}  // namespace gdi
