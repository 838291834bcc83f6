// Nearest-neighbour rotation of images and gradients.
#pragma once

#include <QImage>
#include <QRect>
#include <optional>

#include "base/Color.h"

namespace gdi {

// Where a w x h image lands when turned by angle radians counter-clockwise on screen (as
// objects turn): the corners (0, 0), (w - 1, 0), (w - 1, h - 1), (0, h - 1) are rotated;
// the result is trunc(max - min + 1.5) pixels in each axis; result pixel (x, y) takes source
// pixel (trunc(0.5 + u), trunc(0.5 + v)), where (u, v) is (x, y) + the rotated corners'
// minimum, turned back, when that lies inside the source.
class Rotation {
 public:
  Rotation(QSize source, double angle);
  // False for a result over 16384 pixels in either axis or over 2^27 pixels in all.
  bool Fits() const;
  QSize ResultSize() const { return {width_, height_}; }
  // The source pixels that the result pixels of part look up, clipped to the source.
  QRect SourceWindow(QRect part) const;

  // The result pixels of part, filled first with background (kNoColor leaves them without
  // colour). src holds the source pixels of window only; part must not look outside it.
  QImage Part(const QImage& src, QRect window, QRect part, COLORREF background) const;

 private:
  QPointF SourceAt(double x, double y) const;

  QSize source_;
  double cos_, sin_;
  double minX_ = 0, minY_ = 0;
  int width_ = 0, height_ = 0;
};

// The whole image turned; Format_RGB32. Nothing for images of other than 16, 24 or 32 bits
// per pixel, or when the result does not fit.
std::optional<QImage> RotateImage(const QImage& src, double angle, COLORREF background);

}  // namespace gdi
