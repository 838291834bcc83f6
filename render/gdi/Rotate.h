// Nearest-neighbour rotation of images and gradients.
#pragma once

#include <QImage>
#include <optional>

#include "app/store/Settings.h"

namespace gdi {

// The image turned by angle radians counter-clockwise on screen (as objects turn). The
// corners (0, 0), (w - 1, 0), (w - 1, h - 1), (0, h - 1) are rotated; the result is
// trunc(max - min + 1.5) pixels in each axis, filled first with background (kNoColor
// leaves it without colour); result pixel (x, y) takes source pixel
// (trunc(0.5 + u), trunc(0.5 + v)), where (u, v) is (x, y) + the rotated corners' minimum,
// turned back, when that lies inside the source. Format_RGB32. Nothing for images of other
// than 16, 24 or 32 bits per pixel, or a result over 16384 pixels in either axis or over
// 2^27 pixels in all.
std::optional<QImage> RotateImage(const QImage& src, double angle, COLORREF background);

}  // namespace gdi
