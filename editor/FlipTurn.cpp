#include "editor/FlipTurn.h"

#include <cmath>
#include <cstring>

#include "core/Document.h"
#include "editor/ObjectPlacement.h"
#include "geometry/MathSub.h"

namespace {

bool OnSlide(const Bounds& b, const DocHeader& h) {
  return b.left >= 0 && b.top >= 0 && b.right <= h.SlideW && b.bottom <= h.SlideH;
}

template <typename Change>
bool ForSelected(Document& doc, int slide, Change change) {
  bool changed = false;
  for (int i = 0; i < doc.ObjCount(); ++i) {
    ObjectRecord& r = doc.Object(i);
    if (!doc.View(i).Selected || r.Slide != slide) continue;
    const ObjectRecord before = r;
    change(r);
    changed = changed || std::memcmp(&before, &r, sizeof r) != 0;
  }
  return changed;
}

// Makes `to` equal `from` when they differ, but by less than 10.
void Snap(std::int32_t& to, std::int32_t from) {
  if (to != from && std::abs(to - from) < 10) to = from;
}

}  // namespace

bool FlipSelected(Document& doc, int slide, MirrorAxis axis) {
  const DocHeader& h = doc.Header();
  return ForSelected(doc, slide, [&](ObjectRecord& r) {
    Mirror(r, axis);
    if (r.ObjClass == objclass::Figure) PushInsideSlide(r, h);
  });
}

bool TurnSelected(Document& doc, int slide, QuarterTurn turn) {
  const DocHeader& h = doc.Header();
  return ForSelected(doc, slide, [&](ObjectRecord& r) {
    ObjectRecord turned = r;
    turned.Angle = QuarterTurnAngle(r.Angle, turn);
    if (OnSlide(UnitBox(turned, 1.0f), h)) r = turned;
  });
}

bool StraightenSelected(Document& doc, int slide) {
  const DocHeader& h = doc.Header();
  return ForSelected(doc, slide, [&](ObjectRecord& r) {
    if (!OnSlide(CMathSub::BoundingRect(StoredPoints(r)), h)) return;
    r.Angle = 0;
    if (r.PointNum != 4) return;
    Snap(r.Points[3].x, r.Points[0].x);
    Snap(r.Points[1].y, r.Points[0].y);
    Snap(r.Points[2].y, r.Points[3].y);
    Snap(r.Points[2].x, r.Points[1].x);
  });
}
