// Flood fills: the 4-connected area around a point, found span by span before the brush
// paints it, so that the brush's own colour never steers the fill.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "render/gdi/Dc.h"
#include "render/gdi/Region.h"

namespace gdi {

bool Dc::FloodFill(int x, int y, COLORREF border) { return ExtFloodFill(x, y, border, FloodType::Border); }

bool Dc::ExtFloodFill(int x, int y, COLORREF color, FloodType type) {
  const QPoint start = ToSurface(x, y);
  if (!surface_.rect().contains(start)) return false;
  const int w = surface_.width(), h = surface_.height();
  const QRgb target = ToQRgb(color);
  const auto* bits = reinterpret_cast<const QRgb*>(surface_.constBits());
  const qsizetype stride = surface_.bytesPerLine() / 4;
  std::vector<std::uint8_t> seen(std::size_t(w) * h, 0);
  auto fillable = [&](int px, int py) {
    if (seen[std::size_t(py) * w + px]) return false;
    const bool match = Opaque(bits[py * stride + px]) == target;
    return type == FloodType::Border ? !match : match;
  };
  if (!fillable(start.x(), start.y())) return false;

  Region area(surface_.rect());
  std::vector<QPoint> seeds{start};
  while (!seeds.empty()) {
    const QPoint s = seeds.back();
    seeds.pop_back();
    if (!fillable(s.x(), s.y())) continue;
    int x0 = s.x(), x1 = s.x() + 1;
    while (x0 > 0 && fillable(x0 - 1, s.y())) --x0;
    while (x1 < w && fillable(x1, s.y())) ++x1;
    std::fill_n(seen.begin() + std::ptrdiff_t(s.y()) * w + x0, x1 - x0, std::uint8_t{1});
    area.AddSpan(s.y(), x0, x1);
    // One seed per run of fillable pixels in the rows above and below.
    for (int ny : {s.y() - 1, s.y() + 1}) {
      if (ny < 0 || ny >= h) continue;
      bool inRun = false;
      for (int nx = x0; nx < x1; ++nx) {
        const bool f = fillable(nx, ny);
        if (f && !inRun) seeds.emplace_back(nx, ny);
        inRun = f;
      }
    }
  }
  PaintBrush(area, brush_);
  return true;
}

}  // namespace gdi
