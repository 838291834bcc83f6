#include "editor/VertexCommands.h"

#include <algorithm>
#include <array>
#include <utility>

#include "base/MessageIds.h"
#include "editor/OutlineDrags.h"
#include "geometry/MathSub.h"

namespace {

bool IsClosed(const ObjectRecord& rec) { return rec.ObjKind != objkind::Line; }

// Opens `count` free slots at `at`, moving later vertices and their flags up.
void OpenGap(ObjectRecord& rec, int at, int count) {
  for (int k = rec.PointNum - 1; k >= at; --k) {
    rec.Points[k + count] = rec.Points[k];
    rec.PointFixed[k + count] = rec.PointFixed[k];
  }
  for (int k = at; k < at + count; ++k) rec.PointFixed[k] = 0;
  rec.PointNum = static_cast<std::uint16_t>(rec.PointNum + count);
}

void CloseGap(ObjectRecord& rec, int at, int count) {
  for (int k = at; k + count < rec.PointNum; ++k) {
    rec.Points[k] = rec.Points[k + count];
    rec.PointFixed[k] = rec.PointFixed[k + count];
  }
  for (int k = rec.PointNum - count; k < rec.PointNum; ++k) {
    rec.Points[k] = {};
    rec.PointFixed[k] = 0;
  }
  rec.PointNum = static_cast<std::uint16_t>(rec.PointNum - count);
}

PointRec Between(PointRec from, PointRec to, double t) {
  return {from.x + CMathSub::Trunc(t * (to.x - from.x)), from.y + CMathSub::Trunc(t * (to.y - from.y))};
}

// Where the vertices of a curved outline's segment around v start: the block
// ending at the anchor v leads to, or the first three for the first anchor.
int SegmentStart(const ObjectRecord& rec, int v) {
  int anchor = (v + 2) / 3 * 3;
  if (anchor >= rec.PointNum) anchor = 0;  // a closed outline's closing controls
  return anchor == 0 ? 0 : anchor - 2;
}

}  // namespace

Result<void> InsertVertices(ObjectRecord& rec, int a, int b, int n) {
  const int count = std::min<int>(rec.PointNum, kMaxPoints);
  if (n < 1 || n > 3 || a < 0 || b < 0 || a >= count || b >= count || a == b) return Failure{};
  if (count + n > kMaxPoints) return Failure(msg::NoMoreCanBeAdded);
  const bool closing = IsClosed(rec) && std::max(a, b) == count - 1 && std::min(a, b) == 0 && count > 2;
  const PointRec from = rec.Points[closing ? count - 1 : std::min(a, b)];
  const PointRec to = rec.Points[closing ? 0 : std::max(a, b)];
  static constexpr std::array<std::array<double, 3>, 3> kPlaces{{{0.5}, {0.25, 0.75}, {0.25, 0.5, 0.75}}};
  const int at = closing ? count : std::min(a, b) + 1;
  OpenGap(rec, at, n);
  for (int k = 0; k < n; ++k) rec.Points[at + k] = Between(from, to, kPlaces[n - 1][k]);
  return {};
}

Result<void> DeleteVertex(ObjectRecord& rec, int v) {
  const int count = std::min<int>(rec.PointNum, kMaxPoints);
  if (v < 0 || v >= count) return Failure{};
  const int width = rec.Curve ? 3 : 1;
  if (count - width < 2) return Failure(msg::FewerThanTwoPoints);
  CloseGap(rec, rec.Curve ? SegmentStart(rec, v) : v, width);
  return {};
}

bool SetCurve(ObjectRecord& rec, bool on) {
  if ((rec.Curve != 0) == on) return false;
  rec.Curve = on ? 1 : 0;
  const int count = std::min<int>(rec.PointNum, kMaxPoints);
  if (!on || count < 2) return true;
  const int missing = (3 - (IsClosed(rec) ? count : count - 1) % 3) % 3;
  if (missing == 0) return true;
  if (count + missing <= kMaxPoints) {
    const PointRec before = rec.Points[count - 2];
    const PointRec last = rec.Points[count - 1];
    OpenGap(rec, count - 1, missing);
    rec.Points[count - 1] = Between(before, last, 0.5);
    if (missing == 2) rec.Points[count] = Between(rec.Points[count - 1], last, 0.5);
    return true;
  }
  // Dropping 3 - missing points lands on the same structure from above.
  const int surplus = 3 - missing;
  rec.Points[count - 1 - surplus] = rec.Points[count - 1];
  rec.PointFixed[count - 1 - surplus] = rec.PointFixed[count - 1];
  CloseGap(rec, count - surplus, surplus);
  return true;
}

namespace {

// Vertex v put where it is drawn at `drawn`: turned back and stored.
bool StoreDrawn(ObjectRecord& rec, int v, QPoint drawn) {
  if (drawn == DrawnVertex(rec, v)) return false;
  const QPoint p = CMathSub::RotatePoint({rec.CenterX, rec.CenterY}, drawn, rec.Angle);
  rec.Points[v] = {p.x(), p.y()};
  return true;
}

}  // namespace

bool LevelEdge(ObjectRecord& rec, int a, int b, bool horizontal, bool smallerIsReference) {
  if (a < 0 || b < 0 || a >= rec.PointNum || b >= rec.PointNum || a == b) return false;
  const int ref = smallerIsReference ? std::min(a, b) : std::max(a, b);
  const int moved = ref == a ? b : a;
  const QPoint r = DrawnVertex(rec, ref);
  QPoint p = DrawnVertex(rec, moved);
  if (horizontal) {
    p.setY(r.y());
  } else {
    p.setX(r.x());
  }
  return StoreDrawn(rec, moved, p);
}
