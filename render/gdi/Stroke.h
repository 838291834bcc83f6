// What a pen covers along a path: the pixels of thin lines, dashes and wide strokes.
#pragma once

#include <QPoint>
#include <span>

#include "render/gdi/Pen.h"
#include "render/gdi/Region.h"

namespace gdi {

// Adds to out the pixels the pen covers along the points (surface coordinates), closing
// the path back to its first point when closed. One call is one figure: dashes start
// afresh. Lines one pixel wide leave out the final point of an open path.
void StrokePath(std::span<const QPoint> points, bool closed, const Pen& pen, Region& out);

}  // namespace gdi
