// The first quadrant is traced with Zingl's error terms; the rest is mirrored from it.
#include "render/gdi/EllipseScan.h"

#include <cstdint>

namespace gdi {
namespace {

// Zingl's incremental error terms for an ellipse of the given width and height.
struct Tracer {
  std::int64_t dx, dy, err, asq, bsq;
  Tracer(int width, int height) {
    const std::int64_t a = width - 1;
    const std::int64_t b = height - 1;
    asq = 8 * a * a;
    bsq = 8 * b * b;
    dx = 4 * b * b * (1 - a);
    dy = 4 * a * a * (1 + b % 2);
    err = dx + dy + a * a * (b % 2);
  }
  // One step: which of x and y move.
  std::pair<bool, bool> Step() {
    const std::int64_t e2 = 2 * err;
    const bool moveX = e2 >= dx;
    const bool moveY = e2 <= dy;
    if (moveX) {
      dx += bsq;
      err += dx;
    }
    if (moveY) {
      dy += asq;
      err += dy;
    }
    return {moveX, moveY};
  }
};

// The quadrant below and right of the centre, relative to the box's top-left corner,
// from the rightmost point (width - 1, height / 2) down to x = width / 2.
std::vector<QPoint> Quadrant(int width, int height) {
  std::vector<QPoint> points;
  Tracer t(width, height);
  QPoint p(width - 1, height / 2);
  const int limit = width + height + 4;  // the trace moves every step; a guard all the same
  while (p.x() >= width / 2 && static_cast<int>(points.size()) < limit) {
    points.push_back(p);
    const auto [moveX, moveY] = t.Step();
    if (moveX) p.rx()--;
    if (moveY) p.ry()++;
  }
  return points;
}

// Appends the mirror images of points (in reverse order) about the axis at `sum`,
// leaving out the one on the axis when the box is odd-sized.
void Mirror(std::vector<QPoint>& points, bool horizontal, int sum, bool odd) {
  const std::size_t n = points.size();
  for (std::size_t i = odd ? 1 : 0; i < n; ++i) {
    const QPoint p = points[n - 1 - i];
    points.push_back(horizontal ? QPoint(sum - p.x(), p.y()) : QPoint(p.x(), sum - p.y()));
  }
}

bool TooLarge(int left, int top, int right, int bottom) {
  return std::int64_t{right} - left > kMaxEllipseSize || std::int64_t{bottom} - top > kMaxEllipseSize;
}

// Which point of the quadrant run (0 .. 4n, counter-clockwise from the right, y upward)
// the ray through (x, y) meets.
int Intersection(const std::vector<QPoint>& q, std::int64_t x, std::int64_t y) {
  const int n = static_cast<int>(q.size());
  auto first = [&](auto&& reached) {
    int i = 0;
    while (i < n && !reached(std::int64_t{q[i].x()}, std::int64_t{q[i].y()})) ++i;
    return i;
  };
  if (y >= 0) {
    if (x >= 0) return first([&](std::int64_t qx, std::int64_t qy) { return qx * y <= qy * x; });
    return 2 * n - first([&](std::int64_t qx, std::int64_t qy) { return qx * y < qy * -x; });
  }
  if (x >= 0) return 4 * n - first([&](std::int64_t qx, std::int64_t qy) { return qx * -y <= qy * x; });
  return 2 * n + first([&](std::int64_t qx, std::int64_t qy) { return qx * -y < qy * -x; });
}

}  // namespace

std::vector<RowSpan> EllipseRows(int left, int top, int right, int bottom) {
  const int width = right - left;
  const int height = bottom - top;
  if (width <= 0 || height <= 0 || TooLarge(left, top, right, bottom)) return {};
  if (width < 2 || height < 2) {
    std::vector<RowSpan> rows;
    for (int y = top; y < bottom; ++y) rows.push_back({y, left, right});
    return rows;
  }

  // inset[i]: how far row i starts right of left (and ends left of right); rows the
  // trace never reaches stay empty.
  std::vector<int> inset(height, width);
  Tracer t(width, height);
  int x = 0;
  int y = height / 2;
  inset[y] = 0;
  for (int guard = width + height + 4; x <= width / 2 && guard > 0; --guard) {
    const auto [moveX, moveY] = t.Step();
    if (moveX) ++x;
    if (moveY && ++y < height) inset[y] = x;
  }
  for (int i = 0; i < height / 2; ++i) inset[i] = inset[height - 1 - i];

  std::vector<RowSpan> rows;
  for (int i = 0; i < height; ++i) {
    if (left + inset[i] < right - inset[i]) rows.push_back({top + i, left + inset[i], right - inset[i]});
  }
  return rows;
}

std::vector<QPoint> EllipseOutline(int left, int top, int right, int bottom) {
  const int width = right - left;
  const int height = bottom - top;
  if (width <= 0 || height <= 0 || TooLarge(left, top, right, bottom)) return {};
  std::vector<QPoint> points = Quadrant(width, height);
  for (QPoint& p : points) p = QPoint(left + p.x(), top + height - 1 - p.y());  // upper right
  Mirror(points, true, left + right - 1, width % 2 == 1);
  Mirror(points, false, top + bottom - 1, height % 2 == 1);
  return points;
}

std::vector<QPoint> ArcPoints(int left, int top, int right, int bottom, QPoint start, QPoint end) {
  const int width = right - left;
  const int height = bottom - top;
  if (width <= 0 || height <= 0 || TooLarge(left, top, right, bottom)) return {};
  std::vector<QPoint> q = Quadrant(width, height);
  if (q.empty()) return {};
  for (QPoint& p : q) p -= QPoint(width / 2, height / 2);

  // Counter-clockwise on screen is clockwise in y-up terms: turn the rays over.
  const int n = static_cast<int>(q.size());
  const int from = Intersection(q, start.x(), -std::int64_t{start.y()});
  int to = Intersection(q, end.x(), -std::int64_t{end.y()});
  if (to <= from) to += 4 * n;

  const int cx0 = left + width / 2, cx1 = right - 1 - width / 2;
  const int cy0 = top + height / 2, cy1 = bottom - 1 - height / 2;
  std::vector<QPoint> points;
  points.reserve(to - from);
  for (int i = from; i < to; ++i) {
    const QPoint a = q[i % n];          // walking the quadrant outward from the axis
    const QPoint b = q[n - 1 - i % n];  // or back toward it
    switch ((i / n) % 4) {
      case 0:
        points.emplace_back(cx0 + a.x(), cy1 - a.y());
        break;
      case 1:
        points.emplace_back(cx1 - b.x(), cy1 - b.y());
        break;
      case 2:
        points.emplace_back(cx1 - a.x(), cy0 + a.y());
        break;
      default:
        points.emplace_back(cx0 + b.x(), cy0 + b.y());
        break;
    }
  }
  return points;
}

}  // namespace gdi
