// The four speech balloons: the tail tip p0 is the one shape handle, and
// the body is laid out again round its reference edge after every accepted
// tail move, as after a resize. Each body is a closed chain of cubic runs.
#include <algorithm>
#include <tuple>

#include "geometry/ShapeRuleKit.h"

namespace shapekit {

using CMathSub::Distance;
using CMathSub::ThirdPoints;
using CMathSub::Trunc;

namespace {

// The two opposite body edges of the tail test: the tail leaves across the first.
struct BodyEdges {
  int kind;
  std::size_t points;
  int a1, b1;  // first edge (the tail's side)
  int a2, b2;  // second edge
};

constexpr BodyEdges kBodies[] = {
    {objkind::SlipRect, 21, 6, 15, 9, 12},
    {objkind::SlipRound, 30, 4, 23, 11, 16},
    {objkind::SlipCloud, 51, 5, 41, 17, 29},
    {objkind::SlipSCloud, 18, 4, 14, 8, 10},
};

const BodyEdges* BodyOf(int kind) {
  for (const BodyEdges& b : kBodies) {
    if (b.kind == kind) return &b;
  }
  return nullptr;
}

// The first control after anchor a and the second before anchor b of the
// straight run a -> b.
QPoint First(QPoint a, QPoint b) { return ThirdPoints(a, b).first; }
QPoint Second(QPoint a, QPoint b) { return ThirdPoints(a, b).second; }

// a + trunc((b − a) × 0.2) per coordinate, 0.2 in single precision.
QPoint FifthToward(QPoint a, QPoint b) {
  constexpr float kFifth = 0.2f;
  return {a.x() + Trunc(static_cast<float>(static_cast<double>(b.x()) - a.x()) * kFifth),
          a.y() + Trunc(static_cast<float>(static_cast<double>(b.y()) - a.y()) * kFifth)};
}

// The width each balloon body measures itself by (H).
int BodyWidth(int kind, const Outline& p) {
  switch (kind) {
    case objkind::SlipRound: return 2 * Len(p[3], p[24]);
    case objkind::SlipCloud: return 2 * Len(p[17], p[29]) / 3;
    case objkind::SlipSCloud: return Len(p[8], p[10]);
    default: return 0;
  }
}

}  // namespace

void LayOutSlipRect(Outline& p, int height, const ShapeRuleContext& ctx) {
  const RefAngles ref = ctx.ref;
  const QPoint m = Mid(p[9], p[12]);
  p[18] = Turn(m, Along(height, m, p[12]), ref.a);
  p[15] = Turn(p[12], Along(height, p[12], m), ref.b);
  p[6] = Turn(p[9], Along(height, p[9], m), ref.a);
  p[3] = Mid(p[6], p[18]);
  for (int a = 0; a < 21; a += 3) {
    const bool tail = a == 0 || a == 18;
    if (!tail || !ctx.anchorCurve) Straighten(p, a);
  }
}

void LayOutSlipRound(Outline& p, int width, int height, const ShapeRuleContext& ctx) {
  const RefAngles ref = ctx.ref;
  p[27] = Mid(p[3], p[24]);
  const QPoint e1 = Along(width / 2, p[27], p[24]);  // bottom corners
  const QPoint e2 = Along(width / 2, p[27], p[3]);
  const QPoint t1 = Turn(e2, Along(height, e2, e1), ref.b);  // top corners
  const QPoint t2 = Turn(e1, Along(height, e1, e2), ref.a);

  const QPoint top = Mid(t1, t2);
  p[12] = Mid(t1, top);
  p[15] = Mid(t2, top);
  p[11] = First(t1, p[12]);
  std::tie(p[13], p[14]) = ThirdPoints(p[12], p[15]);
  p[16] = Second(p[15], t2);

  const QPoint left = Mid(t1, e2);
  p[9] = Mid(t1, left);
  p[6] = Mid(e2, left);
  p[10] = First(t1, p[9]);
  std::tie(p[7], p[8]) = ThirdPoints(p[6], p[9]);
  p[5] = Second(p[6], e2);

  const QPoint right = Mid(t2, e1);
  p[18] = Mid(t2, right);
  p[21] = Mid(e1, right);
  p[17] = First(t2, p[18]);
  std::tie(p[20], p[19]) = ThirdPoints(p[21], p[18]);
  p[22] = Second(p[21], e1);

  p[3] = Mid(e2, p[27]);
  p[24] = Mid(e1, p[27]);
  p[4] = First(e2, p[3]);
  std::tie(p[25], p[26]) = ThirdPoints(p[24], p[27]);
  p[23] = Second(p[24], e1);

  if (!ctx.anchorCurve) {
    std::tie(p[1], p[2]) = ThirdPoints(p[0], p[3]);
    std::tie(p[29], p[28]) = ThirdPoints(p[0], p[27]);
  }
}

void LayOutSlipCloud(Outline& p, int width, int height, const ShapeRuleContext& ctx) {
  const RefAngles ref = ctx.ref;
  p[23] = Mid(p[17], p[29]);
  p[20] = Second(p[17], p[23]);
  p[26] = First(p[23], p[29]);

  p[48] = Turn(p[23], Along(5 * height / 6, p[23], p[29]), ref.a);  // bottom centre
  const QPoint q = Along(width / 3, p[48], p[23]);
  p[6] = Turn(p[48], q, ref.b);
  p[42] = Turn(p[48], q, ref.a);
  p[3] = Mid(p[6], p[48]);
  p[45] = Mid(p[48], p[42]);

  if (!ctx.anchorCurve) {
    p[2] = Mid(p[0], p[3]);
    p[1] = Mid(p[0], p[2]);
    p[47] = Mid(p[0], p[48]);
    p[50] = Mid(p[0], p[47]);
  }

  p[5] = Turn(p[17], Along(height, p[17], p[29]), ref.a);
  p[41] = Turn(p[29], Along(height, p[29], p[17]), ref.b);
  p[44] = Mid(p[47], p[41]);

  p[11] = Mid(p[17], p[5]);
  p[14] = Second(p[17], p[11]);
  p[8] = First(p[11], p[5]);
  p[35] = Mid(p[29], p[41]);
  p[32] = Second(p[29], p[35]);
  p[38] = First(p[35], p[41]);

  p[18] = FifthToward(p[17], p[42]);
  p[21] = FifthToward(p[20], p[3]);
  p[24] = FifthToward(p[23], p[48]);
  p[27] = FifthToward(p[26], p[45]);
  p[30] = FifthToward(p[29], p[6]);

  p[12] = Mid(p[18], p[6]);
  p[15] = Mid(p[18], p[12]);
  p[9] = Mid(p[12], p[6]);
  p[36] = Mid(p[30], p[42]);
  p[33] = Mid(p[30], p[36]);
  p[39] = Mid(p[36], p[42]);

  for (int k = 4; k <= 49; k += 3) p[k] = p[k - 2];  // each bump starts where the last ended
}

void LayOutSlipSCloud(Outline& p, int width, int height, const ShapeRuleContext& ctx) {
  const RefAngles ref = ctx.ref;
  p[9] = Mid(p[8], p[10]);
  const QPoint bottom = Turn(p[9], Along(height, p[9], p[10]), ref.a);  // B0
  const QPoint a = Along(3 * width / 8, bottom, p[9]);
  p[4] = Turn(bottom, a, ref.b);
  p[14] = Turn(bottom, a, ref.a);
  const QPoint m = Mid(p[9], bottom);
  const QPoint b = Along(width / 2, m, p[9]);
  p[7] = Turn(m, b, ref.b);
  p[11] = Turn(m, b, ref.a);
  const QPoint c = Along(width / 4, m, p[9]);
  p[6] = Turn(m, c, ref.b);
  p[12] = Turn(m, c, ref.a);
  p[5] = Mid(p[7], p[6]);
  p[13] = Mid(p[12], p[11]);
  const QPoint low = Along(height / 6, bottom, p[9]);  // B1
  const QPoint d = Along(width / 12, low, p[9]);
  p[3] = Turn(low, d, ref.b);
  p[15] = Turn(low, d, ref.a);
  if (!ctx.anchorCurve) {
    std::tie(p[1], p[2]) = ThirdPoints(p[0], p[3]);
    std::tie(p[17], p[16]) = ThirdPoints(p[0], p[15]);
  }
}

// The tip follows the pointer, kept on the slide. Refused while the pointer
// lies between the two body edges or within 5 pixels outside them, or beyond
// the second: the tail always leaves across the first edge.
bool BalloonTailRule(int kind, Outline& p, QPoint pointer, const ShapeRuleContext& ctx) {
  const BodyEdges* body = BodyOf(kind);
  if (!body || p.size() != body->points) return false;
  const QPoint tip(std::clamp(pointer.x(), 0, std::max(ctx.area.width(), 0)),
                   std::clamp(pointer.y(), 0, std::max(ctx.area.height(), 0)));
  const QPoint f1 = Foot(tip, p[body->a1], p[body->b1]);
  const QPoint f2 = Foot(tip, p[body->a2], p[body->b2]);
  const double between = Distance(f1, f2);
  const double d1 = Distance(tip, f1), d2 = Distance(tip, f2);
  if (d1 + d2 < between + 10 || d2 < d1) return false;
  p[0] = tip;
  const int height = Trunc(between);
  if (kind == objkind::SlipRect) {
    LayOutSlipRect(p, height, ctx);
  } else if (kind == objkind::SlipRound) {
    LayOutSlipRound(p, BodyWidth(kind, p), height, ctx);
  } else if (kind == objkind::SlipCloud) {
    LayOutSlipCloud(p, BodyWidth(kind, p), height, ctx);
  } else {
    LayOutSlipSCloud(p, BodyWidth(kind, p), height, ctx);
  }
  return true;
}

}  // namespace shapekit
