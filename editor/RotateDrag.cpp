#include "editor/RotateDrag.h"

#include <cmath>

#include "core/Document.h"
#include "geometry/Angles.h"
#include "geometry/Rotation.h"

namespace {

constexpr double kSnapLow = 0.012;
constexpr double kSnapHigh = 6.28;

bool CharsOnly(const ObjectRecord& r) { return r.ObjClass == objclass::DText && r.CharOnlyRotate; }

double Atan2(QPoint c, QPoint p) { return std::atan2(static_cast<double>(p.y() - c.y()), p.x() - c.x()); }

std::vector<QPoint> TurnedOutline(const ObjectRecord& r, double angle) {
  ObjectRecord turned = r;
  turned.Angle = angle;
  return DrawnPoints(turned);
}

}  // namespace

double PointerTurn(QPoint centre, QPoint from, QPoint to) {
  double d = Atan2(centre, to) - Atan2(centre, from);
  if (d > kPi) d -= kTwoPi;
  if (d <= -kPi) d += kTwoPi;
  return d;
}

double SnapAngle(double angle) {
  const double a = AddAngle(angle, 0);
  return a > kSnapHigh || a < kSnapLow ? 0 : a;
}

bool FitsTurned(const Document& doc, int index, double angle) {
  const DocHeader& h = doc.Header();
  for (const QPoint& p : TurnedOutline(doc.Object(index), angle))
    if (p.x() < 0 || p.y() < 0 || p.x() >= h.SlideW || p.y() >= h.SlideH) return false;
  return true;
}

bool TurnSelected(Document& doc, double angle) {
  angle = SnapAngle(angle);
  bool changed = false;
  for (int i = 0; i < doc.ObjCount(); ++i) {
    ObjectRecord& r = doc.Object(i);
    if (!doc.View(i).Selected || r.Slide != doc.Header().CurSlide || CharsOnly(r)) continue;
    if (r.Angle == angle || !FitsTurned(doc, i, angle)) continue;
    r.Angle = angle;
    changed = true;
  }
  return changed;
}

RotateDrag::RotateDrag(DragContext& ctx, int object, QPoint centre, const DragInput& press)
    : object_(object), centre_(centre), last_(press.view), angle_(ctx.Doc().Object(object).Angle) {
  pending_.emplace(ctx.edits.Begin(EditKind::Undoable));
}

std::vector<int> RotateDrag::LiveObjects(const Document& doc) const {
  std::vector<int> live;
  if (!CharsOnly(doc.Object(object_))) return live;
  for (int i = 0; i < doc.ObjCount(); ++i) {
    const ObjectRecord& r = doc.Object(i);
    if (doc.View(i).Selected && r.Slide == doc.Header().CurSlide && CharsOnly(r)) live.push_back(i);
  }
  return live;
}

void RotateDrag::TurnCharacters(double change) {
  pending_->Update([change](Document& d) {
    for (int i = 0; i < d.ObjCount(); ++i) {
      ObjectRecord& r = d.Object(i);
      if (d.View(i).Selected && r.Slide == d.Header().CurSlide && CharsOnly(r))
        r.TextAngle = SnapAngle(r.TextAngle - change);
    }
  });
}

Feedback RotateDrag::Move(DragContext& ctx, const DragInput& in) {
  Feedback f;
  const double change = PointerTurn(centre_, last_, in.view);
  last_ = in.view;
  const ObjectRecord& r = ctx.Doc().Object(object_);
  if (CharsOnly(r)) {
    if (change != 0) TurnCharacters(change);
    return f;
  }
  const double candidate = SnapAngle(angle_ - change);
  if (FitsTurned(ctx.Doc(), object_, candidate)) angle_ = candidate;
  ObjectRecord turned = r;
  turned.Angle = angle_;
  const bool open = r.ObjKind == objkind::Line || r.ObjKind == objkind::Cylinder;
  f.Glow(RotatePoints(turned, ctx.Zoom()), !open);
  return f;
}

void RotateDrag::Release(DragContext& ctx, const DragInput&) {
  ctx.host.ShowInfo(QString());
  const double angle = angle_;
  ctx.edits.Apply(EditKind::Undoable, [angle](Document& d) { return TurnSelected(d, angle); });
  pending_->Commit();
}

bool WheelTurn(EditPath& edits, int primary, double degrees) {
  if (primary < 0) return false;
  const double angle = edits.Doc().Object(primary).Angle - degrees * kPi / 180;
  return edits.Apply(EditKind::Undoable, [angle](Document& d) { return TurnSelected(d, angle); });
}
