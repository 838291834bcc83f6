// The decorated ends of Lines: arrows pull the line back from the end vertex so the
// head's tip lands on it; circles and squares sit centred on the vertex.
#pragma once

#include <QPoint>
#include <vector>

struct ObjectRecord;
namespace gdi {
class Dc;
}

// The Line's points with each arrow end moved toward its neighbour by
// trunc((2 x EndLen + 8) x zoom), never past the neighbour. A zero-length end segment is
// left where it is.
std::vector<QPoint> PullBackArrowEnds(const ObjectRecord& r, std::vector<QPoint> points, float zoom);

// Draws both ends; `points` are the Line's vertices as drawn, `pulled` the same after
// PullBackArrowEnds. An arrow whose end segment has no length draws no head.
void DrawLineEnds(gdi::Dc& dc, const ObjectRecord& r, const std::vector<QPoint>& points,
                  const std::vector<QPoint>& pulled, float zoom);
