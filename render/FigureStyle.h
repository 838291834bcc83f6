// Faces, strokes and shadows of figures.
#pragma once

#include <QPoint>
#include <QRect>
#include <span>

class Document;
struct ObjectRecord;
struct RenderContext;
namespace gdi {
class Dc;
}

// Fills the slide's background rectangle with its gradient pattern.
void FillBackgroundGradient(gdi::Dc& dc, const Document& doc, QRect area);
// Paints the inside of the figure's path with its fill; the buffer's top-left
// lies at `origin` in view pixels.
void PaintFaces(gdi::Dc& buffer, const ObjectRecord& r, const RenderContext& ctx, QPoint origin);
// Strokes the figure's own path with its line colour, width and style; the
// buffer's top-left lies at `origin` in view pixels.
void StrokeFigure(gdi::Dc& buffer, const ObjectRecord& r, const RenderContext& ctx, QPoint origin);
// Strokes a closed outline (an image's frame) the same way.
void StrokeFrame(gdi::Dc& dc, const ObjectRecord& r, const RenderContext& ctx,
                 std::span<const QPoint> outline);
// Draws the figure's shadow onto the target before the figure itself.
void DrawFigureShadow(gdi::Dc& target, const ObjectRecord& r, const RenderContext& ctx,
                      std::span<const QPoint> outline, QPoint origin);
