// Faces, strokes and shadows of figures and the frames and shadows of images.
#pragma once

#include <QImage>
#include <QPoint>
#include <span>

#include "base/Color.h"

struct PathPiece;

struct ObjectRecord;
struct RenderContext;
namespace gdi {
class Dc;
}

// The fill colour the pipeline works with: a figure filled only with repeated characters
// is filled white under them.
COLORREF EffectiveFill(const ObjectRecord& r);

// Paints the faces of a figure (not a Line) that has a fill into its buffer: solid,
// gradient or character pattern, and the shaded faces of solid figures in the second
// colour. `outline` (the drawn vertices) and `path` (the kind's closed stroke path) are in
// buffer pixels. The exterior is left as the transparency key.
void PaintFaces(gdi::Dc& buffer, const ObjectRecord& r, const RenderContext& ctx,
                std::span<const QPoint> outline, std::span<const PathPiece> path);
// Strokes the figure's path with its line look; Lines are stroked open through `outline`
// and get their decorated ends.
void StrokeFigure(gdi::Dc& buffer, const ObjectRecord& r, const RenderContext& ctx,
                  std::span<const QPoint> outline, std::span<const PathPiece> path);
// Strokes a closed outline (an image's frame) with the object's line look.
void StrokeFrame(gdi::Dc& dc, const ObjectRecord& r, const RenderContext& ctx,
                 std::span<const QPoint> outline);

// Casts the figure's shadow onto the target from its finished buffer, whose top-left lies
// at `origin` in the target's view pixels: the figure's silhouette in the shadow colour.
void CastFigureShadow(gdi::Dc& target, const QImage& buffer, const ObjectRecord& r,
                      const RenderContext& ctx, QPoint origin);
// Casts the shadow of whatever `buffer` holds (a design text's glyph): every pixel that is
// neither the transparency key nor without colour.
void CastBufferShadow(gdi::Dc& target, const QImage& buffer, const ObjectRecord& r,
                      const RenderContext& ctx, QPoint origin);
// Casts an image's shadow: its four turned frame corners filled with the shadow colour,
// for an image drawn at `at` with `size`.
void CastImageShadow(gdi::Dc& target, const ObjectRecord& r, const RenderContext& ctx,
                     std::span<const QPoint> corners, QPoint at, QSize size);
