// Cubic Bézier chains turned into the polyline that PolyBezier strokes.
#pragma once

#include <QPoint>
#include <span>
#include <vector>

namespace gdi {

// points holds 3k + 1 points: anchor, control, control, anchor, ... Each curve is halved
// until its control points lie within half a pixel of the chord (at most 10 times); the
// pieces' ends, rounded to the nearest pixel, become the polyline. Empty when the count
// is not 3k + 1.
std::vector<QPoint> FlattenBezier(std::span<const QPoint> points);

}  // namespace gdi
