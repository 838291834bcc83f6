// The rules of the figures drawn round a frame: RoundRect, Ellipse, Star,
// Job, Memo, Cylinder, Cube, Button and Pyramid.
#include <algorithm>
#include <utility>

#include "geometry/ShapeRuleKit.h"

namespace shapekit {

using CMathSub::Distance;
using CMathSub::PercentAlong;
using CMathSub::Trunc;

namespace {

// trunc(length × percent / 100), the distance a percentage handle sets.
int PercentOf(double length, int percent) { return Trunc(length * percent / 100); }

bool Has(const Outline& p, std::size_t count) { return p.size() >= count; }

// Memo handle 0: the fold's foot p0 along the bottom edge.
bool MoveMemoFold(Outline& p, QPoint pointer, RefAngles ref) {
  Outline q = p;
  const int top = Len(q[2], q[3]);
  q[2] = Foot(q[1], q[2], q[3]);  // squared first
  q[3] = Along(top, q[2], q[3]);
  const QPoint corner = MemoCorner(q, ref);
  const int t = std::clamp(GuidePercent(corner, q[1], Foot(pointer, corner, q[1])), 10, 50);
  q[0] = Along(PercentOf(Distance(q[2], q[3]), t), corner, q[1]);
  MemoFold(q, corner);
  for (const auto& [a, b] : {std::pair(q[4], q[5]), std::pair(q[5], q[0])}) {
    for (int k = 0; k < 4; ++k) {
      if (Crosses(a, b, q[k], q[k + 1])) return false;
    }
  }
  p = q;
  return true;
}

// Memo handle 1: the fold's top p4 on the right edge, between the top right
// corner and the hidden corner, which it never reaches.
void MoveMemoFoldTop(Outline& p, QPoint pointer, RefAngles ref) {
  const QPoint corner = MemoCorner(p, ref);
  const int height = Len(p[1], p[2]);
  QPoint top = Foot(pointer, p[3], corner);
  const double dot = (static_cast<double>(corner.x()) - p[3].x()) * (static_cast<double>(top.x()) - p[3].x()) +
                     (static_cast<double>(corner.y()) - p[3].y()) * (static_cast<double>(top.y()) - p[3].y());
  if (dot < 0) top = p[3];  // above the top edge
  else if (Len(p[3], top) >= height) top = Along(std::max(height - 1, 0), p[3], corner);
  p[4] = top;
  MemoFold(p, corner);
}

}  // namespace

bool RoundRectRule(Outline& p, int handle, QPoint pointer) {
  if (!Has(p, 12)) return false;
  const bool bottom = handle == 0;
  const QPoint end = bottom ? p[6] : p[0];
  const int t = PercentAlong(p[9], end, pointer);
  if (t > 45) return false;
  const int b = PercentOf(Distance(p[9], end), t);
  if (bottom) {
    p[1] = Along(b, p[0], p[3]);
    p[2] = Along(b, p[3], p[0]);
    p[7] = Along(b, p[6], p[9]);
    p[8] = Along(b, p[9], p[6]);
  } else {
    p[11] = Along(b, p[0], p[9]);
    p[4] = Along(b, p[3], p[6]);
    p[5] = Along(b, p[6], p[3]);
    p[10] = Along(b, p[9], p[0]);
  }
  return true;
}

bool EllipseRule(Outline& p, int handle, QPoint pointer, RefAngles ref) {
  if (!Has(p, 13)) return false;
  const Corners k = EllipseCorners(p[9], p[3], Len(p[0], p[6]) / 2, ref);
  const QPoint from = k.bottomLeft;
  const QPoint to = handle == 0 ? k.bottomRight : k.topLeft;
  const int t = PercentAlong(from, to, pointer);
  if (t > 45) return false;
  const int d = PercentOf(Distance(from, to), t);
  if (handle == 0) {
    p[11] = Along(d, k.topLeft, k.topRight);
    p[1] = Along(d, k.topRight, k.topLeft);
    p[5] = Along(d, k.bottomRight, k.bottomLeft);
    p[7] = Along(d, k.bottomLeft, k.bottomRight);
  } else {
    p[10] = Along(d, k.topLeft, k.bottomLeft);
    p[2] = Along(d, k.topRight, k.bottomRight);
    p[4] = Along(d, k.bottomRight, k.topRight);
    p[8] = Along(d, k.bottomLeft, k.topLeft);
  }
  return true;
}

bool StarRule(Outline& p, QPoint pointer) {
  const int n = static_cast<int>(p.size());
  if (n < 4) return false;
  long long sx = 0, sy = 0;
  int outer = 0;
  for (int i = 0; i < n; i += 2, ++outer) {
    sx += p[i].x();
    sy += p[i].y();
  }
  const QPoint centre(static_cast<int>(sx / outer), static_cast<int>(sy / outer));
  const int r = Len(centre, pointer);
  for (int i = 1; i < n; i += 2) {
    const QPoint m = Mid(p[i - 1], p[(i + 1) % n]);
    p[i] = r == 0 || m == centre ? centre : Along(r, centre, m);
  }
  return true;
}

bool JobRule(Outline& p, QPoint pointer) {
  if (!Has(p, 12)) return false;
  const int a = Len(p[0], p[3]);
  JobBars(p, std::clamp(Len(p[0], Foot(pointer, p[0], p[3])), a / 20, a / 4));
  return true;
}

bool MemoRule(Outline& p, int handle, QPoint pointer, RefAngles ref) {
  if (!Has(p, 8)) return false;
  if (handle == 0) return MoveMemoFold(p, pointer, ref);
  MoveMemoFoldTop(p, pointer, ref);
  return true;
}

bool CylinderRule(Outline& p, QPoint pointer) {
  if (!Has(p, 16)) return false;
  const QPoint top = Mid(p[0], p[3]);
  const QPoint bottom = Mid(p[9], p[12]);
  const int w = Len(p[0], p[3]);
  const int depth = std::clamp(Len(top, Foot(pointer, top, bottom)), w / 20, w / 2);
  const QPoint front = Along(depth, top, bottom);
  const int u = 4 * (w / 2) / 5;
  const int a = Len(p[0], p[9]);
  Outline q = p;
  q[5] = Along(u, front, Foot(front, p[0], p[9]));
  q[4] = Along(u, front, Foot(front, p[3], p[12]));
  q[10] = Along(a, q[5], Foot(q[5], p[9], p[12]));
  q[11] = Along(a, q[4], Foot(q[4], p[9], p[12]));
  q[1] = Along(2 * depth, q[5], Foot(q[5], p[0], p[3]));
  q[2] = Along(2 * depth, q[4], Foot(q[4], p[0], p[3]));
  if (!(Distance(q[5], q[10]) < Distance(q[1], q[10]))) return false;
  p = q;
  return true;
}

// The top face stays a parallelogram: the back corner p2 follows the other
// three, as a quarter turn of the left face's edges would put it.
bool CubeRule(Outline& p, QPoint pointer) {
  if (!Has(p, 12)) return false;
  const QPoint guide = Foot(p[2], p[7], p[0]);
  const int t = std::clamp(GuidePercent(p[7], guide, Foot(pointer, p[7], p[0])), 10, 80);
  const int e = PercentOf(Distance(p[7], guide), t);
  p[8] = p[4] = p[0] = Along(e, p[7], guide);
  p[5] = p[3] = Along(e, p[6], p[3]);
  p[11] = p[1] = Along(e, p[10], p[1]);
  p[2] = p[1] + p[3] - p[0];
  return true;
}

bool ButtonRule(Outline& p, QPoint pointer) {
  if (!Has(p, 17)) return false;
  const QPoint centre = Mid(p[6], p[12]);
  const QPoint other = Mid(p[5], p[9]);
  const int t = std::clamp(GuidePercent(p[12], centre, Foot(pointer, p[6], p[12])), 10, 80);
  const int e = PercentOf(Distance(p[12], centre), t);
  p[13] = p[1] = Along(e, p[12], centre);
  p[7] = p[3] = Along(e, p[6], centre);
  p[10] = p[2] = Along(e, p[9], other);
  p[16] = p[4] = p[0] = Along(e, p[5], other);
  return true;
}

bool PyramidRule(Outline& p, QPoint pointer) {
  if (!Has(p, 6)) return false;
  const int reach = 6 * Len(p[1], p[4]) / 5;
  const QPoint a = Along(reach, p[1], p[4]);
  const QPoint b = Along(reach, p[1], p[2]);
  const int t = std::clamp(GuidePercent(a, b, Foot(pointer, a, b)), 20, 75);
  p[0] = p[3] = Along(PercentOf(Distance(a, b), t), a, b);
  return true;
}

}  // namespace shapekit
