#include "render/Shadow.h"

QRect ShadowAt(int direction, QRect caster, int dx, int dy) {
  const int ox = caster.x();
  const int oy = caster.y();
  const int w = caster.width();
  const int h = caster.height();
  switch (direction) {
    case 0: return {ox + dx, oy + dy, w, h};
    case 1: return {ox, oy + dy, w, h};
    case 2: return {ox - dx, oy + dy, w, h};
    case 3: return {ox + dx, oy, w, h};
    case 4: return {ox - dx, oy - dy, w + 2 * dx, h + 2 * dy};
    case 5: return {ox - dx, oy, w, h};
    case 6: return {ox + dx, oy - dy, w, h};
    case 7: return {ox, oy - dy, w, h};
    default: return {ox - dx, oy - dy, w, h};
  }
}
