// The editing view's overlay on a drawn object: resize handles, shape or
// vertex handles and the rotation circle with its angle label.
#pragma once

#include <QString>

#include "render/SlideRenderer.h"

// A round dot five pixels across, as a width-5 pen draws a single point.
void DrawDot(gdi::Dc& dc, QPoint p, COLORREF colour);

// "0" for an unrotated object, else 360 minus the whole degrees of `angle`.
QString AngleLabel(double angle);

// Draws the handles and the rotation circle of a selected object; nothing for
// an object that is not selected.
void DrawObjectOverlay(gdi::Dc& dc, const Document& doc, const RenderContext& ctx, int index);
