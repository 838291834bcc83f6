// Copies between images in the manner of BitBlt, StretchBlt (COLORONCOLOR) and
// TransparentBlt. Destination coordinates are view coordinates of the Dc (its window
// origin applies); source coordinates are pixels of the source image. Both sides are
// clipped: destination pixels whose source pixel lies outside the source stay as they were.
#pragma once

#include <QImage>
#include <QRect>

#include "render/gdi/Dc.h"

namespace gdi {

// w x h pixels from (sx, sy) to (x, y). A negative width covers x + w + 1 .. x (likewise
// the height, and the source with the same signs), as in GDI.
bool BitBlt(Dc& dst, int x, int y, int w, int h, const QImage& src, int sx, int sy);

// Nearest neighbour: destination pixel j of n takes source pixel (2j + 1) m / (2n), rounded
// down with exact ties going to the lower pixel, when enlarging (m <= n); when shrinking,
// the last of the source pixels that fall on it (the Bresenham walk of GDI's COLORONCOLOR).
// A negative width or height of either rectangle (QRect(x, y, -w, h): pixels x - w + 1 .. x)
// mirrors that axis.
bool StretchBlt(Dc& dst, const QRect& to, const QImage& src, const QRect& from);

// Like StretchBlt, but source pixels of exactly the key colour, and pixels without colour,
// are left out. Negative extents are refused (false), as in GDI.
bool TransparentBlt(Dc& dst, const QRect& to, const QImage& src, const QRect& from, COLORREF key);

}  // namespace gdi
