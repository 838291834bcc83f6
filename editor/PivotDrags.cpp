#include "editor/PivotDrags.h"

#include <algorithm>

#include "core/Document.h"
#include "editor/HitTest.h"
#include "geometry/ObjectFrame.h"
#include "geometry/Rotation.h"

void MovePivot(ObjectRecord& rec, QPoint centre) {
  const std::vector<QPoint> drawn = DrawnPoints(rec);
  for (std::size_t k = 0; k < drawn.size(); ++k) {
    const QPoint p = CMathSub::RotatePoint(centre, drawn[k], rec.Angle);
    rec.Points[k] = {p.x(), p.y()};
  }
  rec.CenterX = centre.x();
  rec.CenterY = centre.y();
}

RotationCentreDrag::RotationCentreDrag(DragContext& ctx, int object, const DragInput& press)
    : object_(object), press_(press.view), pending_(ctx.edits.Begin(EditKind::Undoable)) {}

QPoint RotationCentreDrag::Clamped(DragContext& ctx, QPoint view) const {
  const Bounds b = FrameOf(ctx.Doc().Object(object_), ctx.Zoom()).bounds;
  return {std::clamp(view.x(), b.left, b.right), std::clamp(view.y(), b.top, b.bottom)};
}

Feedback RotationCentreDrag::Move(DragContext& ctx, const DragInput& in) {
  Feedback f;
  f.Add(FeedbackKind::GlowCircle, {Clamped(ctx, in.view)}).radius = ctx.Doc().Object(object_).RoundR + 5;
  return f;
}

void RotationCentreDrag::Release(DragContext& ctx, const DragInput& in) {
  ctx.host.ShowInfo(QString());
  if (IsClick(in.view - press_)) return;  // the pending step goes unused
  const QPoint centre = ViewToSlide(Clamped(ctx, in.view), ctx.Zoom());
  const int i = object_;
  pending_.Update([&](Document& d) { MovePivot(d.Object(i), centre); });
  pending_.Commit();
}

int RotationRadiusDrag::Radius(DragContext& ctx, QPoint view) const {
  const ObjectRecord& r = ctx.Doc().Object(object_);
  return view.x() - ToView(r.CenterX, ctx.Zoom());
}

Feedback RotationRadiusDrag::Move(DragContext& ctx, const DragInput& in) {
  Feedback f;
  const int radius = Radius(ctx, in.view);
  if (radius < kMinRadius || radius > kMaxRadius) return f;
  const ObjectRecord& r = ctx.Doc().Object(object_);
  f.Add(FeedbackKind::ShadedRing, {ToView(QPoint(r.CenterX, r.CenterY), ctx.Zoom())}).radius = radius;
  return f;
}

void RotationRadiusDrag::Release(DragContext& ctx, const DragInput& in) {
  ctx.host.ShowInfo(QString());
  const auto radius = static_cast<std::uint16_t>(std::clamp(Radius(ctx, in.view), kMinRadius, kMaxRadius));
  ctx.edits.Apply(EditKind::NoSnapshot, [radius](Document& d) {
    bool changed = false;
    for (int i = 0; i < d.ObjCount(); ++i) {
      ObjectRecord& r = d.Object(i);
      if (!d.View(i).Selected || r.Slide != d.Header().CurSlide || r.RoundR == radius) continue;
      r.RoundR = radius;
      changed = true;
    }
    return changed;
  });
}
