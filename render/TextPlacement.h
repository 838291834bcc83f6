// Vertical placement of a figure's visual lines inside the text box.
#pragma once

#include <vector>

// Line pitch in pixels for a line height h: LineMargin 5 is the font's own pitch,
// each step away from 5 moves it by the zoom. Never below 1.
int LinePitch(int h, int lineMargin, float zoom);

struct LinePlacement {
  int first = 0;       // index of the first visual line drawn
  std::vector<int> y;  // offset from the top of the box of each drawn line
};

// Which of `total` visual lines are drawn, and where, in a box `ah` pixels high;
// `h` is the line height, `p` the pitch, `alineV` 0 top, 1 centre, 2 bottom.
// When not all lines fit, lines are dropped from the top (bottom), from both ends
// (centre) or from the end (top).
LinePlacement PlaceLines(int total, int ah, int h, int p, int alineV);
