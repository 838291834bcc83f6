// One nearest-neighbour copy serves all three blits: a table of source columns for the
// visible destination columns, one of source rows, then a plain loop.
#include "render/gdi/Blit.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "render/gdi/Coords.h"
#include "render/gdi/Pixels.h"

namespace gdi {
namespace {

// One axis of a copy: the first pixel and a signed extent, GDI style.
struct Axis {
  std::int64_t start;
  std::int64_t extent;
};

// The source pixel (0 .. m - 1) for destination pixel j (0 .. n - 1).
std::int64_t SourceIndex(std::int64_t j, std::int64_t m, std::int64_t n) {
  if (m <= n) return ((2 * j + 1) * m - 1) / (2 * n);
  return (2 * m * (j + 1) - n) / (2 * n);
}

// For every destination pixel inside 0 .. dstSize - 1: its position and its source
// position, when that lies inside 0 .. srcSize - 1.
std::vector<std::pair<int, int>> MapAxis(Axis dst, Axis src, int dstSize, int srcSize) {
  std::vector<std::pair<int, int>> map;
  const std::int64_t n = dst.extent < 0 ? -dst.extent : dst.extent;
  const std::int64_t m = src.extent < 0 ? -src.extent : src.extent;
  const int dstStep = dst.extent < 0 ? -1 : 1, srcStep = src.extent < 0 ? -1 : 1;
  // Only the destination pixels that land on the surface.
  std::int64_t j0 = dstStep > 0 ? -dst.start : dst.start - dstSize + 1;
  std::int64_t j1 = dstStep > 0 ? dstSize - dst.start : dst.start + 1;
  j0 = std::max<std::int64_t>(j0, 0);
  j1 = std::min(j1, n);
  for (std::int64_t j = j0; j < j1; ++j) {
    const std::int64_t s = src.start + srcStep * SourceIndex(j, m, n);
    if (s >= 0 && s < srcSize)
      map.emplace_back(static_cast<int>(dst.start + dstStep * j), static_cast<int>(s));
  }
  return map;
}

// Pixel for pixel, as MapAxis maps equal extents, without the tables.
void CopyUnscaled(QImage& surface, Axis dx, Axis dy, const QImage& src, Axis sx, Axis sy,
                  std::optional<QRgb> key) {
  // The destination pixels inside the surface whose source pixels lie inside the source.
  const std::int64_t x0 = std::max({std::int64_t{0}, dx.start, dx.start - sx.start});
  const std::int64_t x1 = std::min({std::int64_t{surface.width()}, dx.start + dx.extent,
                                    dx.start - sx.start + src.width()});
  const std::int64_t y0 = std::max({std::int64_t{0}, dy.start, dy.start - sy.start});
  const std::int64_t y1 = std::min({std::int64_t{surface.height()}, dy.start + dy.extent,
                                    dy.start - sy.start + src.height()});
  if (x0 >= x1 || y0 >= y1) return;
  const std::int64_t shiftX = sx.start - dx.start, shiftY = sy.start - dy.start;
  for (std::int64_t y = y0; y < y1; ++y) {
    const QRgb* from = ConstRow(src, static_cast<int>(y + shiftY)) + shiftX;
    QRgb* to = Row(surface, static_cast<int>(y));
    if (key) {
      for (std::int64_t x = x0; x < x1; ++x) {
        const QRgb p = Opaque(from[x]);
        if (p != *key && p != kNoColorPixel) to[x] = p;
      }
    } else {
      for (std::int64_t x = x0; x < x1; ++x) to[x] = Opaque(from[x]);
    }
  }
}

// Copies with an optional key; the no-colour pixel never passes a keyed copy.
void Copy(Dc& dc, Axis dx, Axis dy, const QImage& source, Axis sx, Axis sy, std::optional<QRgb> key) {
  if (dx.extent == 0 || dy.extent == 0 || sx.extent == 0 || sy.extent == 0 || source.isNull()) return;
  QImage& surface = dc.Surface();
  // GDI takes a one-pixel-wide destination from one source pixel less.
  if (dx.extent == 1 && sx.extent > 1) --sx.extent;
  if (dy.extent == 1 && sy.extent > 1) --sy.extent;
  // A source in another format, or one that shares the surface's pixels, is copied first.
  QImage src = Is32Bit(source.format()) ? source : source.convertToFormat(QImage::Format_RGB32);
  if (src.constBits() == surface.constBits()) src = src.copy();

  dx.start -= dc.WindowOrg().x();
  dy.start -= dc.WindowOrg().y();
  if (dx.extent > 0 && dy.extent > 0 && dx.extent == sx.extent && dy.extent == sy.extent) {
    CopyUnscaled(surface, dx, dy, src, sx, sy, key);
    return;
  }
  const auto cols = MapAxis(dx, sx, surface.width(), src.width());
  const auto rows = MapAxis(dy, sy, surface.height(), src.height());
  for (const auto& [y, srcY] : rows) {
    const QRgb* from = ConstRow(src, srcY);
    QRgb* to = Row(surface, y);
    if (key) {
      for (const auto& [x, srcX] : cols) {
        const QRgb p = Opaque(from[srcX]);
        if (p != *key && p != kNoColorPixel) to[x] = p;
      }
    } else {
      for (const auto& [x, srcX] : cols) to[x] = Opaque(from[srcX]);
    }
  }
}

// Extents are limited like coordinates, so that the index arithmetic stays in 64 bits.
// (QRect keeps its corners; width() itself could overflow.)
Axis XOf(const QRect& r) { return {r.left(), ClampCoord(std::int64_t{r.right()} - r.left() + 1)}; }
Axis YOf(const QRect& r) { return {r.top(), ClampCoord(std::int64_t{r.bottom()} - r.top() + 1)}; }
bool Mirrors(const QRect& r) { return XOf(r).extent < 0 || YOf(r).extent < 0; }

}  // namespace

bool BitBlt(Dc& dst, int x, int y, int w, int h, const QImage& src, int sx, int sy) {
  Copy(dst, {x, ClampCoord(w)}, {y, ClampCoord(h)}, src, {sx, ClampCoord(w)}, {sy, ClampCoord(h)},
       std::nullopt);
  return true;
}

bool StretchBlt(Dc& dst, const QRect& to, const QImage& src, const QRect& from) {
  Copy(dst, XOf(to), YOf(to), src, XOf(from), YOf(from), std::nullopt);
  return true;
}

bool TransparentBlt(Dc& dst, const QRect& to, const QImage& src, const QRect& from, COLORREF key) {
  if (Mirrors(to) || Mirrors(from)) return false;
  Copy(dst, XOf(to), YOf(to), src, XOf(from), YOf(from), ToQRgb(key));
  return true;
}

}  // namespace gdi
