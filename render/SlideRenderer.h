// Draws one slide of the document: background, then every object of the slide
// in table order, each through its own colour-keyed buffer; in the editing
// view also the selection overlay.
#pragma once

#include <QImage>
#include <QPoint>
#include <array>
#include <functional>

#include "base/Failure.h"
#include "core/Records.h"
#include "render/RenderContext.h"

namespace gdi {
class Dc;
}

// The outline of the object being drawn, in view pixels of the target.
using OutlinePoints = std::array<QPoint, kMaxPoints>;

// `dc` draws in view pixels with the slide's top-left corner at (0, 0). Every
// object that can be is drawn; the failure (30001) says that one could not be
// for lack of memory. Objects `skip` names are left out (the editing view
// keeps the objects that stand still during a drag in an image of their own).
[[nodiscard]] Result<void> DrawSlide(gdi::Dc& dc, const Document& doc, const RenderContext& ctx,
                                     const std::function<bool(int)>& skip = {});
// False when the object was not drawn (which also suppresses its overlay).
bool DrawObject(gdi::Dc& dc, const Document& doc, const RenderContext& ctx, int index);

// The slide of `ctx` on `target` cleared to white; an object that cannot be
// drawn is left out, as every view outside the editor does.
void DrawSlideOnWhite(QImage& target, const Document& doc, const RenderContext& ctx);

// Slide `slide` (0-based) at `zoom` on a white-framed image of exactly the
// slide's size, as shows, thumbnails, printing and exports see it.
QImage RenderSlideImage(const Document& doc, int slide, float zoom);

// Slide `slide` drawn to fill `size` pixels of a printer, or of its preview,
// at that resolution (not stretched) and with the printer's font rule.
QImage RenderPrintedSlide(const Document& doc, int slide, QSize size);
