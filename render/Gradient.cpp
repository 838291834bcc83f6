#include "render/Gradient.h"

#include <algorithm>
#include <initializer_list>
#include <span>

#include "core/Records.h"
#include "render/gdi/GradientFill.h"
#include "render/gdi/Rotate.h"

namespace {

enum class Mode { Horizontal, Vertical, Triangles };

// A pattern's pieces: pairs of reference points for the rectangle modes, triples for
// triangles. Patterns 7, 8 and 9 have none.
struct Pattern {
  Mode mode;
  std::initializer_list<int> points;
};

// The diagonal 16-part pattern: each border point with its successor and the centre.
constexpr int kBorderCycle[] = {0, 9, 4, 10, 1, 11, 5, 12, 2, 13, 6, 14, 3, 15, 7, 16, 0};

const Pattern& PatternOf(int pattern) {
  static const Pattern kPatterns[] = {
      {Mode::Horizontal, {0, 2}},
      {Mode::Vertical, {0, 2}},
      {Mode::Horizontal, {0, 6, 4, 2}},
      {Mode::Vertical, {0, 5, 7, 2}},
      {Mode::Horizontal, {0, 8, 4, 5, 7, 6, 8, 2}},
      {Mode::Horizontal, {0, 14, 9, 6, 4, 13, 10, 2}},
      {Mode::Vertical, {0, 11, 16, 5, 7, 12, 15, 2}},
      {Mode::Triangles, {}},
      {Mode::Triangles, {}},
      {Mode::Triangles, {}},
      {Mode::Triangles, {0, 1, 3, 2, 1, 3}},
      {Mode::Triangles, {0, 1, 2, 0, 2, 3}},
      {Mode::Triangles, {0, 8, 1, 0, 8, 3, 2, 8, 3, 2, 8, 1}},
      {Mode::Triangles, {0, 8, 4, 4, 8, 1, 1, 8, 5, 5, 8, 2, 2, 8, 6, 6, 8, 3, 3, 8, 7, 7, 8, 0}},
      {Mode::Triangles, {0, 14, 3, 14, 0, 9, 9, 14, 6, 6, 9, 4, 4, 6, 13, 13, 4, 10, 10, 13, 2, 2, 10, 1}},
      {Mode::Triangles, {0, 1, 11, 0, 11, 16, 16, 11, 5, 16, 5, 7, 7, 5, 12, 7, 12, 15, 15, 12, 2, 15, 2, 3}},
  };
  return kPatterns[pattern];
}

gdi::TriVertex Vertex(const std::array<QPoint, kGradeColours>& at, const COLORREF (&colours)[kGradeColours],
                      int i) {
  return gdi::MakeVertex(at[i].x(), at[i].y(), colours[i]);
}

}  // namespace

std::array<QPoint, kGradeColours> ReferencePoints(QRect rect) {
  const int l = rect.x(), t = rect.y();
  const int w = rect.width(), h = rect.height();
  const int r = l + w, b = t + h;
  return {{{l, t}, {r, t}, {r, b}, {l, b},
           {l + w / 2, t}, {r, t + h / 2}, {l + w / 2, b}, {l, t + h / 2}, {l + w / 2, t + h / 2},
           {l + w / 4, t}, {l + w * 3 / 4, t}, {r, t + h / 4}, {r, t + h * 3 / 4},
           {l + w * 3 / 4, b}, {l + w / 4, b}, {l, t + h * 3 / 4}, {l, t + h / 4}}};
}

void FillGradient(gdi::Dc& dc, const COLORREF (&colours)[kGradeColours], int pattern, QRect rect) {
  if (pattern < 0 || pattern >= kGradePatterns) return;
  const std::array<QPoint, kGradeColours> at = ReferencePoints(rect);
  if (pattern == 16) {
    for (int k = 0; k + 1 < static_cast<int>(std::size(kBorderCycle)); ++k) {
      const gdi::TriVertex v[3] = {Vertex(at, colours, kBorderCycle[k]), Vertex(at, colours, 8),
                                   Vertex(at, colours, kBorderCycle[k + 1])};
      gdi::GradientFillTriangle(dc, v);
    }
    return;
  }
  const Pattern& p = PatternOf(pattern);
  const std::span<const int> pts(p.points.begin(), p.points.size());
  if (p.mode == Mode::Triangles) {
    for (std::size_t k = 0; k + 2 < pts.size(); k += 3) {
      const gdi::TriVertex v[3] = {Vertex(at, colours, pts[k]), Vertex(at, colours, pts[k + 1]),
                                   Vertex(at, colours, pts[k + 2])};
      gdi::GradientFillTriangle(dc, v);
    }
    return;
  }
  for (std::size_t k = 0; k + 1 < pts.size(); k += 2) {
    const gdi::TriVertex v[2] = {Vertex(at, colours, pts[k]), Vertex(at, colours, pts[k + 1])};
    gdi::GradientFillRect(dc, v, p.mode == Mode::Vertical);
  }
}

std::optional<QImage> GradientForObject(const ObjectRecord& r, QSize size, QRect area) {
  area &= QRect(QPoint(0, 0), size);
  if (area.isEmpty()) return std::nullopt;
  QImage image(size, QImage::Format_RGB32);
  if (image.isNull()) return std::nullopt;
  image.fill(gdi::ToQRgb(gdi::kTransparentKey));  // patterns that paint nothing stay see-through
  if (r.GradeRound == 0) {
    // Painted through a view of the area alone; the ramps keep the whole picture's geometry.
    QImage view(image.bits() + area.y() * image.bytesPerLine() + area.x() * 4, area.width(), area.height(),
                image.bytesPerLine(), QImage::Format_RGB32);
    gdi::Dc dc(view);
    dc.SetWindowOrg(area.topLeft());
    FillGradient(dc, r.refGrade, r.GradePattern, QRect(QPoint(0, 0), size));
    return image;
  }
  // The square is painted and turned only where the cut-out at its centre looks.
  const int w = size.width(), h = size.height();
  const int s = static_cast<int>(1.5 * std::max(w, h));
  const gdi::Rotation rotation(QSize(s, s), r.Angle);
  if (!rotation.Fits()) return std::nullopt;
  const QSize turned = rotation.ResultSize();
  const QRect part = area.translated((turned.width() - w) / 2, (turned.height() - h) / 2);
  const QRect window = rotation.SourceWindow(part);
  QImage square(window.size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  if (square.isNull()) return std::nullopt;
  square.fill(gdi::ToQRgb(gdi::kTransparentKey));
  {
    gdi::Dc dc(square);
    dc.SetWindowOrg(window.topLeft());
    FillGradient(dc, r.refGrade, r.GradePattern, QRect(0, 0, s, s));
  }
  const QImage cut = rotation.Part(square, window, part, gdi::kTransparentKey);
  if (cut.isNull()) return std::nullopt;
  for (int y = 0; y < cut.height(); ++y)
    std::copy_n(reinterpret_cast<const QRgb*>(cut.constScanLine(y)), cut.width(),
                reinterpret_cast<QRgb*>(image.scanLine(area.y() + y)) + area.x());
  return image;
}
