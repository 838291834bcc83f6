#include "editor/ResizeDrag.h"

#include <algorithm>
#include <cmath>

#include "core/Document.h"
#include "geometry/ObjectFrame.h"
#include "geometry/Rotation.h"
#include "geometry/ShapeRelayout.h"

namespace {

bool MovesLeft(int h) { return h == 0 || h == 3 || h == 7; }
bool MovesRight(int h) { return h == 1 || h == 2 || h == 5; }
bool MovesTop(int h) { return h == 0 || h == 1 || h == 4; }
bool MovesBottom(int h) { return h == 2 || h == 3 || h == 6; }

// One axis of a point scaled from [lo, hi] to [lo2, hi2].
double Scale(double v, int lo, int hi, int lo2, int hi2) {
  if (hi == lo) return v + (lo2 - lo);
  return lo2 + (v - lo) * (hi2 - lo2) / static_cast<double>(hi - lo);
}

int MinExtent(float zoom) { return std::max(1, static_cast<int>(std::ceil(zoom))); }

QPoint Clamp(QPoint p, QSize area, int grow) {
  return {std::clamp(p.x(), -grow, area.width() + grow), std::clamp(p.y(), -grow, area.height() + grow)};
}

}  // namespace

Bounds MovedSides(const Bounds& b, int h, QPoint d, int minExtent) {
  Bounds n = b;
  if (b.right > b.left) {
    if (MovesLeft(h)) n.left = std::min(b.left + d.x(), b.right - minExtent);
    if (MovesRight(h)) n.right = std::max(b.right + d.x(), b.left + minExtent);
  }
  if (b.bottom > b.top) {
    if (MovesTop(h)) n.top = std::min(b.top + d.y(), b.bottom - minExtent);
    if (MovesBottom(h)) n.bottom = std::max(b.bottom + d.y(), b.top + minExtent);
  }
  return n;
}

void ScaleObject(ObjectRecord& rec, const Bounds& b, const Bounds& to, float zoom) {
  std::vector<QPoint> pts = RotatePoints(rec, zoom);
  for (QPoint& p : pts) {
    p = QPoint(CMathSub::Trunc(Scale(p.x(), b.left, b.right, to.left, to.right)),
               CMathSub::Trunc(Scale(p.y(), b.top, b.bottom, to.top, to.bottom)));
  }
  // The centre keeps its place in the figure: it is scaled like a vertex.
  const double cx = Scale(rec.CenterX * static_cast<double>(zoom), b.left, b.right, to.left, to.right);
  const double cy = Scale(rec.CenterY * static_cast<double>(zoom), b.top, b.bottom, to.top, to.bottom);
  rec.CenterX = CMathSub::Trunc(cx / zoom);
  rec.CenterY = CMathSub::Trunc(cy / zoom);
  const std::vector<QPoint> stored = UnrotatePoints(rec, pts, zoom);
  for (std::size_t k = 0; k < stored.size(); ++k) rec.Points[k] = {stored[k].x(), stored[k].y()};
  if (rec.ObjClass == objclass::Figure) RelayoutAfterResize(rec);
}

bool ResizeSelection(EditPath& edits, int handle, QPoint d) {
  if (IsClick(d)) return false;
  return edits.Apply(EditKind::Undoable, [&](Document& doc) {
    const float zoom = doc.Header().Zoom;
    bool changed = false;
    for (int i = 0; i < doc.ObjCount(); ++i) {
      ObjectRecord& r = doc.Object(i);
      if (!doc.View(i).Selected || r.Slide != doc.Header().CurSlide || r.ObjClass == objclass::DText) continue;
      const Bounds b = FrameOf(r, zoom).bounds;
      const Bounds to = MovedSides(b, handle, d, MinExtent(zoom));
      if (to == b) continue;
      ScaleObject(r, b, to, zoom);
      changed = true;
    }
    return changed;
  });
}

ResizeDrag::ResizeDrag(DragContext& ctx, int object, int handle)
    : object_(object), handle_(handle), handlePoint_(FrameOf(ctx.Doc().Object(object), ctx.Zoom()).handles[handle]) {}

CursorId ResizeDrag::Cursor() const { return ResizeCursor(handle_); }

Feedback ResizeDrag::Move(DragContext& ctx, const DragInput& in) {
  Feedback f;
  const QPoint d = Clamp(in.view, ctx.SlideView(), 0) - handlePoint_;
  ObjectRecord r = ctx.Doc().Object(object_);
  const Bounds b = FrameOf(r, ctx.Zoom()).bounds;
  const Bounds to = MovedSides(b, handle_, d, MinExtent(ctx.Zoom()));
  f.Glow(RectPath(QRect(QPoint(to.left, to.top), QPoint(to.right, to.bottom))), false);
  ScaleObject(r, b, to, ctx.Zoom());
  std::vector<QPoint> outline = RotatePoints(r, ctx.Zoom());
  if (r.ObjKind != objkind::Line && !outline.empty()) outline.push_back(outline.front());
  f.Dotted(std::move(outline), 0x4A4A4A);
  return f;
}

void ResizeDrag::Release(DragContext& ctx, const DragInput& in) {
  ctx.host.ShowInfo(QString());
  ResizeSelection(ctx.edits, handle_, Clamp(in.view, ctx.SlideView(), 1) - handlePoint_);
}
