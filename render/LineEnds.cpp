#include "render/LineEnds.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/Records.h"
#include "geometry/MathSub.h"
#include "geometry/Rotation.h"
#include "render/LinePens.h"
#include "render/gdi/Dc.h"

namespace {

namespace endstyle {
inline constexpr int Arrow = 1;
inline constexpr int Circle = 2;
inline constexpr int Square = 3;
}  // namespace endstyle

// End k's vertex and its neighbour: vertex 0 and 1, or the last and the one before it.
std::pair<int, int> EndIndices(int k, int n) { return k == 0 ? std::pair{0, 1} : std::pair{n - 1, n - 2}; }

// Moves by a share of each axis's difference; |dx| x R / L is exact integer arithmetic.
int Toward(int from, int to, int reach, int length) {
  const int step = static_cast<int>(static_cast<long long>(std::abs(to - from)) * reach / length);
  return to > from ? from + step : from - step;
}

void DrawArrow(gdi::Dc& dc, const LineEnd& e, QPoint tip, QPoint base, float zoom) {
  const double g = CMathSub::Distance(tip, base);
  if (g == 0) return;
  const double half = (ToView(e.EndSize, zoom) + 5) * 0.5;
  const QPoint v(static_cast<int>(std::floor(half * (tip.y() - base.y()) / g)),
                 static_cast<int>(std::floor(half * -(tip.x() - base.x()) / g)));
  const QPoint head[3] = {base - v, tip, base + v};
  if (e.refEnd != kNoColor) {
    dc.SelectPen({gdi::PenStyle::Null, 1, 0});
    dc.SelectBrush({e.refEnd});
    dc.Polygon(head);
  }
  if (e.refEndLine != kNoColor)
    for (const StrokePass& pass : StrokePasses(e.EndLineStyle, e.EndFutosa, e.refEndLine, zoom))
      DrawClosed(dc, head, pass);
}

void DrawBox(gdi::Dc& dc, const LineEnd& e, QPoint at, float zoom) {
  const int hw = ToView(e.EndSize + 3, zoom);
  const int hh = ToView(e.EndLen + 3, zoom);
  const int l = at.x() - hw, t = at.y() - hh, r = at.x() + hw, b = at.y() + hh;
  const bool circle = e.EndStyle == endstyle::Circle;
  if (e.refEnd != kNoColor) {
    dc.SelectPen({gdi::PenStyle::Null, 1, 0});
    dc.SelectBrush({e.refEnd});
    circle ? dc.Ellipse(l, t, r, b) : dc.Rectangle(l, t, r, b);
  }
  if (e.refEndLine == kNoColor) return;
  std::vector<StrokePass> passes = StrokePasses(e.EndLineStyle, e.EndFutosa, e.refEndLine, zoom);
  if (!circle) {
    const QPoint corners[4] = {{l, t}, {r, t}, {r, b}, {l, b}};
    for (const StrokePass& pass : passes) DrawClosed(dc, corners, pass);
    return;
  }
  if (passes.size() == 1) passes.front().width = std::max(1, ToView(e.EndFutosa, zoom));
  dc.SelectBrush({kNoColor, true});
  for (const StrokePass& pass : passes) {
    dc.SelectPen({pass.style, pass.width, pass.colour});
    dc.Ellipse(l, t, r, b);
  }
}

}  // namespace

std::vector<QPoint> PullBackArrowEnds(const ObjectRecord& r, std::vector<QPoint> points, float zoom) {
  const int n = static_cast<int>(points.size());
  if (n < 2) return points;
  const std::vector<QPoint> stored = points;  // both ends measure from the unmoved vertices
  for (int k = 0; k < 2; ++k) {
    const LineEnd& e = r.Ends[k];
    if (e.EndStyle != endstyle::Arrow) continue;
    const auto [end, next] = EndIndices(k, n);
    const QPoint from = stored[end];
    const QPoint to = stored[next];
    const int length = CMathSub::Trunc(CMathSub::Distance(from, to));
    if (length == 0) continue;
    const int reach = std::min(ToView(2 * e.EndLen + 8, zoom), length);
    points[end] = QPoint(Toward(from.x(), to.x(), reach, length), Toward(from.y(), to.y(), reach, length));
  }
  return points;
}

void DrawLineEnds(gdi::Dc& dc, const ObjectRecord& r, const std::vector<QPoint>& points,
                  const std::vector<QPoint>& pulled, float zoom) {
  const int n = static_cast<int>(std::min(points.size(), pulled.size()));
  if (n < 2) return;
  for (int k = 0; k < 2; ++k) {
    const LineEnd& e = r.Ends[k];
    const int end = EndIndices(k, n).first;
    if (e.EndStyle == endstyle::Arrow) DrawArrow(dc, e, points[end], pulled[end], zoom);
    else if (e.EndStyle == endstyle::Circle || e.EndStyle == endstyle::Square) DrawBox(dc, e, points[end], zoom);
  }
}
