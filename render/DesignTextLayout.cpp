#include "render/DesignTextLayout.h"

#include <cstring>

#include "base/Cp932.h"
#include "core/Records.h"
#include "geometry/Angles.h"
#include "geometry/MathSub.h"
#include "geometry/Rotation.h"

std::vector<Cp932Char> SplitCp932(QByteArrayView bytes) {
  std::vector<Cp932Char> out;
  const int n = static_cast<int>(bytes.size());
  for (int i = 0; i < n;) {
    const int len = IsCp932LeadByte(static_cast<unsigned char>(bytes[i])) && i + 1 < n ? 2 : 1;
    out.push_back({i, len});
    i += len;
  }
  return out;
}

QByteArray DesignTextBytes(const ObjectRecord& r) {
  const QByteArrayView text(r.Text, static_cast<qsizetype>(strnlen(r.Text, sizeof r.Text)));
  return TruncateCp932(text, kDesignTextBytes);
}

Frame DesignFrame(const ObjectRecord& r, const TextExtent& e, float zoom, int chars) {
  const int width = r.MarginL + CMathSub::Trunc(e.cx / zoom) + r.CharMargin * chars + r.MarginR;
  const int height = CMathSub::Trunc(e.cy / zoom) + r.MarginT + r.MarginB;
  const int left = r.CenterX - width / 2;
  const int top = r.CenterY - height / 2;
  return {QPoint(left, top), QPoint(left + width, top), QPoint(left + width, top + height),
          QPoint(left, top + height)};
}

namespace {

// How far [lo, hi] must move to lie inside [0, limit]; the far edge wins.
int ShiftInto(int lo, int hi, int limit) {
  int shift = 0;
  if (lo < 0) shift = -lo;
  if (hi > limit) shift = limit - hi;
  return shift;
}

}  // namespace

Frame KeepInside(Frame f, QSize slide) {
  const QPoint shift(ShiftInto(f[0].x(), f[2].x(), slide.width()), ShiftInto(f[0].y(), f[2].y(), slide.height()));
  for (QPoint& p : f) p += shift;
  return f;
}

Frame ViewFrame(const ObjectRecord& r, const Frame& frame, float zoom) {
  const std::vector<QPoint> turned = CMathSub::RotatePoints({r.CenterX, r.CenterY}, kTwoPi - r.Angle, frame);
  Frame out;
  for (int i = 0; i < 4; ++i) out[i] = ToView(turned[i], zoom);
  return out;
}

std::vector<QPoint> CharCentres(const ObjectRecord& r, const Frame& view, const TextExtent& e,
                                float zoom, std::span<const Cp932Char> chars) {
  if (chars.empty()) return {};
  const auto [tl, tr, br, bl] = view;
  const int left = ToView(r.MarginL, zoom) + e.w1 / 2;
  const int right = ToView(r.MarginR, zoom) - e.w1 / 2;
  const QPoint bottomLeft = CMathSub::PointAlong(left, bl, br);
  const QPoint topLeft = CMathSub::PointAlong(left, tl, tr);
  const QPoint bottomRight = CMathSub::PointAlong(right, br, bl);
  const QPoint topRight = CMathSub::PointAlong(right, tr, tl);
  const int up = ToView(r.MarginB, zoom) + e.h1 / 2;
  const QPoint a = CMathSub::PointAlong(up, bottomLeft, topLeft);
  const QPoint b = CMathSub::PointAlong(up, bottomRight, topRight);

  const int bytes = chars.back().offset + chars.back().length;
  const double length = CMathSub::Distance(a, b);
  const int pitch = CMathSub::Trunc(length / bytes);
  auto at = [&](int d) {
    if (d == 0 || a == b) return a;
    const float t = static_cast<float>(d / length);
    return QPoint(a.x() + CMathSub::Trunc(static_cast<float>(b.x() - a.x()) * t),
                  a.y() + CMathSub::Trunc(static_cast<float>(b.y() - a.y()) * t));
  };
  std::vector<QPoint> out;
  out.reserve(chars.size());
  QPoint centre = a;
  int d = pitch;
  for (const Cp932Char& c : chars) {
    if (c.length == 2) d += pitch;
    out.push_back(centre);
    centre = at(d);
    d += pitch;
  }
  return out;
}

int CharDegrees(const ObjectRecord& r) {
  const double a = r.CharOnlyRotate || !r.TextRotate ? r.TextAngle : r.Angle;
  return CMathSub::Trunc(a * 180 / kPi);
}

std::vector<char32_t> Cp932Codes(QByteArrayView bytes, std::span<const Cp932Char> chars) {
  // One decoding call for the whole text; each character gives one UTF-16 unit
  // (CP932 lies within the BMP), the replacement character where it is undefined.
  const QString text = DecodeCp932(bytes);
  std::vector<char32_t> out;
  out.reserve(chars.size());
  for (std::size_t i = 0; i < chars.size(); ++i) {
    const char16_t u = i < static_cast<std::size_t>(text.size()) ? text[static_cast<qsizetype>(i)].unicode() : 0;
    out.push_back(u == QChar::ReplacementCharacter ? 0 : u);
  }
  return out;
}
