// The text of figures, laid out inside their outline.
#pragma once

#include "render/SlideRenderer.h"

void DrawFigureText(gdi::Dc& dc, const Document& doc, const RenderContext& ctx, int index,
                    const OutlinePoints& points);
