// Where a figure's text goes: the box chosen per figure kind, its margins and,
// for text that turns with the figure, the turned box the lines run along.
#pragma once

#include <QPoint>
#include <array>
#include <span>

#include "core/Records.h"
#include "geometry/MathSub.h"

// The axis-aligned text box in view pixels, from the figure's drawn outline `points`;
// at least trunc(30 x zoom) wide and high. Width is right - left.
Bounds TextBox(const ObjectRecord& r, std::span<const QPoint> points, float zoom);

// Margins in view pixels.
struct TextMargins {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};
TextMargins MarginsOf(const ObjectRecord& r, float zoom);

// The box inside its margins as four corners TL, TR, BR, BL, turned counter-clockwise
// on screen by `angle` radians about its own centre (0 leaves it upright). The lines
// start on the edge TL-BL and end on TR-BR.
std::array<QPoint, 4> TurnedBox(const Bounds& box, const TextMargins& m, double angle);
