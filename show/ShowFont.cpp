#include "show/ShowFont.h"

#include "base/MulDiv.h"

QFont ShowFont(int points) {
  QFont font(QString::fromUtf8("ＭＳ Ｐゴシック"));
  font.setPixelSize(MulDiv(points, 96, 72));
  font.setWeight(QFont::Bold);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}
