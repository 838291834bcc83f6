// The rules of the three arrows: Arrow (7 vertices: tail p0, p6; shaft-head
// junction p1, p5; barbs p2, p4; tip p3), CurveLArrow (9 vertices: the head
// as in Arrow, the shaft turning down at p6, tail end p7, p8) and
// CurveArrow (24 vertices of cubic runs: barbs p3, p9, tip p6, shaft front
// p0, p12, shaft base p21, p15, tail end p18).
#include <algorithm>
#include <vector>

#include "geometry/ShapeRuleKit.h"

namespace shapekit {

using CMathSub::Distance;
using CMathSub::PointInPolygon;
using CMathSub::Trunc;

namespace {

// a + trunc(0.333 × (b − a)) per coordinate: a third as the tail's controls take it.
QPoint ThirdToward(QPoint a, QPoint b) {
  return {a.x() + Trunc(0.333 * (static_cast<double>(b.x()) - a.x())),
          a.y() + Trunc(0.333 * (static_cast<double>(b.y()) - a.y()))};
}

bool Accept(Outline& p, const Outline& q, bool refused) {
  if (refused) return false;
  p = q;
  return true;
}

// --- Arrow ---

bool MoveArrowTail(Outline& p, QPoint pointer) {
  Outline q = p;
  q[0] = pointer;
  q[6] = MirrorAcross(pointer, q[3], Mid(q[2], q[4]));
  const double reach = Distance(q[3], Mid(q[0], q[6]));
  const bool tooShort = reach <= Distance(q[3], Mid(q[1], q[5])) || reach <= Distance(q[3], Mid(q[2], q[4]));
  return Accept(p, q, tooShort || ClosedOutlineCrosses(q));
}

bool MoveArrowJunction(Outline& p, QPoint pointer, RefAngles ref) {
  const QPoint tail = Mid(p[0], p[6]);
  if (Distance(p[3], Foot(pointer, p[3], tail)) >= Distance(p[3], tail)) return false;
  Outline q = p;
  q[1] = pointer;
  q[5] = MirrorAcross(pointer, q[3], tail);
  const QPoint toTip = Along(Len(p[0], p[6]) / 2, tail, q[3]);
  q[0] = Turn(tail, toTip, ref.b);
  q[6] = Turn(tail, toTip, ref.a);
  return Accept(p, q, ClosedOutlineCrosses(q));
}

// Arrow and CurveLArrow alike: the barb p2 follows the pointer, p4 mirrors it
// across the axis from the tip p3 to the tail's middle.
bool MoveBarb(Outline& p, QPoint pointer) {
  Outline q = p;
  q[2] = pointer;
  q[4] = MirrorAcross(pointer, q[3], Mid(q[0], q[6]));
  return Accept(p, q, ClosedOutlineCrosses(q));
}

// --- CurveLArrow ---

bool MoveLArrowShaft(Outline& p, QPoint pointer, RefAngles ref) {
  const QPoint base = Foot(p[3], p[0], p[8]);  // F: the tip's foot on the outer edge
  const QPoint axis = Foot(pointer, p[3], base);  // H
  if (!PointInPolygon(std::vector<QPoint>{p[0], p[2], p[3], base}, pointer)) return false;
  if (Distance(p[3], axis) > Distance(p[3], base)) return false;
  const int head = Len(p[2], p[4]);
  const int free = Len(pointer, axis);
  const int half = std::clamp(free, head / 8, head / 2);
  Outline q = p;
  q[1] = half == free ? pointer : Along(half, axis, pointer);
  q[5] = Along(2 * half, q[1], axis);
  const QPoint end = Along(Len(p[3], base), p[3], axis);  // E
  const QPoint h = Along(half, end, p[3]);
  q[0] = Turn(end, h, ref.b);
  const QPoint g = Turn(end, h, ref.a);
  q[6] = Along(2 * half, g, q[5]);
  const int length = Len(p[0], p[8]) + (2 * half - Len(p[1], p[5])) / 2;
  q[8] = Along(length, q[0], g);
  q[7] = Along(length, Foot(q[6], q[1], q[0]), q[6]);
  return Accept(p, q, Crosses(p[3], end, q[1], q[0]) || Crosses(q[6], q[7], q[4], q[5]));
}

bool MoveLArrowTail(Outline& p, QPoint pointer, RefAngles ref) {
  Outline q = p;
  const QPoint foot = Foot(pointer, q[1], q[5]);
  const int h = Len(pointer, foot);
  const int shaft = Len(q[1], q[5]);
  q[8] = pointer;
  q[0] = Turn(q[1], Along(h, q[1], q[5]), ref.a);
  if (shaft >= Distance(q[0], pointer) || shaft >= h) return false;
  q[7] = Along(shaft, pointer, foot);
  q[6] = Along(shaft, Along(shaft, q[0], pointer), q[5]);
  bool crosses = false;
  for (int k : {6, 7, 8}) crosses = crosses || Crosses(q[k], q[(k + 1) % 9], q[4], q[5]);
  return Accept(p, q, crosses);
}

// --- CurveArrow ---

bool MoveCurveArrowShaft(Outline& p, QPoint pointer, RefAngles ref) {
  const QPoint base = Foot(p[6], p[21], p[15]);  // F
  if (!PointInPolygon(std::vector<QPoint>{base, p[21], p[3], p[6]}, pointer)) return false;
  const int t1 = std::clamp(GuidePercent(Mid(p[3], p[9]), p[3], Foot(pointer, p[3], p[9])), 10, 90);
  const int half = t1 * Trunc(Distance(p[3], p[9]) / 2) / 100;
  const int t2 = std::clamp(GuidePercent(base, p[6], Foot(pointer, p[6], base)), 10, 90);
  const QPoint front = Along(Trunc(Distance(base, p[6]) * t2 / 100), base, p[6]);  // S
  Outline q = p;
  const QPoint atFront = Along(half, front, p[6]);
  const QPoint atBase = Along(half, base, p[6]);
  q[0] = Turn(front, atFront, ref.b);
  q[12] = Turn(front, atFront, ref.a);
  q[21] = Turn(base, atBase, ref.b);
  q[15] = Turn(base, atBase, ref.a);
  if (Crosses(q[3], q[6], q[0], q[21]) || Crosses(q[3], q[6], q[0], q[12])) return false;
  for (int a : {0, 9, 12, 21}) Straighten(q, a);
  p = q;
  return true;
}

bool MoveCurveArrowBarb(Outline& p, QPoint pointer) {
  Outline q = p;
  q[3] = pointer;
  q[9] = MirrorAcross(pointer, q[6], Foot(q[6], q[21], q[15]));
  if (Crosses(pointer, q[6], q[0], q[21]) || Crosses(pointer, q[6], q[0], q[12]) ||
      Crosses(q[0], pointer, q[9], q[12]))
    return false;
  for (int a : {0, 3, 6, 9}) Straighten(q, a);
  p = q;
  return true;
}

bool MoveCurveArrowTail(Outline& p, QPoint pointer) {
  Outline q = p;
  const QPoint b = Foot(pointer, q[0], q[21]);
  const QPoint c = Foot(pointer, q[12], q[15]);
  q[18] = pointer;
  q[19] = ThirdToward(pointer, b);
  q[20] = ThirdToward(q[21], b);
  q[16] = ThirdToward(q[15], c);
  q[17] = ThirdToward(pointer, c);
  return Accept(p, q, Distance(q[20], q[21]) < Distance(q[21], q[22]));
}

}  // namespace

bool ArrowRule(Outline& p, int handle, QPoint pointer, RefAngles ref) {
  if (p.size() != 7) return false;
  switch (handle) {
    case 0: return MoveArrowTail(p, pointer);
    case 1: return MoveArrowJunction(p, pointer, ref);
    default: return MoveBarb(p, pointer);
  }
}

bool CurveLArrowRule(Outline& p, int handle, QPoint pointer, RefAngles ref) {
  if (p.size() != 9) return false;
  switch (handle) {
    case 0: return MoveLArrowShaft(p, pointer, ref);
    case 1: return MoveBarb(p, pointer);
    default: return MoveLArrowTail(p, pointer, ref);
  }
}

bool CurveArrowRule(Outline& p, int handle, QPoint pointer, RefAngles ref) {
  if (p.size() != 24) return false;
  switch (handle) {
    case 0: return MoveCurveArrowShaft(p, pointer, ref);
    case 1: return MoveCurveArrowBarb(p, pointer);
    default: return MoveCurveArrowTail(p, pointer);
  }
}

}  // namespace shapekit
