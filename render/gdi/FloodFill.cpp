// Flood fills: the 4-connected area around a point, span by span. A span is painted as soon
// as it is found; pixels already painted are never taken again, either because their new
// colour no longer qualifies or, when it still would, because they are marked as reached.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "render/gdi/Dc.h"
#include "render/gdi/Pixels.h"

namespace gdi {
namespace {

// The pixels a fill may take: of the target colour (Surface) or of any other (Border).
template <bool kByBorder>
bool Qualifies(QRgb pixel, QRgb target) {
  return (Opaque(pixel) == target) != kByBorder;
}

// The walk over the surface; `paint` paints one span of a row. With kMarks false the
// painted colour must itself stop the fill.
template <bool kByBorder, bool kMarks, typename Paint>
void Flood(QImage& surface, QPoint start, QRgb target, Paint paint) {
  const int w = surface.width(), h = surface.height();
  const qsizetype stride = surface.bytesPerLine() / 4;
  std::vector<std::uint8_t> reached(kMarks ? std::size_t(w) * h : 0, 0);
  const QRgb* bits = reinterpret_cast<const QRgb*>(surface.constBits());
  auto fillable = [&](int x, int y) {
    if constexpr (kMarks)
      if (reached[std::size_t(y) * w + x]) return false;
    return Qualifies<kByBorder>(bits[y * stride + x], target);
  };
  std::vector<QPoint> seeds{start};
  while (!seeds.empty()) {
    const QPoint s = seeds.back();
    seeds.pop_back();
    const int y = s.y();
    if (!fillable(s.x(), y)) continue;
    int x0 = s.x(), x1 = s.x() + 1;
    while (x0 > 0 && fillable(x0 - 1, y)) --x0;
    while (x1 < w && fillable(x1, y)) ++x1;
    if constexpr (kMarks) std::fill_n(reached.begin() + std::ptrdiff_t(y) * w + x0, x1 - x0, std::uint8_t{1});
    // One seed per run of fillable pixels in the rows above and below.
    for (int ny : {y - 1, y + 1}) {
      if (ny < 0 || ny >= h) continue;
      bool inRun = false;
      for (int nx = x0; nx < x1; ++nx) {
        const bool f = fillable(nx, ny);
        if (f && !inRun) seeds.emplace_back(nx, ny);
        inRun = f;
      }
    }
    paint(y, x0, x1);
    bits = reinterpret_cast<const QRgb*>(surface.constBits());  // painting may have detached it
  }
}

}  // namespace

bool Dc::FloodFill(int x, int y, COLORREF border) { return ExtFloodFill(x, y, border, FloodType::Border); }

bool Dc::ExtFloodFill(int x, int y, COLORREF color, FloodType type) {
  const QPoint start = ToSurface(x, y);
  if (!surface_.rect().contains(start)) return false;
  const QRgb target = ToQRgb(color);
  const bool byBorder = type == FloodType::Border;
  const QRgb first = ConstRow(surface_, start.y())[start.x()];
  if (byBorder ? !Qualifies<true>(first, target) : !Qualifies<false>(first, target)) return false;

  auto paint = [this](int row, int x0, int x1) { PaintSpan(row, x0, x1, brush_); };
  // A solid brush whose colour no longer qualifies needs no record of what was reached.
  const bool solid = !brush_.hollow && brush_.pattern.isNull() && brush_.color != kNoColor;
  const bool stops = solid && Qualifies<false>(ToQRgb(brush_.color), target) == byBorder;
  if (byBorder)
    stops ? Flood<true, false>(surface_, start, target, paint) : Flood<true, true>(surface_, start, target, paint);
  else
    stops ? Flood<false, false>(surface_, start, target, paint) : Flood<false, true>(surface_, start, target, paint);
  return true;
}

}  // namespace gdi
