#include "editor/RubberBandDrag.h"

#include "core/Document.h"
#include "geometry/ObjectFrame.h"

namespace {

constexpr COLORREF kBandColour = 0x4A4A4A;

QRect Band(QPoint a, QPoint b) { return QRect(a, b).normalized(); }

}  // namespace

bool SelectInBand(const Document& doc, int slide, SelectionState& sel, QRect band) {
  if (doc.ObjCount() == 0 || band.width() <= kMinBand || band.height() <= kMinBand) return false;
  sel = SelectionState{};
  const float zoom = doc.Header().Zoom;
  for (int i = 0; i < doc.ObjCount(); ++i) {
    if (doc.Object(i).Slide != slide) continue;
    const Bounds b = FrameOf(doc.Object(i), zoom).bounds;
    if (band.contains(QRect(QPoint(b.left, b.top), QPoint(b.right, b.bottom)))) MakePrimary(doc, sel, i);
  }
  return true;
}

Feedback RubberBandDrag::Move(DragContext&, const DragInput& in) {
  Feedback f;
  const QRect band = Band(press_, in.view);
  if (band.width() < kMinBand && band.height() < kMinBand) return f;
  f.Dotted(RectPath(band), kBandColour);
  return f;
}

void RubberBandDrag::Release(DragContext& ctx, const DragInput& in) {
  if (SelectInBand(ctx.Doc(), ctx.Doc().Header().CurSlide, ctx.sel, Band(press_, in.view)))
    ctx.host.RefreshSelection();
}
