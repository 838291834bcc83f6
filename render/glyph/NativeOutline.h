// The font engine's native outline of one glyph as bytes: contour headers, each
// followed by line and quadratic-spline records. All values are little-endian;
// coordinates are 16.16 fixed point in pixels with y growing upward.
//
//   contour header (16 bytes): u32 size of the contour with its header,
//                              u32 type (24), i32 start x, i32 start y
//   record (4 + 8n bytes):     u16 type (1 line, 2 quadratic spline), u16 n,
//                              n points of i32 x, i32 y
//
// A line record lists the ends of consecutive straight segments. A spline record
// lists control points and ends with an on-curve point; between two consecutive
// control points lies an implied on-curve point half way. A contour closes back
// to its start; a closing straight segment is left implied.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <span>

namespace native {

inline constexpr std::uint32_t kPolygonType = 24;
inline constexpr std::uint16_t kLine = 1;
inline constexpr std::uint16_t kQSpline = 2;
inline constexpr std::uint16_t kCSpline = 3;  // cubic; never written, skipped when read
inline constexpr int kHeaderBytes = 16;
inline constexpr int kRecordBytes = 4;
inline constexpr int kPointBytes = 8;

struct FixedPoint {
  std::int32_t x = 0;  // 16.16
  std::int32_t y = 0;
  friend bool operator==(const FixedPoint&, const FixedPoint&) = default;
};

constexpr std::int32_t ToFixed(int pixels) { return static_cast<std::int32_t>(pixels * 65536); }

// Builds the bytes contour by contour.
class Writer {
 public:
  void BeginContour(FixedPoint start, std::uint32_t type = kPolygonType);
  void AddRecord(std::uint16_t type, std::span<const FixedPoint> points);
  QByteArray Bytes() const { return bytes_; }

 private:
  void PutU16(std::uint16_t v);
  void PutU32(std::uint32_t v);
  void PatchSize();

  QByteArray bytes_;
  qsizetype contourStart_ = -1;
};

}  // namespace native
