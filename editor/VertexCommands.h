// Adding and removing vertices of a figure's outline. A curved outline keeps
// its structure of anchors with two control points between them (3k points
// when closed, 3k + 1 as a line); the fixed flags move with their vertices.
#pragma once

#include "base/Failure.h"
#include "core/Records.h"

// Inserts n (1..3) vertices on the edge between vertices a and b: at the middle
// for one, at a quarter and three quarters for two, at all three for three.
// On the closing edge of a closed outline they go after the last vertex.
// Refused with 30005, unchanged, when the outline would pass 200 vertices.
[[nodiscard]] Result<void> InsertVertices(ObjectRecord& rec, int a, int b, int n);

// Removes vertex v; of a curved outline the whole segment it belongs to goes.
// Refused with 30023, unchanged, when fewer than 2 vertices would remain.
[[nodiscard]] Result<void> DeleteVertex(ObjectRecord& rec, int v);

// Turns Curve on or off. Switching on first brings the vertex count to the
// curve structure: missing points go between the last two, the last staying
// last; where that would pass 200 the outline drops the surplus before its
// last point instead. False when the flag already has that value.
bool SetCurve(ObjectRecord& rec, bool on);

// Levels the edge between vertices a and b as drawn on screen: the vertex
// that is not the reference (the smaller or larger number) takes the
// reference's drawn y (horizontal) or x (vertical) and is turned back into
// the stored outline. False when it already lay so.
bool LevelEdge(ObjectRecord& rec, int a, int b, bool horizontal, bool smallerIsReference);
