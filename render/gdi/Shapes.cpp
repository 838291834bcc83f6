// The figures of the drawing context: the pen's outline and the brush's interior of
// rectangles, ellipses, polygons, polylines, Bézier chains and arcs.
#include <algorithm>
#include <cstdint>

#include "render/gdi/Bezier.h"
#include "render/gdi/Coords.h"
#include "render/gdi/Dc.h"
#include "render/gdi/EllipseScan.h"
#include "render/gdi/PolygonScan.h"
#include "render/gdi/Region.h"
#include "render/gdi/Stroke.h"

namespace gdi {
namespace {

// A box given by two corners in any order; false when it has no area.
bool Order(int& l, int& t, int& r, int& b) {
  if (l > r) std::swap(l, r);
  if (t > b) std::swap(t, b);
  return l != r && t != b;
}

}  // namespace

// The part of the surface a figure within these bounds can touch, its pen included: the
// regions of a small figure on a large surface stay small.
QRect Dc::Reach(int l, int t, int r, int b) const {
  const int m = std::clamp(pen_.width, 1, kMaxPenWidth) + 2;
  return QRect(QPoint(std::min(l, r) - m, std::min(t, b) - m),
               QPoint(std::max(l, r) + m, std::max(t, b) + m)) &
         SurfaceRect();
}

QRect Dc::Reach(std::span<const QPoint> points) const {
  if (points.empty()) return {};
  int l = points[0].x(), t = points[0].y(), r = l, b = t;
  for (const QPoint& p : points) {
    l = std::min(l, p.x());
    r = std::max(r, p.x());
    t = std::min(t, p.y());
    b = std::max(b, p.y());
  }
  return Reach(l, t, r, b);
}

void Dc::Rectangle(int l, int t, int r, int b) {
  const QPoint tl = ToSurface(l, t), br = ToSurface(r, b);
  RectangleOnSurface(tl.x(), tl.y(), br.x(), br.y());
}

void Dc::RectangleOnSurface(int l, int t, int r, int b) {
  if (!Order(l, t, r, b)) return;
  --r;
  --b;
  // Counter-clockwise from the top right, GDI's default arc direction (it sets where
  // dashes start).
  const QPoint corners[] = {{r, t}, {l, t}, {l, b}, {r, b}};
  const QRect reach = Reach(l, t, r, b);
  Region outline(reach);
  StrokePath(corners, true, pen_, outline);
  Region interior(reach);
  interior.AddRect(l, t, r, b);
  DrawFigure(&interior, outline);
}

void Dc::Ellipse(int l, int t, int r, int b) {
  QPoint tl = ToSurface(l, t), br = ToSurface(r, b);
  int left = tl.x(), top = tl.y(), right = br.x(), bottom = br.y();
  if (!Order(left, top, right, bottom)) return;
  if (right - left <= 2 || bottom - top <= 2) {
    RectangleOnSurface(left, top, right, bottom);
    return;
  }
  const QRect reach = Reach(left, top, right, bottom);
  Region outline(reach);
  StrokePath(EllipseOutline(left, top, right, bottom), true, pen_, outline);
  Region interior(reach);
  if (Fills()) interior.AddSpans(EllipseRows(left, top, right, bottom), 0, 0);
  DrawFigure(&interior, outline);
}

void Dc::Polygon(std::span<const QPoint> points) {
  const int count = static_cast<int>(points.size());
  PolyPolygon(points, std::span(&count, 1));
}

void Dc::PolyPolygon(std::span<const QPoint> points, std::span<const int> counts) {
  std::size_t total = 0;
  for (int c : counts) {
    if (c < 2) return;
    total += c;
  }
  if (counts.empty() || total > points.size()) return;
  const std::vector<QPoint> pts = ToSurface(points.first(total));

  const QRect reach = Reach(pts);
  Region interior(reach);
  if (Fills()) ScanPolygons(pts, counts, fillMode_, interior);
  Region outline(reach);
  std::size_t first = 0;
  for (int c : counts) {
    StrokePath(std::span(pts).subspan(first, c), true, pen_, outline);
    first += c;
  }
  DrawFigure(&interior, outline);
}

void Dc::Polyline(std::span<const QPoint> points) {
  if (points.size() < 2) return;
  const std::vector<QPoint> pts = ToSurface(points);
  Region outline(Reach(pts));
  StrokePath(pts, false, pen_, outline);
  DrawFigure(nullptr, outline);
}

void Dc::PolyBezier(std::span<const QPoint> points) {
  if (points.size() < 4 || (points.size() - 1) % 3 != 0) return;
  const std::vector<QPoint> pts = ToSurface(points);
  Region outline(Reach(pts));  // the curve stays within its control points
  StrokePath(FlattenBezier(pts), false, pen_, outline);
  DrawFigure(nullptr, outline);
}

void Dc::Arc(int l, int t, int r, int b, QPoint start, QPoint end) {
  QPoint tl = ToSurface(l, t), br = ToSurface(r, b);
  int left = tl.x(), top = tl.y(), right = br.x(), bottom = br.y();
  if (!Order(left, top, right, bottom)) return;
  const QPoint centre(left + (right - left) / 2, top + (bottom - top) / 2);
  const std::vector<QPoint> points =
      ArcPoints(left, top, right, bottom, ToSurface(start) - centre, ToSurface(end) - centre);
  if (points.size() < 2) return;
  Region outline(Reach(left, top, right, bottom));
  StrokePath(points, false, pen_, outline);
  DrawFigure(nullptr, outline);
}

}  // namespace gdi
