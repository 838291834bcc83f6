// The stroke path of each figure kind as a list of pieces the raster layer draws.
#pragma once

#include <QPoint>
#include <span>
#include <vector>

#include "core/Records.h"
#include "geometry/MathSub.h"

enum class PieceKind {
  Polyline,  // straight segments through points in order
  Bezier,    // cubic runs: 3k + 1 points, anchors at 0, 3, 6, ...
  Arc,       // a full ellipse outline on box, from start round to end
};

struct PathPiece {
  PieceKind kind = PieceKind::Polyline;
  std::vector<QPoint> points;  // Polyline and Bezier
  Bounds box;                  // Arc: left, top, right, bottom as the raster call takes them
  QPoint start;                // Arc
  QPoint end;                  // Arc
};

struct StrokeInput {
  int kind = 0;
  std::span<const QPoint> points;  // rotated, zoomed, in the target's coordinates
  bool closed = true;              // false only for a Line stroked open
  bool curved = false;             // the record's Curve flag
  QPoint localCentre;              // centre of the rotated bounds
  int circleDiameter = -1;         // Ellipse: draw an exact circle of this size when >= 0
};

// The pieces for the stroke rule of input.kind.
std::vector<PathPiece> StrokeOutline(const StrokeInput& input);

// An Ellipse whose two diameters stay equal at this zoom is drawn as a true
// circle: its diameter in view pixels, or -1 when it must use its 13 points.
int EllipseCircleDiameter(const ObjectRecord& rec, float zoom);

// A record's stroke path in a buffer whose top-left lies at origin (view
// pixels); Lines are open, every other kind closed unless told otherwise.
std::vector<PathPiece> StrokePath(const ObjectRecord& rec, float zoom, QPoint origin);
std::vector<PathPiece> StrokePath(const ObjectRecord& rec, float zoom, QPoint origin, bool closed);
