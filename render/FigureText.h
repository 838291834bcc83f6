// The text of figures, laid out inside their outline and drawn on the target after
// the figure.
#pragma once

#include "render/SlideRenderer.h"

// False when the text could not be laid out (no memory; the message has been shown),
// which also suppresses the object's overlay.
bool DrawFigureText(gdi::Dc& dc, const Document& doc, const RenderContext& ctx, int index,
                    const OutlinePoints& points);
