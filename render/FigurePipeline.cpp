#include "render/FigurePipeline.h"

#include <algorithm>

#include "core/Document.h"
#include "geometry/MathSub.h"
#include "geometry/Rotation.h"
#include "geometry/StrokePath.h"
#include "render/FigureStyle.h"
#include "render/gdi/Blit.h"
#include "render/gdi/Dc.h"

namespace {

int EndExtent(const LineEnd& e) {
  return e.EndStyle == 0 ? 0 : std::max(2 * e.EndLen, 2 * e.EndSize);
}

}  // namespace

int FigureMargin(const ObjectRecord& r) {
  return (r.Futosa + EndExtent(r.Ends[0]) + EndExtent(r.Ends[1]) + 40) / 2;
}

bool DrawFigure(gdi::Dc& dc, const Document& doc, const RenderContext& ctx, int index,
                OutlinePoints& points) {
  if (ctx.overlay && ctx.overlay->textEditing == index) return true;
  const ObjectRecord& r = doc.Object(index);
  const std::vector<QPoint> rotated = RotatePoints(r, ctx.zoom);
  const Bounds b = CMathSub::BoundingRect(rotated);

  const int m = ctx.Scale(FigureMargin(r));
  const QPoint origin(b.left - m, b.top - m);
  QImage buffer(b.right - b.left + 2 * m, b.bottom - b.top + 2 * m, QImage::Format_RGB32);
  if (buffer.isNull()) return true;

  const int n = std::min<int>(rotated.size(), kMaxPoints);
  for (int i = 0; i < n; ++i) points[i] = rotated[i] - origin;
  const std::span<const QPoint> outline(points.data(), n);

  {
    gdi::Dc fig(buffer);
    fig.FillRect(buffer.rect(), kTransKey);
    // Lines are stroked open through their vertices and have no faces.
    const std::vector<PathPiece> path =
        r.ObjKind == objkind::Line ? std::vector<PathPiece>{} : StrokePath(r, ctx.zoom, origin, true);
    PaintFaces(fig, r, ctx, outline, path);
    StrokeFigure(fig, r, ctx, outline, path);
  }
  CastFigureShadow(dc, buffer, r, ctx, origin);
  gdi::TransparentBlt(dc, QRect(origin, buffer.size()), buffer, buffer.rect(), kTransKey);

  for (int i = 0; i < n; ++i) points[i] += origin;
  return true;
}
