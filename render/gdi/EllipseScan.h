// Ellipses on the integer grid: the outline points of Ellipse and Arc and the pixels of
// an elliptic fill, after the midpoint algorithm of Alois Zingl as GDI uses it.
#pragma once

#include <QPoint>
#include <vector>

#include "render/gdi/Region.h"

namespace gdi {

// Ellipses and arcs wider or higher than this draw nothing.
inline constexpr int kMaxEllipseSize = 1 << 18;

// The rows of the ellipse filling left .. right - 1, top .. bottom - 1 (width and height
// at least 1); a box narrower or lower than 2 pixels is filled whole.
std::vector<RowSpan> EllipseRows(int left, int top, int right, int bottom);

// The closed outline of the ellipse in the same box, counter-clockwise on screen from the
// top of its right-hand side; each point is a neighbour of the one before.
std::vector<QPoint> EllipseOutline(int left, int top, int right, int bottom);

// The counter-clockwise run of outline points from the ray through start to the ray
// through end (both relative to the box's centre); the whole ellipse when they coincide.
std::vector<QPoint> ArcPoints(int left, int top, int right, int bottom, QPoint start, QPoint end);

}  // namespace gdi
