// Scan conversion of polygons: which pixels a filled polygon covers.
#pragma once

#include <QPoint>
#include <span>

#include "render/gdi/Region.h"

namespace gdi {

enum class FillMode { Alternate, Winding };

// Adds to out the pixels of the polygons (counts[i] points each, closed implicitly).
// Pixel (x, y) is inside when the point (x, y) is: left and top edges included, right and
// bottom edges excluded, so a rectangle (l, t)-(r, b) covers x = l .. r - 1, y = t .. b - 1.
void ScanPolygons(std::span<const QPoint> points, std::span<const int> counts, FillMode mode, Region& out);

}  // namespace gdi
