// The pens of outlines: width and cap rules, dash styles, the double line and the
// soft edge of thin lines.
#pragma once

#include <span>
#include <vector>

#include "base/Color.h"
#include "geometry/StrokePath.h"

namespace gdi {
class Dc;
enum class PenStyle;
}  // namespace gdi

namespace linestyle {
inline constexpr int Solid = 0;
inline constexpr int Dash = 1;
inline constexpr int Dot = 2;
inline constexpr int DashDot = 3;
inline constexpr int DashDotDot = 4;
inline constexpr int Double = 5;
}  // namespace linestyle

// One stroke over a path; the cap follows the number of points of each piece drawn.
struct StrokePass {
  gdi::PenStyle style;
  int width;
  COLORREF colour;
};

// Pen width for a line width in slide units: max(1, trunc(W x zoom)); a width of 0 is a
// fixed 2-pixel pen.
int OutlineWidth(int futosa, float zoom);

// The strokes that draw a line look: one, or for the double line the outer stroke in the
// colour and then, when it is at least a pixel wide, the white middle.
std::vector<StrokePass> StrokePasses(int lineStyle, int futosa, COLORREF colour, float zoom);

// Thin outlines of figures first get a wider stroke in the line colour lightened by 128
// per channel, which softens their edge against the fill.
StrokePass SoftEdgePass(COLORREF colour, float zoom);

// Square caps for paths of 1, 2 or 4 points, round for all others.
void DrawPieces(gdi::Dc& dc, std::span<const PathPiece> pieces, const StrokePass& pass);
// A closed outline through points (joins everywhere, no caps), interior untouched.
void DrawClosed(gdi::Dc& dc, std::span<const QPoint> points, const StrokePass& pass);
