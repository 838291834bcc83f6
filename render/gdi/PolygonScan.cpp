// Edge-list scan conversion. On row y an edge from (x0, y0) down to (x1, y1) crosses at
// x0 + ceil((y - y0) (x1 - x0) / (y1 - y0)); the crossings, sorted, bound the spans.
#include "render/gdi/PolygonScan.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "render/gdi/Coords.h"

namespace gdi {
namespace {

struct Edge {
  std::int64_t x0, y0, dx, dy;  // top point, and the step to the bottom point (dy > 0)
  int winding;                  // +1 for an edge drawn downward, -1 upward
  std::int64_t XAt(std::int64_t y) const { return x0 + CeilDiv((y - y0) * dx, dy); }
};

std::vector<Edge> BuildEdges(std::span<const QPoint> points, std::span<const int> counts) {
  std::vector<Edge> edges;
  std::size_t first = 0;
  for (int count : counts) {
    if (count < 2 || first + count > points.size()) break;
    for (int i = 0; i < count; ++i) {
      const QPoint from = points[first + (i == 0 ? count - 1 : i - 1)];
      const QPoint to = points[first + i];
      if (from.y() == to.y()) continue;
      const bool down = from.y() < to.y();
      const QPoint top = down ? from : to;
      const QPoint bottom = down ? to : from;
      edges.push_back({top.x(), top.y(), std::int64_t{bottom.x()} - top.x(),
                       std::int64_t{bottom.y()} - top.y(), down ? 1 : -1});
    }
    first += count;
  }
  std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.y0 < b.y0; });
  return edges;
}

}  // namespace

void ScanPolygons(std::span<const QPoint> points, std::span<const int> counts, FillMode mode, Region& out) {
  const std::vector<Edge> edges = BuildEdges(points, counts);
  if (edges.empty() || out.Clip().isEmpty()) return;

  std::int64_t yEnd = 0;
  for (const Edge& e : edges) yEnd = std::max(yEnd, e.y0 + e.dy);
  yEnd = std::min<std::int64_t>(yEnd, out.Clip().bottom() + 1);

  std::vector<const Edge*> active;
  std::vector<std::pair<std::int64_t, int>> crossings;
  std::size_t next = 0;
  for (std::int64_t y = std::max<std::int64_t>(edges.front().y0, out.Clip().top()); y < yEnd; ++y) {
    while (next < edges.size() && edges[next].y0 <= y) active.push_back(&edges[next++]);
    std::erase_if(active, [y](const Edge* e) { return e->y0 + e->dy <= y; });
    if (active.empty()) {
      if (next == edges.size()) break;
      y = std::max<std::int64_t>(y, edges[next].y0 - 1);  // skip the gap to the next edge
      continue;
    }

    crossings.clear();
    for (const Edge* e : active) crossings.emplace_back(e->XAt(y), e->winding);
    std::sort(crossings.begin(), crossings.end());

    int inside = 0;
    std::int64_t spanStart = 0;
    for (const auto& [x, winding] : crossings) {
      const int before = inside;
      inside = mode == FillMode::Alternate ? inside ^ 1 : inside + winding;
      if (before == 0 && inside != 0) spanStart = x;
      if (before != 0 && inside == 0) out.AddSpan(static_cast<int>(y), ClampCoord(spanStart), ClampCoord(x));
    }
  }
}

}  // namespace gdi
