// The hover highlight's motion and look.
#include "editor/HoverHighlight.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kInset = 6;  // the orbit runs this far outside the box's corners
constexpr int kTailDegrees = 70;
constexpr int kTailSteps = 14;
const QColor kGlow(70, 140, 230);

QPointF OnOrbit(const QRectF& orbit, double degrees) {
  const double a = degrees * 3.14159265358979 / 180;
  return {orbit.center().x() + orbit.width() / 2 * std::cos(a), orbit.center().y() - orbit.height() / 2 * std::sin(a)};
}

// The ellipse through the box's corners, widened by kInset.
QRectF Orbit(const QRect& box) {
  const QRectF b(box);
  const double rx = b.width() / 2 * std::sqrt(2.0) + kInset;
  const double ry = b.height() / 2 * std::sqrt(2.0) + kInset;
  return {b.center().x() - rx, b.center().y() - ry, 2 * rx, 2 * ry};
}

}  // namespace

int HoverPeriodMs(int speed) { return speed * 10 + 5; }

QRect HoverBox(const Bounds& b) {
  const QRect r(QPoint(b.left, b.top), QPoint(b.right, b.bottom));
  if (r.width() > kHoverMinBox && r.height() > kHoverMinBox) return r;
  const QPoint c = CMathSub::MidPoint({b.left, b.top}, {b.right, b.bottom});
  return {c.x() - kHoverMinBox / 2, c.y() - kHoverMinBox / 2, kHoverMinBox, kHoverMinBox};
}

void HoverHighlight::Start(int object, QRect box, int turns, int startDegrees) {
  object_ = turns > 0 ? object : -1;
  box_ = box;
  start_ = ((startDegrees % 360) + 360) % 360;
  travelled_ = 0;
  total_ = std::max(turns, 0) * 360;
}

bool HoverHighlight::Step() {
  if (!Active()) return false;
  travelled_ += kHoverDegreesPerTick;
  if (travelled_ >= total_) Stop();
  return Active();
}

QRect HoverHighlight::Area() const { return Orbit(box_).toAlignedRect().adjusted(-3, -3, 3, 3); }

double HoverHighlight::Strength() const {
  const double ramp = 90;
  return std::clamp(std::min(travelled_ + kHoverDegreesPerTick, total_ - travelled_) / ramp, 0.0, 1.0);
}

void HoverHighlight::Paint(QPainter& painter, QPoint scroll) const {
  if (!Active()) return;
  const QRectF orbit = Orbit(box_.translated(-scroll));
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const double strength = Strength();
  for (int k = 0; k < kHoverArcs; ++k) {
    const double head = HeadDegrees(k);
    // The tail thins and fades behind the head, piece by piece.
    for (int s = 0; s < kTailSteps; ++s) {
      const double from = head - kTailDegrees * (s + 1.0) / kTailSteps;
      const double to = head - kTailDegrees * static_cast<double>(s) / kTailSteps;
      const double fade = 1.0 - static_cast<double>(s) / kTailSteps;
      QColor c = kGlow;
      c.setAlphaF(0.75 * fade * strength);
      painter.setPen(QPen(c, 1.0 + 2.0 * fade, Qt::SolidLine, Qt::RoundCap));
      painter.drawLine(OnOrbit(orbit, from), OnOrbit(orbit, to));
    }
  }
  painter.restore();
}
