#include "editor/MoveDrag.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "core/Document.h"
#include "geometry/ObjectFrame.h"

namespace {

int ToUnits(int pixels, float zoom) {
  const int units = CMathSub::Trunc(pixels / static_cast<double>(zoom));
  if (units == 0 && std::abs(pixels) == 1) return pixels;
  return units;
}

int Limit(int delta, int low, int high, int extent) {
  if (low + delta < 0) delta -= low + delta;
  if (high + delta > extent) delta -= high + delta - extent;
  return delta;
}

}  // namespace

QPoint PixelsToUnits(QPoint pixels, float zoom) { return {ToUnits(pixels.x(), zoom), ToUnits(pixels.y(), zoom)}; }

QPoint KeepOnSlide(QPoint delta, const Document& doc, int primary) {
  if (primary < 0 || primary >= doc.ObjCount()) return delta;
  const Bounds b = MarginBounds(doc.Object(primary));
  const DocHeader& h = doc.Header();
  return {Limit(delta.x(), b.left, b.right, h.SlideW), Limit(delta.y(), b.top, b.bottom, h.SlideH)};
}

bool MoveSelected(Document& doc, int from, int to, QPoint delta) {
  bool moved = false;
  for (int i = 0; i < doc.ObjCount(); ++i) {
    ObjectRecord& r = doc.Object(i);
    if (!doc.View(i).Selected || r.Slide != from) continue;
    if (delta.isNull() && from == to) continue;
    r.CenterX += delta.x();
    r.CenterY += delta.y();
    for (int k = 0; k < std::min<int>(r.PointNum, kMaxPoints); ++k) {
      r.Points[k].x += delta.x();
      r.Points[k].y += delta.y();
    }
    r.Slide = static_cast<std::uint16_t>(to);
    moved = true;
  }
  return moved;
}

bool MoveSelection(EditPath& edits, int primary, QPoint pixels) {
  const Document& doc = edits.Doc();
  const QPoint delta = KeepOnSlide(PixelsToUnits(pixels, doc.Header().Zoom), doc, primary);
  const int slide = doc.Header().CurSlide;
  return edits.Apply(EditKind::Undoable, [&](Document& d) { return MoveSelected(d, slide, slide, delta); });
}

MoveDrag::MoveDrag(DragContext& ctx, const DragInput& press)
    : primary_(ctx.sel.primary), fromSlide_(ctx.Doc().Header().CurSlide), press_(press.view) {
  if (primary_ >= 0) {
    const Bounds b = FrameOf(ctx.Doc().Object(primary_), ctx.Zoom()).bounds;
    grab_ = QPoint((b.left + b.right) / 2, (b.top + b.bottom) / 2) - press.view;
  }
}

Feedback MoveDrag::Move(DragContext& ctx, const DragInput& in) {
  Feedback f;
  if (primary_ < 0) return f;
  if (const SlideDrop over = ctx.host.SlideAt(in.global); over.slide >= 0) {
    if (over.slide != ctx.Doc().Header().CurSlide && over.slide < ctx.Doc().Header().SlideCount) {
      if (!pending_) pending_.emplace(ctx.edits.Begin(EditKind::Undoable));
      const auto slide = static_cast<std::uint16_t>(over.slide);
      pending_->Update([slide](Document& d) { d.Header().CurSlide = slide; });
    }
    return f;  // nothing is drawn over the list
  }
  const float zoom = ctx.Zoom();
  const int m = CMathSub::Trunc(BoundingMargin(ctx.Doc().Object(primary_)) * static_cast<double>(zoom));
  const Bounds b = FrameOf(ctx.Doc().Object(primary_), zoom).bounds;
  const QSize half((b.right - b.left) / 2 + m, (b.bottom - b.top) / 2 + m);
  const QSize area = ctx.SlideView();
  QPoint c = in.view + grab_;
  c.setX(std::clamp(c.x(), half.width(), std::max(half.width(), area.width() - half.width())));
  c.setY(std::clamp(c.y(), half.height(), std::max(half.height(), area.height() - half.height())));
  f.Glow(RectPath(QRect(c - QPoint(half.width(), half.height()), c + QPoint(half.width(), half.height()))), false);
  return f;
}

void MoveDrag::Release(DragContext& ctx, const DragInput& in) {
  ctx.host.ShowInfo(QString());
  if (primary_ < 0) return;
  QPoint drop = in.view;
  const DocHeader& h = ctx.Doc().Header();
  if (const SlideDrop over = ctx.host.SlideAt(in.global); over.slide >= 0) {
    drop = QPoint(CMathSub::Trunc(over.relative.x() * h.SlideW * h.Zoom),
                  CMathSub::Trunc(over.relative.y() * h.SlideH * h.Zoom));
  }
  const QPoint pixels = drop - press_;
  const int to = h.CurSlide;
  if (IsClick(pixels) && to == fromSlide_) return;  // a pending slide change goes back
  const QPoint delta = KeepOnSlide(PixelsToUnits(pixels, h.Zoom), ctx.Doc(), primary_);
  const int from = fromSlide_;
  const bool moved =
      ctx.edits.Apply(EditKind::Undoable, [&](Document& d) { return MoveSelected(d, from, to, delta); });
  if (pending_) pending_->Commit();
  pending_.reset();
  if (moved && from != to) ctx.host.SlideChanged(from);
  MakePrimary(ctx.Doc(), ctx.sel, primary_);
  ctx.host.RefreshSelection();
}
