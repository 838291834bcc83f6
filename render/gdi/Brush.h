// The brush that fills figures, rectangles and flood fills.
#pragma once

#include <QImage>

#include "base/Color.h"

namespace gdi {

// A hollow brush or one of colour kNoColor (without a pattern) fills nothing. A pattern
// brush tiles its image from the surface's pixel (0, 0), whatever the window origin.
struct Brush {
  Brush() = default;
  Brush(COLORREF c, bool h = false) : color(c), hollow(h) {}  // {colour, hollow}
  static Brush Pattern(const QImage& image) {
    Brush b;
    b.pattern = image;
    return b;
  }

  COLORREF color = 0;
  bool hollow = false;
  QImage pattern;
};

}  // namespace gdi
