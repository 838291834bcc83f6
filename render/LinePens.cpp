#include "render/LinePens.h"

#include <algorithm>

#include "geometry/Rotation.h"
#include "render/gdi/Dc.h"

namespace {

gdi::PenStyle PenStyleOf(int lineStyle) {
  switch (lineStyle) {
    case linestyle::Dash: return gdi::PenStyle::Dash;
    case linestyle::Dot: return gdi::PenStyle::Dot;
    case linestyle::DashDot: return gdi::PenStyle::DashDot;
    case linestyle::DashDotDot: return gdi::PenStyle::DashDotDot;
    default: return gdi::PenStyle::Solid;
  }
}

gdi::EndCap CapFor(std::size_t pointCount) {
  return pointCount == 1 || pointCount == 2 || pointCount == 4 ? gdi::EndCap::Square
                                                                : gdi::EndCap::Round;
}

}  // namespace

int OutlineWidth(int futosa, float zoom) {
  if (futosa == 0) return 2;
  return std::max(1, ToView(futosa, zoom));
}

std::vector<StrokePass> StrokePasses(int lineStyle, int futosa, COLORREF colour, float zoom) {
  if (lineStyle != linestyle::Double) return {{PenStyleOf(lineStyle), OutlineWidth(futosa, zoom), colour}};
  const int t = std::max(1, futosa / 4);
  const int u = std::max(1, futosa / 2);
  std::vector<StrokePass> passes{{gdi::PenStyle::Solid, std::max(1, ToView(t + 2 * u, zoom)), colour}};
  // Always white, whatever lies under the figure.
  if (const int inner = ToView(t, zoom); inner != 0)
    passes.push_back({gdi::PenStyle::Solid, inner, 0xFFFFFF});
  return passes;
}

StrokePass SoftEdgePass(COLORREF colour, float zoom) {
  const int r = std::min(255, gdi::RedOf(colour) + 128);
  const int g = std::min(255, gdi::GreenOf(colour) + 128);
  const int b = std::min(255, gdi::BlueOf(colour) + 128);
  return {gdi::PenStyle::Solid, std::max(1, ToView(2, zoom)), gdi::Rgb(r, g, b)};
}

void DrawPieces(gdi::Dc& dc, std::span<const PathPiece> pieces, const StrokePass& pass) {
  dc.SelectBrush({kNoColor, true});
  for (const PathPiece& piece : pieces) {
    dc.SelectPen({pass.style, pass.width, pass.colour, CapFor(piece.points.size())});
    switch (piece.kind) {
      case PieceKind::Polyline: dc.Polyline(piece.points); break;
      case PieceKind::Bezier: dc.PolyBezier(piece.points); break;
      case PieceKind::Arc:
        // A full turn as an arc leaves out its last pixel, a gap the faces' floods would
        // run through; the ellipse outline is the same turn, closed.
        if (piece.start == piece.end)
          dc.Ellipse(piece.box.left, piece.box.top, piece.box.right, piece.box.bottom);
        else
          dc.Arc(piece.box.left, piece.box.top, piece.box.right, piece.box.bottom, piece.start, piece.end);
        break;
    }
  }
}

void DrawClosed(gdi::Dc& dc, std::span<const QPoint> points, const StrokePass& pass) {
  if (points.size() < 2) return;
  dc.SelectBrush({kNoColor, true});
  dc.SelectPen({pass.style, pass.width, pass.colour});
  dc.Polygon(points);
}
