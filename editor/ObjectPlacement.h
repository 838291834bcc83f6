// Moving whole objects on their slide: plain translation, the axis-parallel
// box editing commands measure with, and pushing an object back onto the slide.
#pragma once

#include <QPoint>

#include "core/Records.h"
#include "geometry/MathSub.h"

// Adds `delta` (slide units) to the centre and every vertex; shape and angle stay.
void Translate(ObjectRecord& rec, QPoint delta);

// The box around the drawn (rotated) outline in slide units, as the selection
// frame shows it: view pixels divided by the zoom and truncated, right and
// bottom from the truncated width and height.
Bounds UnitBox(const ObjectRecord& rec, float zoom);

// Shifts the object by as much as its margin box sticks out of the slide
// (left or top first, else right or bottom). A design text keeps its centre.
// Returns whether it moved.
bool PushInsideSlide(ObjectRecord& rec, const DocHeader& header);
