// CMathSub: integer-point geometry shared by the renderer and the editor.
#include "geometry/MathSub.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "geometry/Angles.h"

namespace CMathSub {

int Trunc(double v) {
  if (std::isnan(v)) return 0;
  constexpr double lo = std::numeric_limits<int>::min();
  constexpr double hi = std::numeric_limits<int>::max();
  return static_cast<int>(std::clamp(v, lo, hi));
}

namespace {

int Mid(int a, int b) {
  const std::int64_t lo = std::min(a, b);
  const std::int64_t hi = std::max(a, b);
  return static_cast<int>(lo + (hi - lo) / 2);
}

double Cross(double ax, double ay, double bx, double by) { return ax * by - ay * bx; }

}  // namespace

QPoint MidPoint(QPoint a, QPoint b) { return {Mid(a.x(), b.x()), Mid(a.y(), b.y())}; }

double Distance(QPoint a, QPoint b) {
  const double dx = static_cast<double>(b.x()) - a.x();
  const double dy = static_cast<double>(b.y()) - a.y();
  return std::sqrt(dx * dx + dy * dy);
}

QPoint PointAlong(int d, QPoint a, QPoint b) {
  if (d == 0 || a == b) return a;
  // The ratio is held in single precision on purpose: stored outlines depend on it.
  const float t = static_cast<float>(static_cast<double>(d) / Distance(a, b));
  const float dx = static_cast<float>(static_cast<double>(b.x()) - a.x()) * t;
  const float dy = static_cast<float>(static_cast<double>(b.y()) - a.y()) * t;
  return {Trunc(a.x() + static_cast<double>(Trunc(dx))),
          Trunc(a.y() + static_cast<double>(Trunc(dy)))};
}

std::pair<QPoint, QPoint> ThirdPoints(QPoint a, QPoint b) {
  const int d = Trunc(Distance(a, b)) / 3;
  return {PointAlong(d, a, b), PointAlong(d, b, a)};
}

QPoint RotatePoint(QPoint c, QPoint p, double a) {
  if (a == 0.0 || a == kTwoPi) return p;
  const double dx = static_cast<double>(p.x()) - c.x();
  const double dy = static_cast<double>(p.y()) - c.y();
  const double r = std::sqrt(dx * dx + dy * dy);
  const double t = std::atan2(dy, dx) + a;
  return {Trunc(c.x() + static_cast<double>(Trunc(r * std::cos(t)))),
          Trunc(c.y() + static_cast<double>(Trunc(r * std::sin(t))))};
}

std::vector<QPoint> RotatePoints(QPoint c, double a, std::span<const QPoint> in) {
  std::vector<QPoint> out;
  out.reserve(in.size());
  for (const QPoint& p : in) out.push_back(RotatePoint(c, p, a));
  return out;
}

QPoint OffsetFromEdge(int d, QPoint a, QPoint b) {
  const QPoint m = MidPoint(a, b);
  return RotatePoint(m, PointAlong(d, m, a), kHalfPi);
}

bool PointInPolygon(std::span<const QPoint> polygon, QPoint p) {
  const std::size_t n = polygon.size();
  if (n < 3) return false;
  bool inside = false;
  for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
    const double xi = polygon[i].x(), yi = polygon[i].y();
    const double xj = polygon[j].x(), yj = polygon[j].y();
    if ((yi > p.y()) == (yj > p.y())) continue;
    const double xCross = xi + (xj - xi) * (p.y() - yi) / (yj - yi);
    if (p.x() < xCross) inside = !inside;
  }
  return inside;
}

Bounds BoundingRect(std::span<const QPoint> pts) {
  if (pts.empty()) return {};
  Bounds b{pts[0].x(), pts[0].y(), pts[0].x(), pts[0].y()};
  for (const QPoint& p : pts) {
    b.left = std::min(b.left, p.x());
    b.top = std::min(b.top, p.y());
    b.right = std::max(b.right, p.x());
    b.bottom = std::max(b.bottom, p.y());
  }
  return b;
}

std::array<QPoint, 8> RectPoints(const Bounds& r) {
  const int cx = Mid(r.left, r.right);
  const int cy = Mid(r.top, r.bottom);
  return {QPoint(r.left, r.top),  QPoint(r.right, r.top), QPoint(r.right, r.bottom),
          QPoint(r.left, r.bottom), QPoint(cx, r.top),    QPoint(r.right, cy),
          QPoint(cx, r.bottom),   QPoint(r.left, cy)};
}

bool NearSegment(int tol, QPoint p, QPoint a, QPoint b) {
  // The cheap box test first; inside it the distance to the line decides.
  const double margin = static_cast<double>(tol) + 3;
  if (p.x() < std::min(a.x(), b.x()) - margin || p.x() > std::max(a.x(), b.x()) + margin ||
      p.y() < std::min(a.y(), b.y()) - margin || p.y() > std::max(a.y(), b.y()) + margin) {
    return false;
  }
  const double len = Distance(a, b);
  if (len == 0) return Distance(a, p) <= tol;
  const double cross = Cross(static_cast<double>(b.x()) - a.x(), static_cast<double>(b.y()) - a.y(),
                             static_cast<double>(p.x()) - a.x(), static_cast<double>(p.y()) - a.y());
  return std::abs(cross) / len <= tol;
}

std::optional<SegmentCrossing> SegmentIntersection(QPoint a, QPoint b, QPoint c, QPoint d) {
  const double rx = static_cast<double>(b.x()) - a.x(), ry = static_cast<double>(b.y()) - a.y();
  const double sx = static_cast<double>(d.x()) - c.x(), sy = static_cast<double>(d.y()) - c.y();
  const double denom = Cross(rx, ry, sx, sy);
  if (denom == 0) return std::nullopt;
  const double qx = static_cast<double>(c.x()) - a.x(), qy = static_cast<double>(c.y()) - a.y();
  const double t = Cross(qx, qy, sx, sy) / denom;
  const double u = Cross(qx, qy, rx, ry) / denom;
  SegmentCrossing x;
  x.at = QPoint(Trunc(a.x() + static_cast<double>(Trunc(rx * t))),
                Trunc(a.y() + static_cast<double>(Trunc(ry * t))));
  x.onBoth = t >= 0 && t <= 1 && u >= 0 && u <= 1;
  return x;
}

QPoint ProjectOnSegment(QPoint p, QPoint a, QPoint b) {
  const double ab = Distance(a, b);
  if (ab == 0) return a;
  const double pa = Distance(p, a);
  const double pb = Distance(p, b);
  const double s = (pa * pa + ab * ab - pb * pb) / (2 * ab);
  return PointAlong(Trunc(s), a, b);
}

int PercentAlong(QPoint a, QPoint b, QPoint p) {
  const float c = static_cast<float>(Distance(p, a));
  const float e = static_cast<float>(Distance(a, b));
  const float g = static_cast<float>(Distance(p, b));
  if (e == 0) return 0;
  if (c + g - e > 20) return 0;
  return Trunc(c / e * 100);
}

}  // namespace CMathSub
