// The font figure text is drawn with in the tests, measured on a surface like the
// renderer's.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QImage>

#include "base/MulDiv.h"

namespace textfixtures {

// A face the test machine has; the substitutes of the Windows faces are registered
// only by the program itself.
inline constexpr char kFace[] = "IPAPGothic";

// Aliased, without kerning, `px` pixels high: how figure text is drawn.
inline QFont PixelFont(int px) {
  QFont font(kFace);
  font.setPixelSize(px);
  font.setStyleStrategy(QFont::NoAntialias);
  font.setKerning(false);
  return font;
}

// The pixel height of `points` on a 96 dpi surface.
inline int PointsToPixels(int points) { return MulDiv(points, 96, 72); }

inline QFontMetrics Metrics(const QFont& font) {
  static const QImage surface(1, 1, QImage::Format_RGB32);
  return QFontMetrics(font, &surface);
}

}  // namespace textfixtures
