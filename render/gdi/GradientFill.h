// GradientFill: colour ramps across rectangles and triangles, 16 bits per channel.
#pragma once

#include <cstdint>

#include "render/gdi/Dc.h"

namespace gdi {

// A vertex in view coordinates with 16-bit colour channels (8-bit value x 256). Alpha is
// carried for completeness; the surface has none.
struct TriVertex {
  int x;
  int y;
  std::uint16_t red;
  std::uint16_t green;
  std::uint16_t blue;
  std::uint16_t alpha = 0;
};

// The vertex for an 8-bit colour, as the drawing code passes its colours.
TriVertex MakeVertex(int x, int y, COLORREF color);

// The box between the two vertices (right and bottom excluded). Horizontally, column x of
// a box left .. right takes (c_left (len - pos) + c_right pos) / len >> 8 per channel, with
// pos = x - left and len = right - left: the left column has the left vertex's colour
// exactly, the right vertex's colour itself falls just outside. Vertically likewise by rows.
bool GradientFillRect(Dc& dc, const TriVertex (&v)[2], bool vertical);

// Rows from the top vertex down to (not including) the bottom vertex's row, each from
// ceil of its left edge up to (not including) its right edge; channels are the barycentric
// mix of the three vertices' channels, divided down (truncating) and then >> 8. False, and
// nothing drawn, for a triangle without area or with a vertex beyond +-2^20.
bool GradientFillTriangle(Dc& dc, const TriVertex (&v)[3]);

}  // namespace gdi
