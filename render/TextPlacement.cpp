// Vertical placement of figure text.
#include "render/TextPlacement.h"

#include <algorithm>

#include "geometry/Rotation.h"

namespace {

constexpr int kCentre = 1;
constexpr int kBottom = 2;

// How much of `spare` goes above the text for the alignment.
int Lead(int spare, int alineV) {
  if (alineV == kCentre) return spare / 2;
  if (alineV == kBottom) return spare;
  return 0;
}

}  // namespace

int LinePitch(int h, int lineMargin, float zoom) {
  return std::max(1, h - ToView(5 - lineMargin, zoom));
}

LinePlacement PlaceLines(int total, int ah, int h, int p, int alineV) {
  LinePlacement out;
  const int fit = ah / p;
  if (total <= 0 || fit <= 0) return out;
  if (fit < total) {
    out.first = Lead(total - fit, alineV);
    for (int i = 0; i < fit; ++i) out.y.push_back(i * p);
    return out;
  }
  // One or two lines are centred to the pixel, more by whole lines.
  int top = Lead(fit - total, alineV) * p;
  if (total == 1 && alineV != 0) top = Lead(ah - h, alineV);
  if (total == 2 && alineV != 0) top = Lead(ah - 2 * p, alineV);
  for (int i = 0; i < total; ++i) out.y.push_back(top + i * p);
  return out;
}
