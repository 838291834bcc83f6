// Image objects: the picture at its natural size, mirrored, stretched to the
// object, rotated and copied with its transparent colour, then its frame.
#pragma once

#include "render/SlideRenderer.h"

// False when the object has no picture or a step failed: nothing was drawn.
bool DrawImageObject(gdi::Dc& dc, const Document& doc, const RenderContext& ctx, int index);
