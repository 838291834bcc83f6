// Integer helpers shared by the raster code: safe coordinate range and exact divisions.
#pragma once

#include <QPoint>
#include <algorithm>
#include <cstdint>

namespace gdi {

// Surface coordinates are clamped to this range, so that products of two differences
// fit in 64 bits. Shapes reaching beyond it are distorted there, never drawn out of bounds.
inline constexpr std::int64_t kCoordLimit = std::int64_t{1} << 27;

constexpr int ClampCoord(std::int64_t v) {
  return static_cast<int>(std::clamp(v, -kCoordLimit, kCoordLimit));
}

constexpr std::int64_t FloorDiv(std::int64_t n, std::int64_t d) {  // d > 0
  return n >= 0 ? n / d : -((-n + d - 1) / d);
}

constexpr std::int64_t CeilDiv(std::int64_t n, std::int64_t d) {  // d > 0
  return n >= 0 ? (n + d - 1) / d : -(-n / d);
}

}  // namespace gdi
