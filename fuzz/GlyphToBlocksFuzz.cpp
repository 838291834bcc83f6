// Feeds arbitrary bytes to GlyphToBlocks. Whatever it returns must be whole
// contours: each at least a start, one segment and two connector copies, so the
// list is a multiple of three and ends on a repeated point.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "render/glyph/GlyphToBlocks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const BlockList b = GlyphToBlocks(QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  const std::size_t n = b.points.size();
  if (n % 3 != 0 || (n == 0) != (b.contours == 0) || n < 6 * static_cast<std::size_t>(b.contours)) std::abort();
  if (n > 0 && (b.points[n - 1] != b.points[n - 2] || b.points[n - 2] != b.points[n - 3])) std::abort();
  return 0;
}
