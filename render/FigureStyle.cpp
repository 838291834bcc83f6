// Strokes of figure outlines and image frames.
#include "render/FigureStyle.h"

#include "core/Records.h"
#include "geometry/StrokePath.h"
#include "render/LineEnds.h"
#include "render/LinePens.h"
#include "render/RenderContext.h"
#include "render/gdi/Dc.h"

namespace {

void StrokeLine(gdi::Dc& buffer, const ObjectRecord& r, const RenderContext& ctx,
                std::span<const QPoint> outline) {
  const std::vector<QPoint> points(outline.begin(), outline.end());
  const std::vector<QPoint> pulled = PullBackArrowEnds(r, points, ctx.zoom);
  StrokeInput in;
  in.kind = objkind::Line;
  in.points = pulled;
  in.closed = false;
  in.curved = r.Curve != 0;
  const std::vector<PathPiece> path = StrokeOutline(in);
  for (const StrokePass& pass : StrokePasses(r.LineStyle, r.Futosa, r.refLine, ctx.zoom))
    DrawPieces(buffer, path, pass);
  DrawLineEnds(buffer, r, points, pulled, ctx.zoom);
}

}  // namespace

void StrokeFigure(gdi::Dc& buffer, const ObjectRecord& r, const RenderContext& ctx,
                  std::span<const QPoint> outline, std::span<const PathPiece> path) {
  // A Line without a colour of its own may still show its ends.
  if (r.ObjKind == objkind::Line) return StrokeLine(buffer, r, ctx, outline);
  if (r.refLine == kNoColor) return;
  if (r.Futosa == 1) DrawPieces(buffer, path, SoftEdgePass(r.refLine, ctx.zoom));
  for (const StrokePass& pass : StrokePasses(r.LineStyle, r.Futosa, r.refLine, ctx.zoom))
    DrawPieces(buffer, path, pass);
}

void StrokeFrame(gdi::Dc& dc, const ObjectRecord& r, const RenderContext& ctx,
                 std::span<const QPoint> outline) {
  if (r.refLine == kNoColor) return;
  for (const StrokePass& pass : StrokePasses(r.LineStyle, r.Futosa, r.refLine, ctx.zoom))
    DrawClosed(dc, outline, pass);
}
