// CMathSub: integer-point geometry shared by the renderer and the editor.
// Every result that lands on a point is truncated toward zero.
#pragma once

#include <QPoint>
#include <array>
#include <optional>
#include <span>
#include <utility>
#include <vector>

// Minimum and maximum coordinates, both inclusive of the extreme points.
struct Bounds {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const Bounds&, const Bounds&) = default;
};

struct SegmentCrossing {
  QPoint at;
  bool onBoth = false;  // the crossing lies on both segments, ends included
};

namespace CMathSub {

// Truncation toward zero, clamped to int so absurd stored coordinates stay defined.
int Trunc(double v);

QPoint MidPoint(QPoint a, QPoint b);  // smaller + (larger - smaller) / 2 per axis
double Distance(QPoint a, QPoint b);
QPoint PointAlong(int d, QPoint a, QPoint b);  // distance d from a toward b (beyond a when d < 0)
std::pair<QPoint, QPoint> ThirdPoints(QPoint a, QPoint b);  // controls of a straight cubic a -> b

// Rotation by a radians about c, clockwise on screen for positive a; exactly 0
// or exactly kTwoPi copies the points unchanged.
QPoint RotatePoint(QPoint c, QPoint p, double a);
std::vector<QPoint> RotatePoints(QPoint c, double a, std::span<const QPoint> in);

QPoint OffsetFromEdge(int d, QPoint a, QPoint b);  // d from the middle of a-b, at right angles
bool PointInPolygon(std::span<const QPoint> polygon, QPoint p);  // even-odd, closing edge implied
Bounds BoundingRect(std::span<const QPoint> pts);  // all zero for an empty list
std::array<QPoint, 8> RectPoints(const Bounds& r);  // TL, TR, BR, BL, T, R, B, L
bool NearSegment(int tol, QPoint p, QPoint a, QPoint b);
std::optional<SegmentCrossing> SegmentIntersection(QPoint a, QPoint b, QPoint c, QPoint d);  // none when parallel
QPoint ProjectOnSegment(QPoint p, QPoint a, QPoint b);  // foot on the line through a, b
int PercentAlong(QPoint a, QPoint b, QPoint p);  // whole percent of a->b at p; 0 when p is off the segment

}  // namespace CMathSub
