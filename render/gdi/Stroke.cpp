// Thin lines follow Bresenham with GDI's tie rule (in octants 3, 5, 6 and 8 the minor step
// comes one error unit early) and never draw their end point. Wide lines are the union of
// one quadrilateral per segment, a disc on every join and on the caps.
#include "render/gdi/Stroke.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <utility>
#include <vector>

#include "render/gdi/Coords.h"
#include "render/gdi/EllipseScan.h"
#include "render/gdi/PolygonScan.h"

namespace gdi {
namespace {

struct Pattern {
  std::array<int, 6> dashes{};  // on, off, on, off, ...
  int count = 0;                // 0: solid
  int total = 0;
};

// Dash, Dot, DashDot, DashDotDot: the screen lengths of cosmetic pens, and those of
// geometric pens in pen widths.
constexpr Pattern kCosmetic[] = {
    {{18, 6}, 2, 24}, {{3, 3}, 2, 6}, {{9, 6, 3, 6}, 4, 24}, {{9, 3, 3, 3, 3, 3}, 6, 24}};
constexpr Pattern kGeometric[] = {
    {{3, 1}, 2, 4}, {{1, 1}, 2, 2}, {{3, 1, 1, 1}, 4, 6}, {{3, 1, 1, 1, 1, 1}, 6, 8}};

Pattern PatternFor(const Pen& pen, int width) {
  if (pen.style == PenStyle::Solid || pen.style == PenStyle::Null) return {};
  const int style = static_cast<int>(pen.style) - static_cast<int>(PenStyle::Dash);
  if (pen.cosmetic) return width > 1 ? Pattern{} : kCosmetic[style];
  // Caps add half a width at each end of a dash: the dash gives that up to the gap.
  const int shrink = width > 1 && pen.cap != EndCap::Flat ? width : 0;
  Pattern p = kGeometric[style];
  for (int i = 0; i < p.count; ++i) p.dashes[i] = p.dashes[i] * width + (i % 2 == 0 ? -shrink : shrink);
  p.total *= width;
  return p;
}

// Where along the pattern the pen is: the dash, what is left of it, and whether it paints.
class Dash {
 public:
  explicit Dash(const Pattern& p) : p_(p), left_(p.dashes[0]) {}
  bool On() const { return on_; }
  int Left() const { return left_; }
  // Moving on by the rest of the current dash always reaches the next one, even when the
  // dash has length 0 (a dot between round caps). Whole periods are dropped from n, but
  // not the last one: skipping exactly one period must still pass a zero-length dash.
  void Skip(std::int64_t n) {
    if (n > p_.total) n = (n - 1) % p_.total + 1;
    do {
      if (left_ > n) {
        left_ -= static_cast<int>(n);
        return;
      }
      n -= left_;
      index_ = (index_ + 1) % p_.count;
      left_ = p_.dashes[index_];
      on_ = !on_;
    } while (n > 0);
  }

 private:
  Pattern p_;
  int index_ = 0;
  int left_;
  bool on_ = true;
};

// ---- one pixel wide ----

struct Octant {
  bool xMajor;
  int bias;
};

Octant OctantOf(std::int64_t dx, std::int64_t dy) {
  int o;
  if (dy > 0)
    o = dx > 0 ? (dx > dy ? 1 : 2) : (-dx > dy ? 4 : 3);
  else
    o = dx < 0 ? (-dx > -dy ? 5 : 6) : (dx > -dy ? 8 : 7);
  return {o == 1 || o == 4 || o == 5 || o == 8, o == 3 || o == 5 || o == 6 || o == 8 ? 1 : 0};
}

// The line from p towards q, q itself left out; dash (when not null) moves on by its length.
void ThinSegment(QPoint p, QPoint q, Dash* dash, Region& out) {
  const std::int64_t dx = std::int64_t{q.x()} - p.x(), dy = std::int64_t{q.y()} - p.y();
  if (dx == 0 && dy == 0) return;
  const Octant oct = OctantOf(dx, dy);
  const std::int64_t major = oct.xMajor ? std::llabs(dx) : std::llabs(dy);
  const std::int64_t minor = oct.xMajor ? std::llabs(dy) : std::llabs(dx);
  const int majorStep = (oct.xMajor ? dx : dy) > 0 ? 1 : -1;
  const int minorStep = (oct.xMajor ? dy : dx) > 0 ? 1 : -1;
  const std::int64_t major0 = oct.xMajor ? p.x() : p.y();
  const std::int64_t minor0 = oct.xMajor ? p.y() : p.x();
  // Pixel k lies at major0 + k * majorStep and minor0 + minorAt(k) * minorStep.
  auto minorAt = [&](std::int64_t k) { return (2 * k * minor + major + oct.bias - 1) / (2 * major); };

  const QRect& c = out.Clip();
  const std::int64_t majorLo = oct.xMajor ? c.left() : c.top();
  const std::int64_t majorHi = (oct.xMajor ? c.right() : c.bottom()) + 1;
  const std::int64_t minorLo = oct.xMajor ? c.top() : c.left();
  const std::int64_t minorHi = (oct.xMajor ? c.bottom() : c.right()) + 1;

  std::int64_t k0 = majorStep > 0 ? majorLo - major0 : major0 - majorHi + 1;
  std::int64_t k1 = majorStep > 0 ? majorHi - major0 : major0 - majorLo + 1;
  k0 = std::max<std::int64_t>(k0, 0);
  k1 = std::min(k1, major);
  // The minor coordinate only ever moves one way: find where it is inside by bisection.
  auto inside = [&](std::int64_t k) {
    const std::int64_t m = minor0 + minorAt(k) * minorStep;
    return m >= minorLo && m < minorHi;
  };
  auto before = [&](std::int64_t k) {  // still short of the clip rows
    const std::int64_t m = minor0 + minorAt(k) * minorStep;
    return minorStep > 0 ? m < minorLo : m >= minorHi;
  };
  auto firstTrue = [](std::int64_t lo, std::int64_t hi, auto&& pred) {
    while (lo < hi) {
      const std::int64_t mid = lo + (hi - lo) / 2;
      if (pred(mid))
        hi = mid;
      else
        lo = mid + 1;
    }
    return lo;
  };
  if (k0 < k1) {
    k0 = firstTrue(k0, k1, [&](std::int64_t k) { return !before(k); });
    k1 = firstTrue(k0, k1, [&](std::int64_t k) { return !inside(k); });
  }

  const std::optional<Dash> saved = dash ? std::optional<Dash>(*dash) : std::nullopt;
  if (dash && k0 < k1) dash->Skip(k0);
  for (std::int64_t k = k0; k < k1; ++k) {
    if (!dash || dash->On()) {
      const int a = static_cast<int>(major0 + k * majorStep);
      const int b = static_cast<int>(minor0 + minorAt(k) * minorStep);
      if (oct.xMajor)
        out.AddSpan(b, a, a + 1);
      else
        out.AddSpan(a, b, b + 1);
    }
    if (dash) dash->Skip(1);
  }
  if (dash) {
    *dash = *saved;
    dash->Skip(major);
  }
}

// ---- wider than one pixel ----

int RoundHalfAway(double v) { return static_cast<int>(v > 0 ? v + 0.5 : v - 0.5); }

class WideStroker {
 public:
  WideStroker(std::span<const QPoint> pts, bool closed, int width, EndCap cap, Region& out)
      : pts_(pts),
        closed_(closed),
        width_(width),
        cap_(cap),
        out_(out),
        disc_(EllipseRows(-(width / 2), -(width / 2), (width + 1) / 2, (width + 1) / 2)) {}

  void Solid() {
    const int n = static_cast<int>(pts_.size());
    if (closed_)
      Piece(0, n, pts_[0], pts_[0], true);
    else
      Piece(0, n - 1, pts_[0], pts_[n - 1], false);
  }

  // Walks the path dash by dash; each painted dash is an open piece with its own caps.
  // Along a slanted segment positions are measured in floating point and truncated, and
  // what is left of a segment is truncated before it counts against the next dash.
  void Dashed(const Pattern& pattern) {
    Dash dash(pattern);
    const int n = static_cast<int>(pts_.size());
    int start = 0;
    int done = 0;  // how far into the current segment the last dash ended
    QPoint from = pts_[0];
    int firstCount = 0;  // closed paths: the first dash, kept to join up with the last
    QPoint firstEnd;
    for (int i = 0; i < (closed_ ? n : n - 1);) {
      const QPoint p1 = At(i), p2 = At(i + 1);
      const std::int64_t dx = std::int64_t{p2.x()} - p1.x(), dy = std::int64_t{p2.y()} - p1.y();
      if (dx == 0 && dy == 0) {
        ++i;
        continue;
      }
      const bool axis = dx == 0 || dy == 0;
      const double length =
          axis ? static_cast<double>(std::llabs(dx + dy)) : std::hypot(double(dx), double(dy));
      auto pointAt = [&](std::int64_t d) {
        if (axis) return p1 + QPoint(int(dx > 0 ? d : dx < 0 ? -d : 0), int(dy > 0 ? d : dy < 0 ? -d : 0));
        return p1 +
               QPoint(static_cast<int>(double(dx) * d / length), static_cast<int>(double(dy) * d / length));
      };
      // Away from the surface nothing shows: jump whole periods of the pattern (the dash
      // state repeats exactly) up to the visible stretch, and past it to the next segment.
      if (firstCount != 0 || !closed_) {
        const auto [nearEnd, farEnd] = VisibleStretch(p1, p2);
        if (done >= farEnd * length) {
          dash.Skip(static_cast<std::int64_t>(length - done));
          done = 0;
          ++i;
          from = p2;
          start = i;
          continue;
        }
        const double ahead = nearEnd * length - done;
        if (ahead > 2.0 * pattern.total) {
          done += static_cast<int>(std::floor(ahead / pattern.total) - 1) * pattern.total;
          from = pointAt(done);
          start = i;
        }
      }
      if (length - done < dash.Left()) {
        dash.Skip(static_cast<std::int64_t>(length - done));
        done = 0;
        ++i;
        continue;
      }
      done += dash.Left();
      const QPoint to = pointAt(done);
      if (dash.On()) {
        if (firstCount == 0 && closed_) {
          firstCount = i - start + 1;
          firstEnd = to;
        } else {
          Piece(start, i - start + 1, from, to, false);
        }
      }
      if (firstCount == 0) firstCount = -1;
      dash.Skip(dash.Left());
      from = to;
      start = i;
    }
    if (dash.On()) {
      if (firstCount > 0)
        Piece(start, n - start + firstCount, from, firstEnd, false);
      else if (closed_)
        Piece(start, n - start, from, pts_[0], false);
      else
        Piece(start, n - start - 1, from, pts_[n - 1], false);
    } else if (firstCount > 0) {
      Piece(0, firstCount, pts_[0], firstEnd, false);
    }
  }

 private:
  QPoint At(int i) const { return pts_[i % pts_.size()]; }

  // The part of the segment p1-p2 (as fractions 0..1 of its length) that passes within a
  // pen width of the surface; empty (near > far) when none does.
  std::pair<double, double> VisibleStretch(QPoint p1, QPoint p2) const {
    const QRect c = out_.Clip().adjusted(-width_ - 2, -width_ - 2, width_ + 2, width_ + 2);
    const double dx = double(p2.x()) - p1.x(), dy = double(p2.y()) - p1.y();
    double nearEnd = 0, farEnd = 1;
    const std::pair<double, double> sides[] = {{-dx, double(p1.x()) - c.left()},
                                               {dx, double(c.right()) - p1.x()},
                                               {-dy, double(p1.y()) - c.top()},
                                               {dy, double(c.bottom()) - p1.y()}};
    for (const auto& [p, q] : sides) {
      if (p == 0) {
        if (q < 0) return {1, -1};
      } else if (p < 0) {
        nearEnd = std::max(nearEnd, q / p);
      } else {
        farEnd = std::min(farEnd, q / p);
      }
    }
    return nearEnd <= farEnd ? std::pair{nearEnd, farEnd} : std::pair{1.0, -1.0};
  }

  // Most joins of a long outline lie far off a small surface: skip those quickly.
  void Disc(QPoint p) {
    const int reach = (width_ + 1) / 2;
    if (QRect(p.x() - reach, p.y() - reach, 2 * reach + 1, 2 * reach + 1).intersects(out_.Clip()))
      out_.AddSpans(disc_, p.x(), p.y());
  }

  // count segments from point start; the first begins at `first` and the last ends at
  // `last` (points along the path's own segments, which give the directions).
  void Piece(int start, int count, QPoint first, QPoint last, bool closedFigure) {
    if (count < 1) return;
    if (!closedFigure && cap_ == EndCap::Round) {
      Disc(first);
      Disc(last);
    }
    auto dir = [&](int i) { return At(i + 1) - At(i); };
    if (count == 1) {
      Segment(first, last, dir(start), true, true);
      return;
    }
    Segment(first, At(start + 1), dir(start), !closedFigure, false);
    for (int i = 1; i < count - 1; ++i) {
      if (Segment(At(start + i), At(start + i + 1), dir(start + i), false, false)) Disc(At(start + i));
    }
    Segment(At(start + count - 1), last, dir(start + count - 1), false, !closedFigure);
    Disc(At(start + count - 1));
    if (closedFigure) Disc(last);
  }

  // The body of one segment from p1 to p2, along direction d; square caps extend it by
  // half the width where asked.
  bool Segment(QPoint p1, QPoint p2, QPoint d, bool cap1, bool cap2) {
    const bool sq1 = cap1 && cap_ == EndCap::Square;
    const bool sq2 = cap2 && cap_ == EndCap::Square;
    const int w = width_;
    const int dx = d.x(), dy = d.y();
    if (dx == 0 && dy == 0) return false;
    if (dy == 0) {
      int left = std::min(p1.x(), p2.x()), right = std::max(p1.x(), p2.x());
      const int top = p1.y() - w / 2;
      if ((sq1 && dx > 0) || (sq2 && dx < 0)) left -= w / 2;
      if ((sq2 && dx > 0) || (sq1 && dx < 0)) right += w / 2;
      out_.AddRect(left, top, right, top + w);
      return true;
    }
    if (dx == 0) {
      int top = std::min(p1.y(), p2.y()), bottom = std::max(p1.y(), p2.y());
      const int left = p1.x() - w / 2;
      if ((sq1 && dy > 0) || (sq2 && dy < 0)) top -= w / 2;
      if ((sq2 && dy > 0) || (sq1 && dy < 0)) bottom += w / 2;
      out_.AddRect(left, top, left + w, bottom);
      return true;
    }
    // Half widths across the segment, the wider half on one side when w is odd.
    const double len = std::hypot(double(dx), double(dy));
    const double wx = w * std::abs(double(dy)) / len;
    const double wy = w * std::abs(double(dx)) / len;
    QPoint narrow(RoundHalfAway(wx / 2), RoundHalfAway(wy / 2));
    QPoint wide(RoundHalfAway((wx + 1) / 2), RoundHalfAway((wy + 1) / 2));
    if (dx < 0) {
      wide.ry() = -wide.y();
      narrow.ry() = -narrow.y();
    }
    if (dy < 0) {
      std::swap(narrow, wide);
      wide.rx() = -wide.x();
      narrow.rx() = -narrow.x();
    }
    std::array<QPoint, 4> quad = {p1 + QPoint(-narrow.x(), narrow.y()), p1 + QPoint(wide.x(), -wide.y()),
                                  p2 + QPoint(wide.x(), -wide.y()), p2 + QPoint(-narrow.x(), narrow.y())};
    if (sq1) {
      quad[0] -= QPoint(narrow.y(), narrow.x());
      quad[1] -= QPoint(narrow.y(), narrow.x());
    }
    if (sq2) {
      quad[2] += QPoint(wide.y(), wide.x());
      quad[3] += QPoint(wide.y(), wide.x());
    }
    const int four = 4;
    ScanPolygons(quad, std::span(&four, 1), FillMode::Alternate, out_);
    return true;
  }

  std::span<const QPoint> pts_;
  bool closed_;
  int width_;
  EndCap cap_;
  Region& out_;
  std::vector<RowSpan> disc_;
};

}  // namespace

void StrokePath(std::span<const QPoint> points, bool closed, const Pen& pen, Region& out) {
  if (pen.style == PenStyle::Null || points.size() < 2) return;
  const int width = std::clamp(pen.width, 1, kMaxPenWidth);
  const Pattern pattern = PatternFor(pen, width);

  if (width == 1) {
    std::optional<Dash> dash;
    if (pattern.count > 0) dash.emplace(pattern);
    Dash* d = dash ? &*dash : nullptr;
    for (std::size_t i = 0; i + 1 < points.size(); ++i) ThinSegment(points[i], points[i + 1], d, out);
    if (closed) ThinSegment(points.back(), points.front(), d, out);
    return;
  }

  // Repeated points at either end of the path count once.
  std::size_t first = 0, last = points.size();
  while (last - first > 2 && points[first] == points[first + 1]) ++first;
  while (last - first > 2 && points[last - 1] == points[last - 2]) --last;
  WideStroker stroker(points.subspan(first, last - first), closed, width, pen.cap, out);
  if (pattern.count > 0)
    stroker.Dashed(pattern);
  else
    stroker.Solid();
}

}  // namespace gdi
