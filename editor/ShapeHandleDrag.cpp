#include "editor/ShapeHandleDrag.h"

#include "core/Document.h"
#include "geometry/ShapeRules.h"

namespace {

QSize SlideSize(const Document& doc) { return {doc.Header().SlideW, doc.Header().SlideH}; }

bool DrawnAsCurve(int kind) {
  return kind == objkind::RoundRect || kind == objkind::Ellipse || kind == objkind::CurveArrow ||
         kind == objkind::Cylinder || (kind >= objkind::SlipRect && kind <= objkind::SlipSCloud);
}

}  // namespace

Feedback ShapeHandleDrag::Move(DragContext& ctx, const DragInput& in) {
  Feedback f;
  const ObjectRecord& r = ctx.Doc().Object(object_);
  std::optional<std::vector<QPoint>> outline =
      ShapeHandleOutline(r, handle_, in.view, SlideSize(ctx.Doc()), ctx.Zoom());
  if (!outline) return f;
  const bool open = r.ObjKind == objkind::Cylinder;
  f.Add(DrawnAsCurve(r.ObjKind) ? FeedbackKind::GlowCurve : FeedbackKind::Glow, std::move(*outline)).closed = !open;
  return f;
}

void ShapeHandleDrag::Release(DragContext& ctx, const DragInput& in) {
  ctx.host.ShowInfo(QString());
  const int i = object_, handle = handle_;
  const QPoint pointer = in.view;
  ctx.edits.Apply(EditKind::NoSnapshot, [&](Document& d) {
    const std::optional<ObjectRecord> changed =
        DragShapeHandle(d.Object(i), handle, pointer, SlideSize(d), d.Header().Zoom);
    if (!changed) return false;
    d.Object(i) = *changed;
    return true;
  });
}
