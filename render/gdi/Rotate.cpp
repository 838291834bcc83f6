// Rotation by inverse mapping: every result pixel looks up its nearest source pixel.
#include "render/gdi/Rotate.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "render/gdi/Color.h"
#include "render/gdi/Pixels.h"

namespace gdi {

Rotation::Rotation(QSize source, double angle)
    : source_(source), cos_(std::cos(angle)), sin_(std::sin(angle)) {
  const double c = cos_, s = sin_;
  const int w = source.width(), h = source.height();
  // On screen (y downward) a counter-clockwise turn maps (x, y) to (x c + y s, -x s + y c).
  const double cornersX[] = {0, (w - 1) * c, (w - 1) * c + (h - 1) * s, (h - 1) * s};
  const double cornersY[] = {0, -(w - 1) * s, -(w - 1) * s + (h - 1) * c, (h - 1) * c};
  const auto [minX, maxX] = std::minmax_element(std::begin(cornersX), std::end(cornersX));
  const auto [minY, maxY] = std::minmax_element(std::begin(cornersY), std::end(cornersY));
  minX_ = *minX;
  minY_ = *minY;
  const double width = std::trunc(*maxX - *minX + 1.5), height = std::trunc(*maxY - *minY + 1.5);
  constexpr int kMaxSide = 16384;
  if (width >= 1 && height >= 1 && width <= kMaxSide && height <= kMaxSide) {
    width_ = static_cast<int>(width);
    height_ = static_cast<int>(height);
  }
}

bool Rotation::Fits() const {
  constexpr double kMaxPixels = 1 << 27;
  return width_ > 0 && height_ > 0 && double(width_) * height_ <= kMaxPixels;
}

QPointF Rotation::SourceAt(double x, double y) const {
  const double px = x + minX_, py = y + minY_;
  return {0.5 + px * cos_ - py * sin_, 0.5 + px * sin_ + py * cos_};
}

QRect Rotation::SourceWindow(QRect part) const {
  if (part.isEmpty()) return {};
  // The lookup is linear in (x, y): its extremes lie at the part's corners; one pixel more
  // each way covers the truncation.
  double x0 = 1e300, y0 = 1e300, x1 = -1e300, y1 = -1e300;
  for (const QPoint& p : {part.topLeft(), part.topRight(), part.bottomLeft(), part.bottomRight()}) {
    const QPointF u = SourceAt(p.x(), p.y());
    x0 = std::min(x0, u.x()), y0 = std::min(y0, u.y());
    x1 = std::max(x1, u.x()), y1 = std::max(y1, u.y());
  }
  const QRect window(QPoint(static_cast<int>(std::floor(x0)) - 1, static_cast<int>(std::floor(y0)) - 1),
                     QPoint(static_cast<int>(std::ceil(x1)) + 1, static_cast<int>(std::ceil(y1)) + 1));
  return window & QRect(QPoint(0, 0), source_);
}

QImage Rotation::Part(const QImage& src, QRect window, QRect part, COLORREF background) const {
  QImage out(part.size(), QImage::Format_RGB32);
  if (out.isNull()) return out;
  const QRgb fill = ToQRgb(background);
  const int w = source_.width(), h = source_.height();
  const int sw = src.width(), sh = src.height();
  const uchar* bits = src.constBits();
  const qsizetype bytesPerLine = src.bytesPerLine();
  // The column terms of the lookup, each computed as SourceAt computes it, so that every
  // sum below rounds exactly as the whole expression does.
  const int outW = out.width(), outH = out.height();
  std::vector<double> uCol(outW), vCol(outW);
  for (int x = 0; x < outW; ++x) {
    const double px = x + part.x() + minX_;
    uCol[x] = 0.5 + px * cos_;
    vCol[x] = 0.5 + px * sin_;
  }
  for (int y = 0; y < outH; ++y) {
    QRgb* row = Row(out, y);
    const double py = y + part.y() + minY_;
    const double uRow = py * sin_, vRow = py * cos_;
    for (int x = 0; x < outW; ++x) {
      const double u = uCol[x] - uRow, v = vCol[x] + vRow;
      row[x] = fill;
      if (!(u > -1 && v > -1 && u < w && v < h)) continue;  // trunc would land outside
      const int sx = static_cast<int>(u) - window.x(), sy = static_cast<int>(v) - window.y();
      if (sx >= 0 && sy >= 0 && sx < sw && sy < sh) row[x] = Opaque(reinterpret_cast<const QRgb*>(bits + sy * bytesPerLine)[sx]);
    }
  }
  return out;
}

std::optional<QImage> RotateImage(const QImage& src, double angle, COLORREF background) {
  if (src.isNull() || (src.depth() != 16 && src.depth() != 24 && src.depth() != 32)) return std::nullopt;
  const QImage source = Is32Bit(src.format()) ? src : src.convertToFormat(QImage::Format_RGB32);
  const Rotation rotation(source.size(), angle);
  if (!rotation.Fits()) return std::nullopt;
  QImage out = rotation.Part(source, source.rect(), QRect(QPoint(0, 0), rotation.ResultSize()), background);
  if (out.isNull()) return std::nullopt;
  return out;
}

}  // namespace gdi
