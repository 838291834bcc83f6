#include "render/Overlay.h"

#include <QFont>
#include <QPainter>
#include <cmath>

#include "core/Document.h"
#include "geometry/Angles.h"
#include "geometry/Contours.h"
#include "geometry/ObjectFrame.h"
#include "geometry/Rotation.h"
#include "geometry/ShapeHandles.h"
#include "render/MakeFont.h"
#include "render/gdi/Dc.h"

namespace {

constexpr COLORREF kHandlePen = 0x7B7B7B;

void DrawResizeHandles(gdi::Dc& dc, const std::array<QPoint, 8>& pts, bool primary) {
  dc.SelectPen({gdi::PenStyle::Solid, 1, kHandlePen});
  dc.SelectBrush({primary ? COLORREF{0x7B0000} : COLORREF{0x0000FF}, false});
  for (int i = 0; i < 8; ++i) {
    const int d = i < 4 ? 5 : 3;
    dc.Ellipse(pts[i].x() - d, pts[i].y() - d, pts[i].x() + d, pts[i].y() + d);
  }
}

void DrawShapeHandles(gdi::Dc& dc, const ObjectRecord& r, const RenderContext& ctx) {
  const int radius = std::max(5, static_cast<int>(r.Futosa));
  dc.SelectPen({gdi::PenStyle::Solid, 1, kHandlePen});
  dc.SelectBrush({0x7BFFFF, false});
  for (const QPoint& p : ShapeHandles(r, ctx.zoom))
    dc.Ellipse(p.x() - radius, p.y() - radius, p.x() + radius, p.y() + radius);
}

// The dotted guide: each closed contour joined back to its start; a list
// that never closes is one open run.
std::vector<std::vector<QPoint>> GuideContours(const ObjectRecord& r, const std::vector<QPoint>& pts) {
  std::vector<std::vector<QPoint>> runs;
  for (const Contour& c : SplitContours(pts, r.Curve != 0))
    runs.emplace_back(pts.begin() + c.first, pts.begin() + c.first + c.count);
  if (runs.empty() && !pts.empty()) runs.push_back(pts);
  return runs;
}

void DrawVertexHandles(gdi::Dc& dc, const ObjectRecord& r, const RenderContext& ctx,
                       const std::vector<QPoint>& pts) {
  if (r.Curve || r.refLine == kNoColor) {
    dc.SelectPen({gdi::PenStyle::Dot, 1, 0xDECEC6, gdi::EndCap::Round, true});  // a plain dotted screen pen
    for (const std::vector<QPoint>& contour : GuideContours(r, pts)) dc.Polyline(contour);
  }
  dc.SelectPen({gdi::PenStyle::Solid, 1, kHandlePen});
  const int n = std::min<int>(pts.size(), r.PointNum);
  for (int i = 0; i < n; ++i) {
    COLORREF brush = 0x7BFFFF;
    if (i == ctx.overlay->selectedVertex) brush = 0x007B00;
    else if (r.PointFixed[i] == 1) brush = 0x0000FF;
    dc.SelectBrush({brush, false});
    dc.Rectangle(pts[i].x() - 4, pts[i].y() - 4, pts[i].x() + 4, pts[i].y() + 4);
  }
}

void DrawRotationCircle(gdi::Dc& dc, const ObjectRecord& r, const RenderContext& ctx, bool primary) {
  const QPoint c(ctx.Scale(r.CenterX), ctx.Scale(r.CenterY));
  const int radius = r.RoundR;
  for (int k = 1; k <= radius - 2; ++k) {
    const int up = std::min(3 * k, 255);
    const int mid = k < 127 ? 2 * k : 255;
    const COLORREF colour = primary ? (up | mid << 8 | 255 << 16) : (255 | up << 8 | mid << 16);
    const double a = 2 * kPi * k / radius;
    const QPoint p(c.x() + static_cast<int>(radius * std::cos(a)),
                   c.y() - static_cast<int>(radius * std::sin(a)));
    DrawDot(dc, p, colour);
  }
  const bool charsOnly = r.ObjClass == objclass::DText && r.CharOnlyRotate;
  QPainter& painter = dc.Painter();
  painter.setFont(ToQFont(MakeFont(kDefaultFace, 8, false, false, false, false, 0,
                                   dc.Surface().logicalDpiY())));
  painter.setPen(gdi::ToQColor(primary ? 0xBD9A73 : 0x4A5ADE));
  painter.drawText(QRect(c.x() + radius - 20, c.y() - 4 - 20, 40, 40), Qt::AlignCenter,
                   AngleLabel(charsOnly ? r.TextAngle : r.Angle));
}

}  // namespace

void DrawDot(gdi::Dc& dc, QPoint p, COLORREF colour) {
  dc.SelectPen({gdi::PenStyle::Null, 1, kNoColor});
  dc.SelectBrush({colour, false});
  dc.Ellipse(p.x() - 2, p.y() - 2, p.x() + 3, p.y() + 3);
}

QString AngleLabel(double angle) {
  const int d = static_cast<int>(angle * 180 / kPi);
  return d == 0 ? QString("0") : QString::number(360 - d);
}

void DrawObjectOverlay(gdi::Dc& dc, const Document& doc, const RenderContext& ctx, int index) {
  if (!doc.View(index).Selected) return;
  const ObjectRecord& r = doc.Object(index);
  const bool primary = index == ctx.overlay->primary;
  if (r.ObjClass != objclass::DText) DrawResizeHandles(dc, FrameOf(r, ctx.zoom).handles, primary);
  if (r.ObjClass != objclass::Image) {
    if (HasShapeHandles(r.ObjKind)) DrawShapeHandles(dc, r, ctx);
    else DrawVertexHandles(dc, r, ctx, RotatePoints(r, ctx.zoom));
  }
  DrawRotationCircle(dc, r, ctx, primary);
}
