#include "editor/ConsoleDrags.h"

#include "core/Document.h"
#include "editor/ConsoleControl.h"
#include "editor/RotateDrag.h"
#include "geometry/ConsoleCentre.h"
#include "geometry/MathSub.h"

namespace {

constexpr COLORREF kConsoleFrame = 0x820000;

}  // namespace

Feedback RingZoomDrag::Move(DragContext& ctx, const DragInput& in) {
  turned_ += PointerTurn(centre_, last_, in.client);
  last_ = in.client;
  const int points = CMathSub::Trunc(turned_ * 100);
  if (points == 0) return {};
  turned_ -= points / 100.0;
  const float zoom = StepZoom(ctx.Zoom(), points);
  ctx.edits.Apply(EditKind::NoSnapshot, [zoom](Document& d) {
    if (d.Header().Zoom == zoom) return false;
    d.Header().Zoom = zoom;
    return true;
  });
  return {};
}

QPoint MovedConsoleCentre(QPoint centre, QPoint delta, QSize client) {
  return ClampConsoleCentre(centre + delta, client);
}

QPoint ConsoleMoveDrag::Placed(DragContext& ctx, QPoint client) const {
  return MovedConsoleCentre(centre_, client - press_, ctx.client);
}

Feedback ConsoleMoveDrag::Move(DragContext& ctx, const DragInput& in) {
  Feedback f;
  const QPoint c = Placed(ctx, in.client) + ctx.scroll;
  const QPoint half(kConsoleSize / 2, kConsoleSize / 2);
  f.Add(FeedbackKind::Frame, {c - half, c + half}).colour = kConsoleFrame;
  return f;
}

void ConsoleMoveDrag::Release(DragContext& ctx, const DragInput& in) {
  if (IsClick(in.client - press_)) return;
  const QPoint c = Placed(ctx, in.client);
  ctx.edits.Apply(EditKind::NoSnapshot, [c](Document& d) {
    d.Header().ConsoleX = c.x();
    d.Header().ConsoleY = c.y();
  });
}
