// The shape-handle points of the parametric kinds.
#include "geometry/ShapeHandles.h"

#include <array>

#include "geometry/Angles.h"
#include "geometry/MathSub.h"
#include "geometry/Rotation.h"

namespace {

// A handle sits at the midpoint of vertices a and b; a == b is the vertex itself.
struct HandleAt {
  int a;
  int b;
};

struct HandleRow {
  int kind;
  int count;
  std::array<HandleAt, 3> at;
};

constexpr HandleRow kHandles[] = {
    {objkind::RoundRect, 2, {{{8, 8}, {10, 10}}}},
    {objkind::Ellipse, 2, {{{7, 7}, {8, 8}}}},
    {objkind::Star, 1, {{{1, 1}}}},
    {objkind::Job, 1, {{{1, 1}}}},
    {objkind::Memo, 2, {{{0, 0}, {4, 4}}}},
    {objkind::Arrow, 3, {{{0, 0}, {1, 1}, {2, 2}}}},
    {objkind::CurveLArrow, 3, {{{1, 1}, {2, 2}, {8, 8}}}},
    {objkind::CurveArrow, 3, {{{0, 0}, {3, 3}, {18, 18}}}},
    {objkind::Cylinder, 1, {{{4, 5}}}},
    {objkind::Cube, 1, {{{0, 0}}}},
    {objkind::Button, 1, {{{1, 1}}}},
    {objkind::Pyramid, 1, {{{0, 0}}}},
    {objkind::SlipRect, 1, {{{0, 0}}}},
    {objkind::SlipRound, 1, {{{0, 0}}}},
    {objkind::SlipCloud, 1, {{{0, 0}}}},
    {objkind::SlipSCloud, 1, {{{0, 0}}}},
};

const HandleRow* FindRow(int kind) {
  for (const HandleRow& row : kHandles) {
    if (row.kind == kind) return &row;
  }
  return nullptr;
}

}  // namespace

bool HasShapeHandles(int kind) { return FindRow(kind) != nullptr; }

int ShapeHandleCount(int kind) {
  const HandleRow* row = FindRow(kind);
  return row ? row->count : 0;
}

std::vector<QPoint> ShapeHandlePoints(int kind, std::span<const QPoint> pts) {
  std::vector<QPoint> handles;
  const HandleRow* row = FindRow(kind);
  if (!row) return handles;
  const int n = static_cast<int>(pts.size());
  for (int i = 0; i < row->count; ++i) {
    const HandleAt h = row->at[i];
    if (h.a >= n || h.b >= n) continue;
    handles.push_back(CMathSub::MidPoint(pts[h.a], pts[h.b]));
  }
  return handles;
}

std::vector<QPoint> ShapeHandles(const ObjectRecord& rec, float zoom) {
  const std::vector<QPoint> stored = StoredPoints(rec);
  std::vector<QPoint> handles = ShapeHandlePoints(rec.ObjKind, stored);
  const QPoint c(rec.CenterX, rec.CenterY);
  for (QPoint& h : handles) h = ToView(CMathSub::RotatePoint(c, h, kTwoPi - rec.Angle), zoom);
  return handles;
}
