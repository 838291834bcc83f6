// The drawing context's state, its pixels, and painting regions with the pen and brush.
#include "render/gdi/Dc.h"

#include <algorithm>
#include <cstdint>

#include "render/gdi/Coords.h"
#include "render/gdi/Pixels.h"
#include "render/gdi/Region.h"

namespace gdi {
namespace {

// Positive remainder, for tiling patterns left of and above the origin.
int Wrap(int v, int n) {
  const int r = v % n;
  return r < 0 ? r + n : r;
}

}  // namespace

Dc::Dc(QImage& surface) : surface_(surface) {
  if (!surface_.isNull() && !Is32Bit(surface_.format()))
    surface_ = surface_.convertToFormat(QImage::Format_RGB32);
}

Dc::~Dc() = default;

void Dc::SetWindowOrg(QPoint origin) {
  origin_ = origin;
  if (painter_) {
    painter_->resetTransform();
    painter_->translate(-origin_);
  }
}

Pen Dc::SelectPen(const Pen& pen) { return std::exchange(pen_, pen); }

Brush Dc::SelectBrush(const Brush& brush) {
  Brush previous = std::exchange(brush_, brush);
  if (!brush_.pattern.isNull() && !Is32Bit(brush_.pattern.format()))
    brush_.pattern = brush_.pattern.convertToFormat(QImage::Format_RGB32);
  return previous;
}

FillMode Dc::SetPolyFillMode(FillMode mode) { return std::exchange(fillMode_, mode); }

QPoint Dc::ToSurface(int x, int y) const {
  return {ClampCoord(std::int64_t{x} - origin_.x()), ClampCoord(std::int64_t{y} - origin_.y())};
}

std::vector<QPoint> Dc::ToSurface(std::span<const QPoint> points) const {
  std::vector<QPoint> out;
  out.reserve(points.size());
  for (const QPoint& p : points) out.push_back(ToSurface(p));
  return out;
}

bool Dc::Fills() const { return !brush_.hollow && (!brush_.pattern.isNull() || brush_.color != kNoColor); }

void Dc::PaintSolid(const Region& region, QRgb pixel) {
  region.ForEachSpan([&](int y, int x0, int x1) {
    QRgb* row = Row(surface_, y);
    std::fill(row + x0, row + x1, pixel);
  });
}

void Dc::PaintBrush(const Region& region, const Brush& brush) {
  region.ForEachSpan([&](int y, int x0, int x1) { PaintSpan(y, x0, x1, brush); });
}

void Dc::PaintSpan(int y, int x0, int x1, const Brush& brush) {
  if (brush.hollow) return;
  QRgb* to = Row(surface_, y);
  if (brush.pattern.isNull()) {
    if (brush.color != kNoColor) std::fill(to + x0, to + x1, ToQRgb(brush.color));
    return;
  }
  const QImage& pattern = brush.pattern;
  const QRgb* from = ConstRow(pattern, Wrap(y, pattern.height()));
  const int pw = pattern.width();
  for (int x = x0; x < x1; ++x) to[x] = Opaque(from[Wrap(x, pw)]);
}

// The brush fills what the outline leaves of the interior, then the pen paints the outline.
void Dc::DrawFigure(Region* interior, const Region& outline) {
  if (interior && Fills()) {
    interior->Subtract(outline);
    PaintBrush(*interior, brush_);
  }
  if (pen_.style != PenStyle::Null && pen_.color != kNoColor) PaintSolid(outline, ToQRgb(pen_.color));
}

void Dc::FillViewRect(const QRect& rect, QRgb pixel) {
  if (rect.isEmpty()) return;
  Region region(SurfaceRect());
  const QPoint tl = ToSurface(rect.left(), rect.top());
  const QPoint br = ToSurface(rect.right(), rect.bottom());
  region.AddRect(tl.x(), tl.y(), br.x() + 1, br.y() + 1);
  PaintSolid(region, pixel);
}

void Dc::FillRect(const QRect& rect, COLORREF color) {
  if (color != kNoColor) FillViewRect(rect, ToQRgb(color));
}

void Dc::MarkNoColor(const QRect& rect) { FillViewRect(rect, kNoColorPixel); }

COLORREF Dc::GetPixel(int x, int y) const {
  const QPoint p = ToSurface(x, y);
  if (!surface_.rect().contains(p)) return kNoColor;
  return FromQRgb(Opaque(ConstRow(surface_, p.y())[p.x()]));
}

void Dc::SetPixel(int x, int y, COLORREF color) {
  const QPoint p = ToSurface(x, y);
  if (color == kNoColor || !surface_.rect().contains(p)) return;
  Row(surface_, p.y())[p.x()] = ToQRgb(color);
}

QPainter& Dc::Painter() {
  if (!painter_) {
    painter_.emplace(&surface_);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, false);
    painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
  }
  painter_->setClipping(false);
  painter_->resetTransform();
  painter_->translate(-origin_);
  return *painter_;
}

}  // namespace gdi
