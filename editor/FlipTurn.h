// Flips, quarter turns and "no tilt" of the selected objects of a slide.
#pragma once

#include "geometry/Angles.h"
#include "geometry/Rotation.h"

class Document;

// Ribbon command identifiers.
enum FlipTurnCommand : int {
  ID_REVERSE_H = 489, ID_REVERSE_V = 490, ID_ROT_90 = 491, ID_ROT_180 = 492, ID_ROT_270 = 493, ID_ROUND_0 = 534,
};

// Mirrors every selected object of `slide` about its rotation centre; a
// mirrored figure is pushed back onto the slide. False with nothing selected.
bool FlipSelected(Document& doc, int slide, MirrorAxis axis);

// Turns each selected object whose outline stays on the slide; the others
// keep their angle. False when no object turned.
bool TurnSelected(Document& doc, int slide, QuarterTurn turn);

// Angle 0 for each selected object whose unrotated outline lies on the slide;
// a four-point outline also has its nearly equal coordinates (less than 10
// apart) made equal, so a slightly skewed box becomes square to the slide.
bool StraightenSelected(Document& doc, int slide);
