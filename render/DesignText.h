// Design text objects.
#pragma once

#include "render/SlideRenderer.h"

// False when the design text could not be drawn (no overlay either).
bool DrawDesignText(gdi::Dc& dc, const Document& doc, const RenderContext& ctx, int index);
