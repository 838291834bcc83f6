// Each parametric kind laid out again from the lengths of its resized outline.
#include "geometry/ShapeRelayout.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "geometry/Rotation.h"
#include "geometry/ShapeRuleKit.h"

namespace {

using namespace shapekit;
using CMathSub::ThirdPoints;
using CMathSub::Trunc;

constexpr int kMinEdge = 30;

// b moved to kMinEdge from a when the edge a-b is shorter.
void Lengthen(QPoint a, QPoint& b) {
  if (Len(a, b) < kMinEdge) b = Along(kMinEdge, a, b);
}

int AtLeastMin(int length) { return std::max(length, kMinEdge); }

void RoundRect(Outline& p, RefAngles ref) {
  Lengthen(p[9], p[6]);
  const int l = Len(p[9], p[6]), v = AtLeastMin(Len(p[9], p[0]));
  const int g = Len(p[9], p[8]), f = Len(p[9], p[10]);
  p[8] = Along(g, p[9], p[6]);
  p[7] = Along(l - g, p[9], p[6]);
  p[0] = Turn(p[9], Along(v, p[9], p[6]), ref.b);
  p[10] = Along(f, p[9], p[0]);
  p[11] = Along(v - f, p[9], p[0]);
  p[3] = Turn(p[6], Along(v, p[6], p[9]), ref.a);
  p[5] = Along(f, p[6], p[3]);
  p[4] = Along(v - f, p[6], p[3]);
  p[1] = Along(g, p[0], p[3]);
  p[2] = Along(l - g, p[0], p[3]);
}

void Job(Outline& p, RefAngles ref) {
  Lengthen(p[0], p[3]);
  const int w = Len(p[0], p[3]), v = AtLeastMin(Len(p[0], p[11]));
  const int inset = std::clamp(Len(p[0], p[1]), w / 20, w / 4);
  p[11] = Turn(p[0], Along(v, p[0], p[3]), ref.a);
  p[4] = Turn(p[3], Along(v, p[3], p[0]), ref.b);
  JobBars(p, inset);
}

// In the standard proportions again, from the edge apex p1 - left corner p4.
void Pyramid(Outline& p, RefAngles ref) {
  Lengthen(p[1], p[4]);
  const int s = Len(p[1], p[4]);
  const int k = Trunc(std::sqrt(3.0) * s / 2);
  const QPoint m = Mid(p[1], p[4]);
  const QPoint third = Turn(m, Along(k, m, p[1]), ref.a);
  p[2] = Along(s / 5, third, p[1]);
  const QPoint foot = Foot(p[0], p[4], third);
  p[3] = p[0] = Turn(foot, Along(k / 5, foot, third), ref.a);
}

void Ellipse(Outline& p, RefAngles ref) {
  Lengthen(p[9], p[3]);
  const int k = AtLeastMin(Len(p[0], p[6]));
  const int g = Len(p[0], p[1]), f = Len(p[9], p[8]);
  const QPoint m = Mid(p[9], p[3]);
  const int h = k / 2;
  p[12] = p[0] = Turn(m, Along(h, m, p[3]), ref.b);
  p[6] = Turn(m, Along(h, m, p[9]), ref.b);
  const Corners c = EllipseCorners(p[9], p[3], h, ref);
  p[1] = Along(g, p[0], c.topRight);
  p[11] = Along(g, p[0], c.topLeft);
  p[5] = Along(g, p[6], c.bottomRight);
  p[7] = Along(g, p[6], c.bottomLeft);
  p[2] = Along(f, p[3], c.topRight);
  p[4] = Along(f, p[3], c.bottomRight);
  p[8] = Along(f, p[9], c.bottomLeft);
  p[10] = Along(f, p[9], c.topLeft);
}

void Memo(Outline& p, RefAngles ref) {
  Lengthen(p[2], p[3]);
  const int k = AtLeastMin(Len(p[1], p[2]));
  const int g = Len(p[1], p[0]), f = Len(p[3], p[4]);
  p[1] = Turn(p[2], Along(k, p[2], p[3]), ref.a);
  const QPoint corner = Turn(p[3], Along(k, p[3], p[2]), ref.b);
  p[0] = Along(g, p[1], corner);
  p[4] = Along(f, p[3], corner);
  MemoCurl(p);
}

void Cylinder(Outline& p, RefAngles ref) {
  p[6] = p[0];
  int h = Len(p[0], p[3]) / 2;
  if (h < kMinEdge) {
    h = kMinEdge;
    p[3] = Along(kMinEdge, p[0], p[3]);
  }
  p[15] = p[3];
  const int k = AtLeastMin(Len(p[0], p[9]));
  p[9] = Turn(p[0], Along(k, p[0], p[3]), ref.a);
  p[12] = Turn(p[3], Along(k, p[3], p[0]), ref.b);
  std::tie(p[7], p[8]) = ThirdPoints(p[0], p[9]);
  std::tie(p[14], p[13]) = ThirdPoints(p[3], p[12]);
  const int f = Len(p[5], Foot(p[5], p[0], p[3]));  // half the top ellipse's depth
  const QPoint u = Along(h / 5, p[0], p[3]);
  const QPoint v = Along(f, u, p[3]);
  p[5] = Turn(u, v, ref.a);
  p[1] = Turn(u, v, ref.b);
  const QPoint w = Along(h / 5, p[3], p[0]);
  const QPoint x = Along(f, w, p[0]);
  p[4] = Turn(w, x, ref.b);
  p[2] = Turn(w, x, ref.a);
  p[10] = Along(k + 2 * f, p[1], p[5]);
  p[11] = Along(k + 2 * f, p[2], p[4]);
}

// Round the front bottom corner p7, which stays.
void Cube(Outline& p, RefAngles ref) {
  p[9] = p[7];
  QPoint left = Foot(p[7], p[3], p[6]);
  QPoint right = Foot(p[7], p[1], p[10]);
  int h = Len(p[7], left);
  if (h < kMinEdge) {
    h = kMinEdge;
    left = Along(kMinEdge, p[7], left);
  }
  right = Along(2 * h, p[7], right);
  const int g = h / 2;
  p[6] = Turn(left, Along(g, left, right), ref.b);
  p[10] = Turn(right, Along(h, right, left), ref.a);
  const int k = AtLeastMin(Len(p[7], p[0]));
  p[4] = p[8] = p[0] = Turn(p[7], Along(k, p[7], right), ref.b);
  p[3] = p[5] = Along(g + k, left, p[6]);
  p[1] = p[11] = Along(k + h, right, p[10]);
  const QPoint q = Turn(p[1], Along(h, p[1], right), ref.a);
  p[2] = Turn(q, Along(g, q, p[1]), ref.b);
}

void Button(Outline& p, RefAngles ref) {
  Lengthen(p[6], p[9]);
  p[8] = p[6];
  p[11] = p[9];
  const int k = AtLeastMin(Len(p[6], p[5]));
  p[15] = p[5] = Turn(p[6], Along(k, p[6], p[9]), ref.a);
  p[14] = p[12] = Turn(p[9], Along(k, p[9], p[6]), ref.b);
  const int bevel = Len(p[1], Foot(p[1], p[5], p[12]));
  p[13] = p[1] = Along(bevel, Foot(p[1], p[9], p[12]), p[1]);
  p[10] = p[2] = Along(bevel, Foot(p[1], p[6], p[9]), p[1]);
  p[0] = Along(bevel, Foot(p[0], p[5], p[12]), p[0]);
  p[16] = p[4] = p[0] = Along(bevel, Foot(p[0], p[6], p[5]), p[1]);
  p[3] = Along(bevel, Foot(p[3], p[6], p[9]), p[3]);
  p[7] = p[3] = Along(bevel, Foot(p[3], p[6], p[5]), p[2]);
}

// The tail tip keeps its distance from the first edge along the body's height.
QPoint TipAt(QPoint tip, QPoint nearFoot, QPoint farFoot, int height) {
  return Along(Len(tip, nearFoot) + height, farFoot, nearFoot);
}

void SlipRect(Outline& p, const ShapeRuleContext& ctx) {
  Lengthen(p[9], p[12]);
  const QPoint f1 = Foot(p[0], p[6], p[15]);
  const QPoint f2 = Foot(p[0], p[9], p[12]);
  const int k = AtLeastMin(Len(f1, f2));
  p[0] = TipAt(p[0], f1, f2, k);
  LayOutSlipRect(p, k, ctx);
}

void SlipRound(Outline& p, const ShapeRuleContext& ctx) {
  int h = 2 * Len(p[3], p[24]);
  if (h < kMinEdge - 1) h = kMinEdge;
  const QPoint f2 = Foot(p[0], p[11], p[16]);
  const QPoint f1 = Foot(p[0], p[4], p[23]);
  const int k = AtLeastMin(Len(f1, f2));
  p[0] = TipAt(p[0], f1, f2, k);
  LayOutSlipRound(p, h, k, ctx);
}

void SlipSCloud(Outline& p, const ShapeRuleContext& ctx) {
  int h = Len(p[8], p[10]);
  if (h < kMinEdge) {
    h = kMinEdge;
    p[10] = Along(kMinEdge, p[8], p[10]);
  }
  const int k = AtLeastMin(Len(Foot(p[0], p[4], p[14]), Foot(p[0], p[8], p[10])));
  LayOutSlipSCloud(p, h, k, ctx);
}

void SlipCloud(Outline& p, const ShapeRuleContext& ctx) {
  int h = 2 * Len(p[17], p[29]) / 3;
  if (h < kMinEdge) {
    h = kMinEdge;
    p[29] = Along(45, p[17], p[29]);  // the width that gives H = 30
  }
  const int k = AtLeastMin(Len(Foot(p[0], p[5], p[41]), Foot(p[0], p[17], p[29])));
  LayOutSlipCloud(p, h, k, ctx);
}

// The vertex count each kind is laid out with.
std::size_t CountOf(int kind) {
  switch (kind) {
    case objkind::RoundRect: return 12;
    case objkind::Ellipse: return 13;
    case objkind::Job: return 12;
    case objkind::Memo: return 8;
    case objkind::Cylinder: return 16;
    case objkind::Cube: return 12;
    case objkind::Button: return 17;
    case objkind::Pyramid: return 6;
    case objkind::SlipRect: return 21;
    case objkind::SlipRound: return 30;
    case objkind::SlipCloud: return 51;
    case objkind::SlipSCloud: return 18;
    default: return 0;
  }
}

}  // namespace

std::vector<QPoint> RelayoutShape(int kind, std::vector<QPoint> p, const ShapeRuleContext& ctx) {
  if (CountOf(kind) == 0 || p.size() != CountOf(kind)) return p;
  const RefAngles ref = ctx.ref;
  switch (kind) {
    case objkind::RoundRect: RoundRect(p, ref); break;
    case objkind::Ellipse: Ellipse(p, ref); break;
    case objkind::Job: Job(p, ref); break;
    case objkind::Memo: Memo(p, ref); break;
    case objkind::Cylinder: Cylinder(p, ref); break;
    case objkind::Cube: Cube(p, ref); break;
    case objkind::Button: Button(p, ref); break;
    case objkind::Pyramid: Pyramid(p, ref); break;
    case objkind::SlipRect: SlipRect(p, ctx); break;
    case objkind::SlipRound: SlipRound(p, ctx); break;
    case objkind::SlipCloud: SlipCloud(p, ctx); break;
    case objkind::SlipSCloud: SlipSCloud(p, ctx); break;
  }
  return p;
}

bool RelayoutAfterResize(ObjectRecord& rec) {
  if (rec.ObjClass != objclass::Figure || CountOf(rec.ObjKind) == 0) return false;
  ShapeRuleContext ctx;
  ctx.ref = RefAnglesOf(rec.FlipH != 0, rec.FlipV != 0);
  ctx.anchorCurve = rec.AnchorCurve != 0;
  const std::vector<QPoint> pts = RelayoutShape(rec.ObjKind, StoredPoints(rec), ctx);
  for (std::size_t i = 0; i < pts.size(); ++i) rec.Points[i] = {pts[i].x(), pts[i].y()};
  return true;
}
