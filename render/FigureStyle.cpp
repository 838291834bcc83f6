// Plain solid faces and strokes; gradients, patterns, line ends and lit faces
// build on these.
#include "render/FigureStyle.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "core/Document.h"
#include "render/RenderContext.h"
#include "render/gdi/Dc.h"
#include "render/outline/Outline.h"

// Gradients come with the fill styles; until then the first gradient colour.
void FillBackgroundGradient(gdi::Dc& dc, const Document& doc, QRect area) {
  dc.FillRect(area, doc.Header().refBackGrade[0]);
}

// A solid face over the area the outline encloses: the stroke path where it
// is made of whole contours (curves, the ellipse), the vertices otherwise.
// Gradients, patterns and the second colour build on this.
void PaintFaces(gdi::Dc& buffer, const ObjectRecord& r, const RenderContext& ctx, QPoint origin) {
  QPainterPath path;
  path.setFillRule(Qt::OddEvenFill);
  const std::vector<PathPiece> pieces = StrokePath(r, ctx.zoom, origin);
  const bool wholeContours = std::all_of(pieces.begin(), pieces.end(), [&](const PathPiece& p) {
    return p.kind == PieceKind::Bezier || (p.kind == PieceKind::Arc && r.ObjKind == objkind::Ellipse);
  });
  if (wholeContours) {
    for (const PathPiece& piece : pieces) {
      if (piece.kind == PieceKind::Arc) {
        path.addEllipse(QRectF(piece.box.left, piece.box.top, piece.box.right - piece.box.left,
                               piece.box.bottom - piece.box.top));
      } else if (!piece.points.empty()) {
        path.moveTo(piece.points[0]);
        for (size_t i = 1; i + 2 < piece.points.size(); i += 3)
          path.cubicTo(piece.points[i], piece.points[i + 1], piece.points[i + 2]);
        path.closeSubpath();
      }
    }
  } else {
    const std::vector<QPoint> pts = RotatePoints(r, ctx.zoom);
    QPolygon polygon;
    for (const QPoint& p : pts) polygon << p - origin;
    path.addPolygon(polygon);
  }
  QPainter& painter = buffer.Painter();
  painter.setPen(Qt::NoPen);
  painter.setBrush(gdi::ToQColor(r.refMen));
  painter.drawPath(path);
}

namespace {

void SelectLinePen(gdi::Dc& dc, const ObjectRecord& r, const RenderContext& ctx) {
  dc.SelectPen({gdi::PenStyle::Solid, std::max(1, ctx.Scale(r.Futosa)), r.refLine});
  dc.SelectBrush({kNoColor, true});
}

}  // namespace

void StrokeFigure(gdi::Dc& buffer, const ObjectRecord& r, const RenderContext& ctx, QPoint origin) {
  if (r.refLine == kNoColor) return;
  SelectLinePen(buffer, r, ctx);
  for (const PathPiece& piece : StrokePath(r, ctx.zoom, origin)) {
    switch (piece.kind) {
      case PieceKind::Polyline: buffer.Polyline(piece.points); break;
      case PieceKind::Bezier: buffer.PolyBezier(piece.points); break;
      case PieceKind::Arc:
        buffer.Arc(piece.box.left, piece.box.top, piece.box.right, piece.box.bottom, piece.start,
                   piece.end);
        break;
    }
  }
}

void StrokeFrame(gdi::Dc& dc, const ObjectRecord& r, const RenderContext& ctx,
                 std::span<const QPoint> outline) {
  if (r.refLine == kNoColor || outline.size() < 2) return;
  SelectLinePen(dc, r, ctx);
  dc.Polygon(outline);
}

void DrawFigureShadow(gdi::Dc&, const ObjectRecord&, const RenderContext&,
                      std::span<const QPoint>, QPoint) {}
