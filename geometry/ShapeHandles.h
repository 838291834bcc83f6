// The shape-handle points of the parametric kinds.
#pragma once

#include <QPoint>
#include <span>
#include <vector>

#include "core/Records.h"

// RoundRect and the parametric kinds (7, 8, 14..26) show shape handles;
// every other figure shows its vertices instead.
bool HasShapeHandles(int kind);
// How many shape handles figures of `kind` show (0 to 3).
int ShapeHandleCount(int kind);

// Handle points taken from a vertex list in its own frame, handle 0 first (at
// most three). A handle whose vertex the list lacks is left out.
std::vector<QPoint> ShapeHandlePoints(int kind, std::span<const QPoint> pts);

// The handles as drawn and hit: rotated like the outline and zoomed to view pixels.
std::vector<QPoint> ShapeHandles(const ObjectRecord& rec, float zoom);
