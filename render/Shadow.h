// Where shadows land for each light direction.
#pragma once

#include <QRect>

// The shadow of something whose top-left corner is caster.topLeft() and whose size is
// caster.size(), with the offset (dx, dy) already in view pixels. Light from straight
// above (4) widens the shadow by dx on the left and right and by dy on top and bottom.
QRect ShadowAt(int direction, QRect caster, int dx, int dy);
