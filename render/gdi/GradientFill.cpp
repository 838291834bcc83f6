// Gradient fills computed per pixel in 64-bit integers, clipped to the surface.
#include "render/gdi/GradientFill.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

#include "render/gdi/Pixels.h"

namespace gdi {
namespace {

using Channels = std::array<std::int64_t, 3>;

Channels ChannelsOf(const TriVertex& v) { return {v.red, v.green, v.blue}; }

QRgb Pixel(std::int64_t r, std::int64_t g, std::int64_t b) {
  auto to8 = [](std::int64_t c) { return static_cast<QRgb>(std::clamp<std::int64_t>(c >> 8, 0, 255)); };
  return 0xFF000000u | to8(r) << 16 | to8(g) << 8 | to8(b);
}

// n = q d + r with 0 <= r < d, for d > 0.
struct FloorQuotient {
  std::int64_t q, r;
  // n / d truncated toward zero, as the division operator gives it.
  std::int64_t Truncated() const { return q < 0 && r != 0 ? q + 1 : q; }
  void Add(const FloorQuotient& step, std::int64_t d) {
    q += step.q;
    r += step.r;
    if (r >= d) {
      r -= d;
      ++q;
    }
  }
};

FloorQuotient FloorDivide(std::int64_t n, std::int64_t d) {
  std::int64_t q = n / d, r = n % d;
  if (r < 0) {
    r += d;
    --q;
  }
  return {q, r};
}

// x on the edge from p down to q at row y, rounded up (the division truncates toward the
// edge's upper end).
std::int64_t EdgeX(std::int64_t y, QPoint p, QPoint q) {
  if (q.x() > p.x()) return q.x() + (y - q.y()) * (q.x() - p.x()) / (q.y() - p.y());
  return p.x() + (y - p.y()) * (q.x() - p.x()) / (q.y() - p.y());
}

}  // namespace

TriVertex MakeVertex(int x, int y, COLORREF color) {
  return {x,
          y,
          static_cast<std::uint16_t>(RedOf(color) << 8),
          static_cast<std::uint16_t>(GreenOf(color) << 8),
          static_cast<std::uint16_t>(BlueOf(color) << 8),
          0xFF00};
}

bool GradientFillRect(Dc& dc, const TriVertex (&v)[2], bool vertical) {
  QImage& surface = dc.Surface();
  const QPoint p0 = dc.ToSurface(v[0].x, v[0].y), p1 = dc.ToSurface(v[1].x, v[1].y);
  const TriVertex* a = &v[0];
  const TriVertex* b = &v[1];
  QPoint pa = p0, pb = p1;
  const bool swap = vertical ? pb.y() < pa.y() : pb.x() < pa.x();
  if (swap) {
    std::swap(a, b);
    std::swap(pa, pb);
  }
  const int left = vertical ? std::min(pa.x(), pb.x()) : pa.x();
  const int right = vertical ? std::max(pa.x(), pb.x()) : pb.x();
  const int top = vertical ? pa.y() : std::min(pa.y(), pb.y());
  const int bottom = vertical ? pb.y() : std::max(pa.y(), pb.y());
  const QRect box = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)) & surface.rect();
  if (box.isEmpty()) return true;

  const Channels ca = ChannelsOf(*a), cb = ChannelsOf(*b);
  const std::int64_t len = vertical ? bottom - top : right - left;
  auto at = [&](std::int64_t pos) {
    std::int64_t c[3];
    for (int i = 0; i < 3; ++i) c[i] = (ca[i] * (len - pos) + cb[i] * pos) / len;
    return Pixel(c[0], c[1], c[2]);
  };
  std::vector<QRgb> ramp;
  if (!vertical) {
    for (int x = box.left(); x <= box.right(); ++x) ramp.push_back(at(x - left));
  }
  for (int y = box.top(); y <= box.bottom(); ++y) {
    QRgb* row = Row(surface, y) + box.left();
    if (vertical)
      std::fill(row, row + box.width(), at(y - top));
    else
      std::copy(ramp.begin(), ramp.end(), row);
  }
  return true;
}

bool GradientFillTriangle(Dc& dc, const TriVertex (&v)[3]) {
  constexpr int kLimit = 1 << 20;
  std::array<std::pair<QPoint, Channels>, 3> t;
  for (int i = 0; i < 3; ++i) {
    const QPoint p = dc.ToSurface(v[i].x, v[i].y);
    if (std::abs(p.x()) > kLimit || std::abs(p.y()) > kLimit) return false;
    t[i] = {p, ChannelsOf(v[i])};
  }
  // Sorted by y, top first; vertices on one row keep their order.
  if (t[1].first.y() < t[0].first.y()) std::swap(t[0], t[1]);
  if (t[2].first.y() < t[1].first.y()) {
    std::swap(t[1], t[2]);
    if (t[1].first.y() < t[0].first.y()) std::swap(t[0], t[1]);
  }
  const QPoint p0 = t[0].first, p1 = t[1].first, p2 = t[2].first;
  const std::int64_t det =
      std::int64_t{p2.y() - p1.y()} * (p2.x() - p0.x()) - std::int64_t{p2.x() - p1.x()} * (p2.y() - p0.y());
  if (det == 0) return false;

  // Each channel's numerator c0 l1 + c1 l2 + c2 (det - l1 - l2) grows by a constant step
  // along a row, so its quotient by det is carried from pixel to pixel as a floor quotient
  // and remainder; truncation toward zero is the floor quotient plus one for a negative
  // inexact value. With det made positive the quotients are those of the formula.
  const std::int64_t sign = det < 0 ? -1 : 1;
  const std::int64_t d = det * sign;
  const std::int64_t a1 = p1.y() - p2.y(), b1 = p1.x() - p2.x();
  const std::int64_t a2 = p2.y() - p0.y(), b2 = p2.x() - p0.x();
  std::array<std::int64_t, 3> step{};
  for (int i = 0; i < 3; ++i)
    step[i] = sign * ((t[0].second[i] - t[2].second[i]) * a1 + (t[1].second[i] - t[2].second[i]) * a2);

  QImage& surface = dc.Surface();
  const int yEnd = std::min(p2.y(), surface.height());
  for (int y = std::max(p0.y(), 0); y < yEnd; ++y) {
    const std::int64_t x1 = y < p1.y() ? EdgeX(y, p0, p1) : EdgeX(y, p1, p2);
    const std::int64_t x2 = EdgeX(y, p0, p2);
    const int from = static_cast<int>(std::max<std::int64_t>(std::min(x1, x2), 0));
    const int to = static_cast<int>(std::min<std::int64_t>(std::max(x1, x2), surface.width()));
    if (from >= to) continue;
    const std::int64_t l1 = a1 * (from - p2.x()) - b1 * (y - p2.y());
    const std::int64_t l2 = a2 * (from - p2.x()) - b2 * (y - p2.y());
    std::array<FloorQuotient, 3> c, dc3;
    for (int i = 0; i < 3; ++i) {
      const std::int64_t n = t[0].second[i] * l1 + t[1].second[i] * l2 + t[2].second[i] * (det - l1 - l2);
      c[i] = FloorDivide(sign * n, d);
      dc3[i] = FloorDivide(step[i], d);
    }
    QRgb* row = Row(surface, y);
    for (int x = from; x < to; ++x) {
      row[x] = Pixel(c[0].Truncated(), c[1].Truncated(), c[2].Truncated());
      for (int i = 0; i < 3; ++i) c[i].Add(dc3[i], d);
    }
  }
  return true;
}

}  // namespace gdi
