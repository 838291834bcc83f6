// Constructions shared by the shape rules and the re-layout after a resize.
#include "geometry/ShapeRuleKit.h"

namespace shapekit {

using CMathSub::Distance;
using CMathSub::Trunc;

int Len(QPoint a, QPoint b) { return Trunc(Distance(a, b)); }

QPoint MirrorAcross(QPoint p, QPoint a, QPoint b) {
  const QPoint foot = Foot(p, a, b);
  return Along(Trunc(2 * Distance(p, foot)), p, foot);
}

namespace {

// Twice the signed area of the triangle a, b, c.
double Side(QPoint a, QPoint b, QPoint c) {
  return (static_cast<double>(b.x()) - a.x()) * (static_cast<double>(c.y()) - a.y()) -
         (static_cast<double>(b.y()) - a.y()) * (static_cast<double>(c.x()) - a.x());
}

}  // namespace

bool Crosses(QPoint a, QPoint b, QPoint c, QPoint d) {
  const double d1 = Side(a, b, c), d2 = Side(a, b, d);
  const double d3 = Side(c, d, a), d4 = Side(c, d, b);
  return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

bool ClosedOutlineCrosses(const Outline& pts) {
  const int n = static_cast<int>(pts.size());
  for (int i = 0; i < n; ++i) {
    for (int j = i + 2; j < n; ++j) {
      if (i == 0 && j == n - 1) continue;  // the closing edge meets the first
      if (Crosses(pts[i], pts[i + 1], pts[j], pts[(j + 1) % n])) return true;
    }
  }
  return false;
}

int GuidePercent(QPoint a, QPoint b, QPoint p) {
  const double e = Distance(a, b);
  const double c = Distance(a, p);
  if (e > 0 && c > e && c > Distance(b, p)) return Trunc(c / e * 100);
  return CMathSub::PercentAlong(a, b, p);
}

void Straighten(Outline& pts, int a) {
  const int n = static_cast<int>(pts.size());
  const auto [c1, c2] = CMathSub::ThirdPoints(pts[a], pts[(a + 3) % n]);
  pts[a + 1] = c1;
  pts[a + 2] = c2;
}

Corners EllipseCorners(QPoint left, QPoint right, int half, RefAngles ref) {
  const QPoint fromLeft = Along(half, left, right);
  const QPoint fromRight = Along(half, right, left);
  return {Turn(left, fromLeft, ref.b), Turn(right, fromRight, ref.a), Turn(right, fromRight, ref.b),
          Turn(left, fromLeft, ref.a)};
}

// Below the top right corner p3 by the memo's height, square to the top edge.
QPoint MemoCorner(const Outline& p, RefAngles ref) {
  return Turn(p[3], Along(Len(p[1], p[2]), p[3], p[2]), ref.b);
}

void MemoFold(Outline& p, QPoint corner) {
  p[5] = MirrorAcross(corner, p[0], p[4]);
  MemoCurl(p);
}

void MemoCurl(Outline& p) {
  const QPoint m1 = Mid(p[5], p[0]);
  const QPoint m2 = Mid(m1, p[4]);
  const QPoint m3 = Mid(m1, m2);
  p[6] = Mid(p[5], m3);
  p[7] = Mid(p[0], m3);
}

void JobBars(Outline& p, int inset) {
  p[1] = p[9] = Along(inset, p[0], p[3]);
  p[2] = p[6] = Along(inset, p[3], p[0]);
  p[5] = p[7] = Along(inset, p[4], p[11]);
  p[10] = p[8] = Along(inset, p[11], p[4]);
}

}  // namespace shapekit
