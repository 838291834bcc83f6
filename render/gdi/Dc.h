// A drawing context on a 32-bit QImage with the integer rules of the classic Windows GDI:
// Rectangle and Ellipse leave out their right and bottom edges, lines leave out their end
// point, pens are geometric with round joins, fills are exact-colour and 4-connected.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <optional>
#include <span>
#include <vector>

#include "render/gdi/Brush.h"
#include "render/gdi/Color.h"
#include "render/gdi/Pen.h"
#include "render/gdi/PolygonScan.h"

namespace gdi {

enum class FloodType {
  Border,   // fill the area around (x, y) up to pixels of the border colour
  Surface,  // fill the area around (x, y) made of exactly the given colour
};

class Region;

// Drawing calls take view coordinates: with the window origin set to (ox, oy), view pixel
// (x, y) lands on surface pixel (x - ox, y - oy). Everything is clipped to the surface;
// coordinates of any size are safe. The surface is not owned; it must be 32 bits per pixel
// (other formats are converted to Format_RGB32 on construction) and must not be copied
// or resized while the Dc lives.
class Dc {
 public:
  explicit Dc(QImage& surface);
  ~Dc();
  Dc(const Dc&) = delete;
  Dc& operator=(const Dc&) = delete;

  void SetWindowOrg(QPoint origin);
  QPoint WindowOrg() const { return origin_; }

  // Each returns what was selected before.
  Pen SelectPen(const Pen& pen);
  Brush SelectBrush(const Brush& brush);
  FillMode SetPolyFillMode(FillMode mode);

  // The outline runs through (l, t) .. (r - 1, b - 1); the brush fills inside it. Without
  // a pen the brush covers l .. r - 2, t .. b - 2 (GDI's one pixel less).
  void Rectangle(int l, int t, int r, int b);
  // The ellipse inscribed in l .. r - 1, t .. b - 1; a box 2 pixels wide or less is drawn
  // as a Rectangle.
  void Ellipse(int l, int t, int r, int b);
  void Polygon(std::span<const QPoint> points);
  // counts[i] points per polygon, every count at least 2; otherwise nothing is drawn.
  void PolyPolygon(std::span<const QPoint> points, std::span<const int> counts);
  void Polyline(std::span<const QPoint> points);
  // 3k + 1 points (anchor, control, control, anchor, ...); otherwise nothing is drawn.
  void PolyBezier(std::span<const QPoint> points);
  // Counter-clockwise along the ellipse of Ellipse(l, t, r, b) from the ray through start
  // to the ray through end (both points seen from the box's centre); a full turn when the
  // rays coincide.
  void Arc(int l, int t, int r, int b, QPoint start, QPoint end);

  // rect.left() .. rect.right(), rect.top() .. rect.bottom(); kNoColor draws nothing.
  void FillRect(const QRect& rect, COLORREF color);
  // Gives the pixels of rect no colour (see kNoColorPixel).
  void MarkNoColor(const QRect& rect);

  // Fill with the brush the 4-connected area around (x, y) of pixels other than border.
  // Colours compare exactly; kNoColor stands for the no-colour pixel. False when (x, y) is
  // outside the surface or is itself the border colour.
  bool FloodFill(int x, int y, COLORREF border);
  bool ExtFloodFill(int x, int y, COLORREF color, FloodType type);

  // kNoColor outside the surface and for a pixel without colour.
  COLORREF GetPixel(int x, int y) const;
  void SetPixel(int x, int y, COLORREF color);  // kNoColor draws nothing

  // For text: a painter on the surface, antialiasing off, its transform reset to the
  // window origin on every call (font, pen and brush stay as last set). Text is aliased
  // when the font says so (QFont::NoAntialias, as ToQFont sets it). Valid until the Dc
  // is destroyed; it may be used between the Dc's own calls.
  QPainter& Painter();

  QImage& Surface() { return surface_; }
  const QImage& Surface() const { return surface_; }
  QRect SurfaceRect() const { return surface_.rect(); }

  // View coordinates to surface coordinates, clamped to a safe range.
  QPoint ToSurface(int x, int y) const;
  QPoint ToSurface(QPoint p) const { return ToSurface(p.x(), p.y()); }

 private:
  void DrawFigure(Region* interior, const Region& outline);
  void FillViewRect(const QRect& rect, QRgb pixel);
  void PaintSolid(const Region& region, QRgb pixel);
  void PaintBrush(const Region& region, const Brush& brush);
  void PaintSpan(int y, int x0, int x1, const Brush& brush);  // surface pixels x0 .. x1 - 1
  bool Fills() const;
  void RectangleOnSurface(int l, int t, int r, int b);
  QRect Reach(int l, int t, int r, int b) const;
  QRect Reach(std::span<const QPoint> points) const;
  std::vector<QPoint> ToSurface(std::span<const QPoint> points) const;

  QImage& surface_;
  QPoint origin_;
  Pen pen_;  // GDI's defaults: a black pen one pixel wide and a white brush
  Brush brush_{0xFFFFFF};
  FillMode fillMode_ = FillMode::Alternate;
  std::optional<QPainter> painter_;
};

}  // namespace gdi
