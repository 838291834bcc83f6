#include "render/glyph/NativeOutline.h"

namespace native {

void Writer::PutU16(std::uint16_t v) {
  bytes_.append(static_cast<char>(v & 0xFF));
  bytes_.append(static_cast<char>(v >> 8));
}

void Writer::PutU32(std::uint32_t v) {
  PutU16(static_cast<std::uint16_t>(v & 0xFFFF));
  PutU16(static_cast<std::uint16_t>(v >> 16));
}

// The header's size field counts everything up to the end of the bytes so far.
void Writer::PatchSize() {
  if (contourStart_ < 0) return;
  const auto size = static_cast<std::uint32_t>(bytes_.size() - contourStart_);
  for (int k = 0; k < 4; ++k) bytes_[contourStart_ + k] = static_cast<char>(size >> (8 * k) & 0xFF);
}

void Writer::BeginContour(FixedPoint start, std::uint32_t type) {
  contourStart_ = bytes_.size();
  PutU32(0);
  PutU32(type);
  PutU32(static_cast<std::uint32_t>(start.x));
  PutU32(static_cast<std::uint32_t>(start.y));
  PatchSize();
}

void Writer::AddRecord(std::uint16_t type, std::span<const FixedPoint> points) {
  PutU16(type);
  PutU16(static_cast<std::uint16_t>(points.size()));
  for (const FixedPoint& p : points) {
    PutU32(static_cast<std::uint32_t>(p.x));
    PutU32(static_cast<std::uint32_t>(p.y));
  }
  PatchSize();
}

}  // namespace native
