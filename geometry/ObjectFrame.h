// Where the editing view shows an object's frame: its rotated bounds and the
// eight resize handles, in view pixels, computed from the record alone. The
// overlay draws them and the hit tests and drags use them, so neither needs
// a paint first.
#pragma once

#include <QPoint>
#include <array>

#include "core/Records.h"
#include "geometry/MathSub.h"

// The eight resize-handle points from the rotated bounds: corners, then edge
// midpoints; a side shorter than trunc(30 x zoom) is widened to it.
std::array<QPoint, 8> ResizeHandlePoints(Bounds bounds, float zoom);

struct ObjectFrame {
  Bounds bounds;                   // of the drawn (rotated, zoomed) vertices
  std::array<QPoint, 8> handles;  // TL, TR, BR, BL, T, R, B, L
};

ObjectFrame FrameOf(const ObjectRecord& record, float zoom);

// How far an object's drawing may reach beyond its vertices, slide units:
// (line width + both line ends + 40) / 2.
int BoundingMargin(const ObjectRecord& record);
// The drawn vertices' bounds in slide units, inflated by the bounding margin.
Bounds MarginBounds(const ObjectRecord& record);
