// The figure pipeline: every figure is drawn into its own buffer, sized to its
// rotated bounds plus a margin for lines, ends and shadows, and copied onto
// the slide with the transparency key.
#pragma once

#include "render/SlideRenderer.h"

// Margin around a figure, in slide units: half of the line width, both end
// sizes and 40.
int FigureMargin(const ObjectRecord& r);

// Fills `points` with the outline in view pixels of the target. Returns true
// also when nothing could be drawn, so the overlay still shows.
bool DrawFigure(gdi::Dc& dc, const Document& doc, const RenderContext& ctx, int index,
                OutlinePoints& points);
