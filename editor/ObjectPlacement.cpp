#include "editor/ObjectPlacement.h"

#include <algorithm>

#include "geometry/ObjectFrame.h"

namespace {

int ToUnits(int pixels, float zoom) { return CMathSub::Trunc(pixels / static_cast<double>(zoom)); }

// How far [low, high] must move to lie in [0, extent]: the start wins when both stick out.
int Overhang(int low, int high, int extent) {
  if (low < 0) return -low;
  if (high > extent) return extent - high;
  return 0;
}

}  // namespace

void Translate(ObjectRecord& rec, QPoint delta) {
  rec.CenterX += delta.x();
  rec.CenterY += delta.y();
  for (int k = 0; k < std::min<int>(rec.PointNum, kMaxPoints); ++k) {
    rec.Points[k].x += delta.x();
    rec.Points[k].y += delta.y();
  }
}

Bounds UnitBox(const ObjectRecord& rec, float zoom) {
  const Bounds v = FrameOf(rec, zoom).bounds;
  const int left = ToUnits(v.left, zoom);
  const int top = ToUnits(v.top, zoom);
  return {left, top, left + ToUnits(v.right - v.left, zoom), top + ToUnits(v.bottom - v.top, zoom)};
}

bool PushInsideSlide(ObjectRecord& rec, const DocHeader& header) {
  const Bounds b = MarginBounds(rec);
  const QPoint shift(Overhang(b.left, b.right, header.SlideW), Overhang(b.top, b.bottom, header.SlideH));
  if (shift.isNull()) return false;
  const QPoint centre(rec.CenterX, rec.CenterY);
  Translate(rec, shift);
  if (rec.ObjClass == objclass::DText) {
    rec.CenterX = centre.x();
    rec.CenterY = centre.y();
  }
  return true;
}
