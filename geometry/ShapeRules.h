// The shape-handle rules of the parametric figures: dragging handle k of a
// RoundRect, Ellipse, Star, Job, Memo, arrow, Cylinder, Cube, Button, Pyramid
// or balloon changes one proportion of the figure (corner rounding, fold,
// shaft width, tail ...) and moves only the vertices that depend on it.
// Rules work on the working outline: the vertices rotated as drawn and
// zoomed to view pixels, with the pointer in the same space.
#pragma once

#include <QPoint>
#include <QSize>
#include <optional>
#include <vector>

#include "core/Records.h"

// The two quarter turns rules build perpendiculars with: π/2 and 3π/2,
// exchanged for a figure mirrored one way only, so that it keeps its side.
struct RefAngles {
  double a;  // θa
  double b;  // θb
};
RefAngles RefAnglesOf(bool flipH, bool flipV);

struct ShapeRuleContext {
  RefAngles ref{};
  QSize area;                // the slide in view pixels; a balloon's tail stops at it
  bool anchorCurve = false;  // a balloon's tail keeps its control points
};

// Applies the rule of figure `kind` for shape handle `handle` (0..2) to the
// working outline `pts` with the pointer at `pointer`. True: `pts` holds the
// new outline. False: the rule refuses this pointer (or knows no such kind,
// handle or vertex count) and `pts` is unchanged.
bool ApplyShapeRule(int kind, int handle, std::vector<QPoint>& pts, QPoint pointer,
                    const ShapeRuleContext& ctx);

// The working outline of `rec` after its shape handle `handle` is dragged to
// `pointer`: view pixels at `zoom` without the scroll offset, so slide units
// at zoom 1. `slide` is the slide size in slide units. Nothing when the rule
// refuses or a vertex would leave the slide: the drag's preview.
std::optional<std::vector<QPoint>> ShapeHandleOutline(const ObjectRecord& rec, int handle, QPoint pointer,
                                                      QSize slide, float zoom = 1.0f);

// `rec` with that outline stored (divided by the zoom, turned back about its
// centre): what the drag's release commits. Nothing means no change.
std::optional<ObjectRecord> DragShapeHandle(const ObjectRecord& rec, int handle, QPoint pointer, QSize slide,
                                            float zoom = 1.0f);
