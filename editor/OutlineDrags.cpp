#include "editor/OutlineDrags.h"

#include <algorithm>

#include "core/Document.h"
#include "editor/HitTest.h"
#include "editor/PivotDrags.h"
#include "geometry/Rotation.h"

namespace {

constexpr COLORREF kVertexCircle = 0xBDE7BD;
constexpr COLORREF kNeighbourLine = 0x8CC38C;

// The vertex before (step -1) or after (+1) `k`; a line's ends have one side only.
std::optional<int> Neighbour(const ObjectRecord& r, int k, int step) {
  const int n = std::min<int>(r.PointNum, kMaxPoints);
  const int j = k + step;
  if (j >= 0 && j < n) return j;
  if (r.ObjKind == objkind::Line || n < 3) return std::nullopt;
  return (j + n) % n;
}

QPoint OnSlide(QPoint p, const DocHeader& h) {
  return {std::clamp(p.x(), 0, static_cast<int>(h.SlideW)), std::clamp(p.y(), 0, static_cast<int>(h.SlideH))};
}

QPoint CentreOfBounds(const ObjectRecord& r) {
  const Bounds b = CMathSub::BoundingRect(DrawnPoints(r));
  return {(b.left + b.right) / 2, (b.top + b.bottom) / 2};
}

void Store(ObjectRecord& r, int k, QPoint drawn) {
  const QPoint p = CMathSub::RotatePoint({r.CenterX, r.CenterY}, drawn, r.Angle);
  r.Points[k] = {p.x(), p.y()};
}

// A centre that no longer lies over the figure comes back to its middle.
void KeepCentreInside(ObjectRecord& r) {
  const Bounds b = CMathSub::BoundingRect(DrawnPoints(r));
  const QPoint c(r.CenterX, r.CenterY);
  if (c.x() < b.left || c.x() > b.right || c.y() < b.top || c.y() > b.bottom) MovePivot(r, CentreOfBounds(r));
}

}  // namespace

QPoint DrawnVertex(const ObjectRecord& rec, int vertex) { return DrawnPoints(rec).at(vertex); }

bool PlaceVertex(Document& doc, int index, int vertex, QPoint drawn) {
  ObjectRecord& r = doc.Object(index);
  if (vertex < 0 || vertex >= std::min<int>(r.PointNum, kMaxPoints) || r.PointFixed[vertex]) return false;
  const QPoint before(r.Points[vertex].x, r.Points[vertex].y);
  Store(r, vertex, OnSlide(drawn, doc.Header()));
  if (QPoint(r.Points[vertex].x, r.Points[vertex].y) == before) return false;
  KeepCentreInside(r);
  return true;
}

Feedback VertexDrag::Move(DragContext& ctx, const DragInput& in) {
  Feedback f;
  const QSize area = ctx.SlideView();
  const QPoint p(std::clamp(in.view.x(), 0, area.width()), std::clamp(in.view.y(), 0, area.height()));
  const ObjectRecord& r = ctx.Doc().Object(object_);
  const std::vector<QPoint> drawn = RotatePoints(r, ctx.Zoom());
  for (const int step : {-1, 1}) {
    if (const std::optional<int> j = Neighbour(r, vertex_, step)) f.Dotted({drawn[*j], p}, kNeighbourLine);
  }
  const int width = std::max(1, CMathSub::Trunc(r.Futosa * static_cast<double>(ctx.Zoom())));
  FeedbackItem& circle = f.Add(FeedbackKind::Circle, {p});
  circle.radius = 4;
  circle.colour = kVertexCircle;
  circle.width = width;
  return f;
}

void VertexDrag::Release(DragContext& ctx, const DragInput& in) {
  ctx.host.ShowInfo(QString());
  const float zoom = ctx.Zoom();
  const QPoint to = ViewToSlide(in.view, zoom);
  if (CMathSub::Distance(to, ViewToSlide(press_, zoom)) < kVertexClick) return;
  const int i = object_, k = vertex_;
  ctx.edits.Apply(EditKind::Undoable, [&](Document& d) { return PlaceVertex(d, i, k, to); });
}

Feedback EdgeDrag::Move(DragContext& ctx, const DragInput& in) {
  Feedback f;
  const ObjectRecord& r = ctx.Doc().Object(object_);
  const std::vector<QPoint> drawn = DrawnPoints(r);
  const QPoint p = ViewToSlide(in.view, ctx.Zoom());
  const QPoint shift = p - CMathSub::ProjectOnSegment(p, drawn[a_], drawn[b_]);
  const QPoint a = drawn[a_] + shift, b = drawn[b_] + shift;
  const DocHeader& h = ctx.Doc().Header();
  const auto inside = [&h](QPoint q) { return q.x() >= 0 && q.y() >= 0 && q.x() <= h.SlideW && q.y() <= h.SlideH; };
  if (inside(a) && inside(b)) {
    newA_ = a;
    newB_ = b;
  }
  if (!newA_) return f;
  const float zoom = ctx.Zoom();
  std::vector<QPoint> path;
  if (const std::optional<int> j = Neighbour(r, a_, -1); j && *j != b_) path.push_back(ToView(drawn[*j], zoom));
  path.push_back(ToView(*newA_, zoom));
  path.push_back(ToView(*newB_, zoom));
  if (const std::optional<int> j = Neighbour(r, b_, 1); j && *j != a_) path.push_back(ToView(drawn[*j], zoom));
  f.Dotted(std::move(path), kNeighbourLine);
  f.Glow({ToView(*newA_, zoom), ToView(*newB_, zoom)}, false);
  return f;
}

void EdgeDrag::Release(DragContext& ctx, const DragInput&) {
  ctx.host.ShowInfo(QString());
  if (!newA_ || !newB_) return;
  const int i = object_, a = a_, b = b_;
  const QPoint pa = *newA_, pb = *newB_;
  const bool moved = ctx.edits.Apply(EditKind::Undoable, [&](Document& d) {
    ObjectRecord& r = d.Object(i);
    const PointRec oldA = r.Points[a], oldB = r.Points[b];
    Store(r, a, pa);
    Store(r, b, pb);
    return r.Points[a].x != oldA.x || r.Points[a].y != oldA.y || r.Points[b].x != oldB.x || r.Points[b].y != oldB.y;
  });
  if (moved) {
    ctx.sel.edgeA = ctx.sel.edgeB = -1;
    ctx.host.RefreshSelection();
  }
}
