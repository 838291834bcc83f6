// Drawing the drag feedback with the raster primitives.
#include "editor/Feedback.h"

#include <QPainter>
#include <cmath>

#include "geometry/MathSub.h"
#include "render/gdi/Dc.h"

namespace {

constexpr COLORREF kBarColour = 0x828282;

void Path(gdi::Dc& dc, const FeedbackItem& item, bool curve) {
  std::vector<QPoint> pts = item.points;
  if (item.closed && !pts.empty()) {
    if (curve) {
      const auto [c1, c2] = CMathSub::ThirdPoints(pts.back(), pts.front());
      pts.insert(pts.end(), {c1, c2});
    }
    pts.push_back(pts.front());
  }
  if (curve) dc.PolyBezier(pts);
  else dc.Polyline(pts);
}

void Circle(gdi::Dc& dc, QPoint c, int r, COLORREF fill = kNoColor) {
  dc.SelectBrush(gdi::Brush(fill, fill == kNoColor));
  dc.Ellipse(c.x() - r, c.y() - r, c.x() + r, c.y() + r);
}

void Glow(gdi::Dc& dc, const FeedbackItem& item) {
  for (int k = 0; k < 3; ++k) {
    dc.SelectPen({gdi::PenStyle::Solid, 3 - k, kGlowColours[k]});
    if (item.kind == FeedbackKind::GlowCircle) Circle(dc, item.points.at(0), item.radius);
    else Path(dc, item, item.kind == FeedbackKind::GlowCurve);
  }
}

// Arcs 5 pixels long round the circle, each a little lighter than the last.
void ShadedRing(gdi::Dc& dc, QPoint c, int r) {
  const int arcs = std::max(1, static_cast<int>(2 * 3.14159265 * r / 5));
  for (int i = 0; i < arcs; ++i) {
    const int grey = std::min(255, 90 + 2 * i);
    dc.SelectPen({gdi::PenStyle::Solid, 1, static_cast<COLORREF>(grey | grey << 8 | grey << 16)});
    const double a0 = 2 * 3.14159265 * i / arcs, a1 = 2 * 3.14159265 * (i + 1) / arcs;
    const QPoint s(c.x() + CMathSub::Trunc(r * std::cos(a0)), c.y() - CMathSub::Trunc(r * std::sin(a0)));
    const QPoint e(c.x() + CMathSub::Trunc(r * std::cos(a1)), c.y() - CMathSub::Trunc(r * std::sin(a1)));
    dc.Arc(c.x() - r, c.y() - r, c.x() + r, c.y() + r, s, e);
  }
}

QImage HatchPattern() {
  QImage hatch(8, 8, QImage::Format_RGB32);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) hatch.setPixel(x, y, (x + y) % 4 == 0 ? 0xFF828282 : 0xFFE0E0E0);
  return hatch;
}

void Bar(gdi::Dc& dc, const FeedbackItem& item) {
  const QPoint a = item.points.at(0), b = item.points.at(1);
  dc.SelectPen({gdi::PenStyle::Solid, 1, kBarColour});
  dc.SelectBrush(gdi::Brush::Pattern(HatchPattern()));
  dc.Rectangle(a.x(), a.y(), b.x(), b.y());
  QPainter& painter = dc.Painter();
  painter.setPen(QColor(0x40, 0x40, 0x40));
  const bool vertical = b.y() - a.y() > b.x() - a.x();
  const QPoint at = vertical ? QPoint(b.x() + 20, (a.y() + b.y()) / 2) : QPoint((a.x() + b.x()) / 2, b.y() + 20);
  painter.drawText(dc.ToSurface(at), item.text);
}

void Frame(gdi::Dc& dc, const FeedbackItem& item) {
  const QRect r = QRect(item.points.at(0), item.points.at(1)).normalized();
  dc.FillRect(QRect(r.left(), r.top(), r.width(), 1), item.colour);
  dc.FillRect(QRect(r.left(), r.bottom(), r.width(), 1), item.colour);
  dc.FillRect(QRect(r.left(), r.top(), 1, r.height()), item.colour);
  dc.FillRect(QRect(r.right(), r.top(), 1, r.height()), item.colour);
}

}  // namespace

QRect Feedback::Area() const {
  QRect area;
  for (const FeedbackItem& item : items) {
    const Bounds b = CMathSub::BoundingRect(item.points);
    QRect r(QPoint(b.left, b.top), QPoint(b.right, b.bottom));
    r.adjust(-item.radius - 4, -item.radius - 4, item.radius + 4, item.radius + 4);
    if (item.kind == FeedbackKind::Bar) r.adjust(0, 0, 200, 60);
    area |= r;
  }
  return area;
}

FeedbackItem& Feedback::Add(FeedbackKind kind, std::vector<QPoint> points) {
  FeedbackItem& item = items.emplace_back();
  item.kind = kind;
  item.points = std::move(points);
  return item;
}

void Feedback::Glow(std::vector<QPoint> path, bool closed) { Add(FeedbackKind::Glow, std::move(path)).closed = closed; }

void Feedback::Dotted(std::vector<QPoint> path, COLORREF colour) {
  Add(FeedbackKind::Dotted, std::move(path)).colour = colour;
}

std::vector<QPoint> RectPath(const QRect& r) {
  return {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft(), r.topLeft()};
}

void PaintFeedback(gdi::Dc& dc, const Feedback& feedback) {
  for (const FeedbackItem& item : feedback.items) {
    if (item.points.empty()) continue;
    switch (item.kind) {
      case FeedbackKind::Glow:
      case FeedbackKind::GlowCurve:
      case FeedbackKind::GlowCircle: Glow(dc, item); break;
      case FeedbackKind::Dotted:
        dc.SelectPen({gdi::PenStyle::Dot, 1, item.colour, gdi::EndCap::Round, true});
        Path(dc, item, false);
        break;
      case FeedbackKind::Solid:
        dc.SelectPen({gdi::PenStyle::Solid, item.width, item.colour});
        Path(dc, item, false);
        break;
      case FeedbackKind::Circle:
        dc.SelectPen({gdi::PenStyle::Solid, item.width, item.colour});
        Circle(dc, item.points[0], item.radius, item.fill);
        break;
      case FeedbackKind::ShadedRing: ShadedRing(dc, item.points[0], item.radius); break;
      case FeedbackKind::Frame: Frame(dc, item); break;
      case FeedbackKind::Bar: Bar(dc, item); break;
    }
  }
}
