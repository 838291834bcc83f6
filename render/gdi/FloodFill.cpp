// Flood fills: the 4-connected area around a point, span by span. A span is painted as soon
// as it is found: every painted pixel is already marked as reached, so the brush's own
// colour never steers the fill.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "render/gdi/Dc.h"

namespace gdi {

bool Dc::FloodFill(int x, int y, COLORREF border) { return ExtFloodFill(x, y, border, FloodType::Border); }

bool Dc::ExtFloodFill(int x, int y, COLORREF color, FloodType type) {
  const QPoint start = ToSurface(x, y);
  if (!surface_.rect().contains(start)) return false;
  const int w = surface_.width(), h = surface_.height();
  const QRgb target = ToQRgb(color);
  const bool byBorder = type == FloodType::Border;
  const qsizetype stride = surface_.bytesPerLine() / 4;
  const QRgb* bits = reinterpret_cast<const QRgb*>(surface_.constBits());
  std::vector<std::uint8_t> reached(std::size_t(w) * h, 0);
  // Pixel i of row y: not reached yet, and of the target colour (Surface) or not (Border).
  auto fillable = [&](const QRgb* row, const std::uint8_t* seen, int i) {
    return !seen[i] && (Opaque(row[i]) == target) != byBorder;
  };
  if (!fillable(bits + start.y() * stride, reached.data() + std::size_t(start.y()) * w, start.x()))
    return false;

  std::vector<QPoint> seeds{start};
  while (!seeds.empty()) {
    const QPoint s = seeds.back();
    seeds.pop_back();
    const QRgb* row = bits + s.y() * stride;
    std::uint8_t* seen = reached.data() + std::size_t(s.y()) * w;
    if (!fillable(row, seen, s.x())) continue;
    int x0 = s.x(), x1 = s.x() + 1;
    while (x0 > 0 && fillable(row, seen, x0 - 1)) --x0;
    while (x1 < w && fillable(row, seen, x1)) ++x1;
    std::fill(seen + x0, seen + x1, std::uint8_t{1});
    // One seed per run of fillable pixels in the rows above and below.
    for (int ny : {s.y() - 1, s.y() + 1}) {
      if (ny < 0 || ny >= h) continue;
      const QRgb* near = bits + ny * stride;
      const std::uint8_t* nearSeen = reached.data() + std::size_t(ny) * w;
      bool inRun = false;
      for (int nx = x0; nx < x1; ++nx) {
        const bool f = fillable(near, nearSeen, nx);
        if (f && !inRun) seeds.emplace_back(nx, ny);
        inRun = f;
      }
    }
    PaintSpan(s.y(), x0, x1, brush_);
    bits = reinterpret_cast<const QRgb*>(surface_.constBits());  // painting may have detached it
  }
  return true;
}

}  // namespace gdi
