#include "show/FitScale.h"

ShowFit ComputeShowFit(QSize screen, QSize slide, bool noEnlarge) {
  const int W = screen.width(), H = screen.height();
  const int w = slide.width(), h = slide.height();
  ShowFit fit;
  if (w <= 0 || h <= 0) {
    fit.image = screen;
    return fit;
  }
  if (noEnlarge && w < W && h < H) {
    fit.image = slide;
    fit.offset = QPoint((W - w) / 2, (H - h) / 2);
    return fit;
  }
  // Single precision, truncated, as the stored shows were always laid out.
  const float sx = static_cast<float>(W) / static_cast<float>(w);
  const float sy = static_cast<float>(H) / static_cast<float>(h);
  if (sy > sx) {
    fit.scale = sx;
    const int ih = static_cast<int>(static_cast<float>(h) * sx);
    fit.image = QSize(W, ih);
    fit.offset = QPoint(0, (H - ih) / 2);
  } else {
    fit.scale = sy;
    const int iw = static_cast<int>(static_cast<float>(w) * sy);
    fit.image = QSize(iw, H);
    fit.offset = QPoint((W - iw) / 2, 0);
  }
  return fit;
}
