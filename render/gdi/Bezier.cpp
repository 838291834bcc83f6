// De Casteljau halving in floating point; only the ends of the flat pieces are rounded.
#include "render/gdi/Bezier.h"

#include <cmath>

namespace gdi {
namespace {

struct P {
  double x, y;
};

P Mid(P a, P b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }

// Squared distance from p to the segment a-b.
double DistanceSq(P p, P a, P b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double lenSq = dx * dx + dy * dy;
  double t = lenSq > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / lenSq : 0;
  t = std::fmax(0, std::fmin(1, t));
  const double ex = a.x + t * dx - p.x, ey = a.y + t * dy - p.y;
  return ex * ex + ey * ey;
}

void Flatten(P p0, P p1, P p2, P p3, int depth, std::vector<QPoint>& out) {
  if (depth >= 10 || (DistanceSq(p1, p0, p3) <= 0.25 && DistanceSq(p2, p0, p3) <= 0.25)) {
    const QPoint end(static_cast<int>(std::floor(p3.x + 0.5)), static_cast<int>(std::floor(p3.y + 0.5)));
    if (out.back() != end) out.push_back(end);
    return;
  }
  const P a = Mid(p0, p1), b = Mid(p1, p2), c = Mid(p2, p3);
  const P d = Mid(a, b), e = Mid(b, c);
  const P m = Mid(d, e);
  Flatten(p0, a, d, m, depth + 1, out);
  Flatten(m, e, c, p3, depth + 1, out);
}

P ToP(QPoint q) { return {double(q.x()), double(q.y())}; }

}  // namespace

std::vector<QPoint> FlattenBezier(std::span<const QPoint> points) {
  if (points.empty() || (points.size() - 1) % 3 != 0) return {};
  std::vector<QPoint> out{points[0]};
  for (std::size_t i = 0; i + 3 < points.size(); i += 3) {
    Flatten(ToP(points[i]), ToP(points[i + 1]), ToP(points[i + 2]), ToP(points[i + 3]), 0, out);
  }
  if (out.size() == 1 && points.size() > 1) out.push_back(out.front());  // a curve shrunk to a dot
  return out;
}

}  // namespace gdi
