#include "render/glyph/GlyphToBlocks.h"

#include <cstdint>

#include "render/glyph/NativeOutline.h"

namespace {

using native::FixedPoint;

class Reader {
 public:
  explicit Reader(QByteArrayView bytes) : bytes_(bytes) {}
  bool Has(qsizetype at, qsizetype n) const { return at >= 0 && n >= 0 && at + n <= bytes_.size(); }
  std::uint16_t U16(qsizetype at) const {
    return static_cast<std::uint16_t>(Byte(at) | Byte(at + 1) << 8);
  }
  std::uint32_t U32(qsizetype at) const { return U16(at) | static_cast<std::uint32_t>(U16(at + 2)) << 16; }
  FixedPoint Point(qsizetype at) const {
    return {static_cast<std::int32_t>(U32(at)), static_cast<std::int32_t>(U32(at + 4))};
  }

 private:
  unsigned Byte(qsizetype at) const { return static_cast<unsigned char>(bytes_[at]); }
  QByteArrayView bytes_;
};

QPoint Round(FixedPoint p) { return {RoundFixed(p.x), RoundFixed(p.y)}; }

// Half way between two fixed-point values, truncated toward zero.
std::int32_t Half(std::int32_t u, std::int32_t v) {
  return static_cast<std::int32_t>((std::int64_t{u} + v) / 2);
}

// A straight segment's controls are its own end and start.
void AppendLine(std::vector<QPoint>& out, QPoint from, QPoint to) {
  out.push_back(to);
  out.push_back(from);
  out.push_back(to);
}

// The quadratic piece s, c, e as the cubic with the same curve.
void AppendQuadratic(std::vector<QPoint>& out, QPoint s, QPoint c, QPoint e) {
  out.emplace_back(s.x() + 2 * (c.x() - s.x()) / 3, s.y() + 2 * (c.y() - s.y()) / 3);
  out.emplace_back(c.x() + (e.x() - c.x()) / 3, c.y() + (e.y() - c.y()) / 3);
  out.push_back(e);
}

void AppendSpline(std::vector<QPoint>& out, FixedPoint& prev, const std::vector<FixedPoint>& a) {
  const std::size_t last = a.size() - 1;
  std::size_t i = 0;
  while (i < last) {
    FixedPoint end;
    if (i + 1 == last) {
      end = a[i + 1];
    } else {
      end = {Half(a[i].x, a[i + 1].x), Half(a[i].y, a[i + 1].y)};
    }
    AppendQuadratic(out, Round(prev), Round(a[i]), Round(end));
    prev = end;
    i += i + 1 == last ? 2 : 1;
  }
}

// One contour's points from its first point to its closing point, or nothing
// when its records do not fit inside it.
std::optional<std::vector<QPoint>> ReadContour(const Reader& in, qsizetype at, qsizetype end) {
  FixedPoint prev = in.Point(at + 8);
  const QPoint p0 = Round(prev);
  std::vector<QPoint> out{p0};
  for (qsizetype r = at + native::kHeaderBytes; r < end;) {
    if (r + native::kRecordBytes > end) return std::nullopt;
    const std::uint16_t type = in.U16(r);
    const int n = in.U16(r + 2);
    const qsizetype first = r + native::kRecordBytes;
    r = first + qsizetype{n} * native::kPointBytes;
    if (r > end) return std::nullopt;
    if (n == 0) continue;
    std::vector<FixedPoint> a;
    a.reserve(n);
    for (int k = 0; k < n; ++k) a.push_back(in.Point(first + qsizetype{k} * native::kPointBytes));
    if (type == native::kLine) {
      for (const FixedPoint& q : a) {
        AppendLine(out, Round(prev), Round(q));
        prev = q;
      }
    } else if (type == native::kQSpline) {
      AppendSpline(out, prev, a);
    }
    prev = a.back();
  }
  // Closing here keeps every contour a run of 3k + 1 points from p0 back to p0.
  if (out.back() != p0) AppendLine(out, out.back(), p0);
  for (QPoint& p : out) p.setY(-p.y());
  return out;
}

}  // namespace

int RoundFixed(std::int32_t v) {
  const int whole = v >> 16;  // the signed high half: floor for negative values
  return (static_cast<std::uint32_t>(v) & 0xFFFF) >= 0x8000 ? whole + 1 : whole;
}

BlockList GlyphToBlocks(QByteArrayView outline) {
  BlockList result;
  const Reader in(outline);
  for (qsizetype at = 0; in.Has(at, native::kHeaderBytes);) {
    const std::uint32_t size = in.U32(at);
    if (in.U32(at + 4) != native::kPolygonType) break;
    if (size < native::kHeaderBytes || !in.Has(at, size)) break;
    const std::optional<std::vector<QPoint>> contour = ReadContour(in, at, at + size);
    if (!contour) break;
    at += size;
    const std::vector<QPoint>& c = *contour;
    if (c.size() == 1) continue;  // a start point without segments draws nothing
    result.points.insert(result.points.end(), c.begin(), c.end());
    result.points.push_back(c.back());
    result.points.push_back(c.back());
    ++result.contours;
  }
  return result;
}
