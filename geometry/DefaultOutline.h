// The outline each figure kind and variant gets when it is created.
#pragma once

#include <QPoint>
#include <optional>
#include <vector>

#include "core/Records.h"

struct DefaultShape {
  std::vector<QPoint> points;  // slide units around the creation point
  bool curved = false;         // the list is a chain of cubic runs
};

// Variants matter only for Line (0..5), Polygon (6 triangle, 7 square, 8 text
// box, any other a regular n-gon) and Ellipse (11 ellipse, else circle); n is
// the vertex count of a regular polygon or the point count of a star. No value
// for an unknown kind, a Line variant above 5, n below 3, or an outline that
// would not fit the record's kMaxPoints vertices.
std::optional<DefaultShape> DefaultOutline(int kind, int variant, int n, QPoint centre);

// Builds the default outline of rec.ObjKind around (CenterX, CenterY) into
// Points, PointNum and Curve. Refused (false) leaves the record unchanged.
bool DefaultOutline(ObjectRecord& rec, int variant, int n);
