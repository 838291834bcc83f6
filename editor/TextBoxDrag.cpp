#include "editor/TextBoxDrag.h"

#include <algorithm>

QRect MovedTextBox(const QRect& box, int h, QPoint p, QSize area) {
  int l = box.left(), t = box.top(), r = box.right(), b = box.bottom();
  if (h == 0 || h == 3 || h == 7) l = std::clamp(p.x(), 0, std::max(0, r - kMinTextBox));
  if (h == 1 || h == 2 || h == 5) r = std::clamp(p.x(), l + kMinTextBox, std::max(l + kMinTextBox, area.width()));
  if (h == 0 || h == 1 || h == 4) t = std::clamp(p.y(), 0, std::max(0, b - kMinTextBox));
  if (h == 2 || h == 3 || h == 6) b = std::clamp(p.y(), t + kMinTextBox, std::max(t + kMinTextBox, area.height()));
  return QRect(QPoint(l, t), QPoint(r, b));
}

Feedback TextBoxDrag::Move(DragContext& ctx, const DragInput& in) {
  Feedback f;
  const int grow = static_cast<int>(5 * ctx.Zoom());
  f.Glow(RectPath(MovedTextBox(box_, handle_, in.view, ctx.SlideView()).adjusted(-grow, -grow, grow, grow)), false);
  return f;
}

void TextBoxDrag::Release(DragContext& ctx, const DragInput& in) {
  box_ = MovedTextBox(box_, handle_, in.view, ctx.SlideView());
  ctx.host.MoveTextEditor(box_.translated(-ctx.scroll));
}
