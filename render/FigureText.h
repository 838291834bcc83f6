// The text of figures, laid out inside their outline and drawn on the target after
// the figure.
#pragma once

#include "render/SlideRenderer.h"

// Fails with 30001 when the text could not be laid out for lack of memory,
// which also suppresses the object's overlay.
Result<void> DrawFigureText(gdi::Dc& dc, const Document& doc, const RenderContext& ctx, int index,
                            const OutlinePoints& points);
