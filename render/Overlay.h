// The editing view's overlay on a drawn object: resize handles, shape or
// vertex handles and the rotation circle with its angle label.
#pragma once

#include <QString>
#include <array>

#include "render/SlideRenderer.h"
#include "render/outline/MathSub.h"

// The eight resize-handle points from the rotated bounds: corners, then edge
// midpoints; a side shorter than trunc(30 x zoom) is widened to it.
std::array<QPoint, 8> ResizeHandlePoints(Bounds bounds, float zoom);

// A round dot five pixels across, as a width-5 pen draws a single point.
void DrawDot(gdi::Dc& dc, QPoint p, COLORREF colour);

// "0" for an unrotated object, else 360 minus the whole degrees of `angle`.
QString AngleLabel(double angle);

// Records handle points and bounds into the view entry, and draws the handles
// when the object is selected.
void DrawObjectOverlay(gdi::Dc& dc, const Document& doc, const RenderContext& ctx, int index);
