#include "geometry/ObjectFrame.h"

#include <algorithm>

#include "geometry/Rotation.h"

std::array<QPoint, 8> ResizeHandlePoints(Bounds bounds, float zoom) {
  const int g = static_cast<int>(zoom * 30);
  auto [left, top, right, bottom] = bounds;
  const int cx = (left + right) / 2, cy = (top + bottom) / 2;
  if (right - left < g) {
    left = cx - g / 2;
    right = left + g;
  }
  if (bottom - top < g) {
    top = cy - g / 2;
    bottom = top + g;
  }
  return {QPoint(left, top), QPoint(right, top), QPoint(right, bottom), QPoint(left, bottom),
          QPoint(cx, top), QPoint(right, cy), QPoint(cx, bottom), QPoint(left, cy)};
}

ObjectFrame FrameOf(const ObjectRecord& record, float zoom) {
  const Bounds b = CMathSub::BoundingRect(RotatePoints(record, zoom));
  return {b, ResizeHandlePoints(b, zoom)};
}

int BoundingMargin(const ObjectRecord& r) {
  int reach = r.Futosa + 40;
  for (const LineEnd& end : r.Ends)
    if (end.EndStyle != 0) reach += std::max(2 * end.EndLen, 2 * end.EndSize);
  return reach / 2;
}

Bounds MarginBounds(const ObjectRecord& r) {
  const Bounds b = CMathSub::BoundingRect(DrawnPoints(r));
  const int m = BoundingMargin(r);
  return {b.left - m, b.top - m, b.right + m, b.bottom + m};
}
