// The pen that outlines figures: a geometric pen of the given width with round joins.
#pragma once

#include "base/Color.h"

namespace gdi {

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Null };

// End caps of open lines wider than one pixel. Joins are always round.
enum class EndCap { Round, Square, Flat };

// A pen of colour kNoColor shapes the figure (its fill leaves the outline's pixels alone)
// but paints nothing.
//
// Geometric dashes (the default) are dash 3, gap 1 / dot 1, gap 1 / 3-1-1-1 / 3-1-1-1-1-1
// times the width; with round or square caps each dash is one width shorter and each gap
// one width longer, the cap filling the difference (a round-capped dot is a disc).
// A cosmetic pen (CreatePen rather than ExtCreatePen) of width 1 uses the screen lengths
// 18-6 / 3-3 / 9-6-3-6 / 9-3-3-3-3-3 instead; wider cosmetic pens draw solid.
// Gaps are never painted (transparent background). Widths are clamped to 1..kMaxPenWidth.
inline constexpr int kMaxPenWidth = 1024;

struct Pen {
  constexpr Pen() = default;
  constexpr Pen(PenStyle s, int w, COLORREF c, EndCap e = EndCap::Round, bool cosm = false)
      : style(s), width(w), color(c), cap(e), cosmetic(cosm) {}

  PenStyle style = PenStyle::Solid;
  int width = 1;
  COLORREF color = 0;
  EndCap cap = EndCap::Round;
  bool cosmetic = false;
};

}  // namespace gdi
