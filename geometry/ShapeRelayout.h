// After a resize: scaling a turned figure along the view's axes can skew it,
// so a parametric figure is laid out again from its new size, keeping its
// proportions (roundings, folds, depths, tail). Slide units.
#pragma once

#include <QPoint>
#include <vector>

#include "core/Records.h"
#include "geometry/ShapeRules.h"

// The outline of `kind` made regular again. Star and the three arrows keep
// their scaled points; so does an outline with the wrong vertex count.
// Edges the layout measures are made at least 30 units long first.
std::vector<QPoint> RelayoutShape(int kind, std::vector<QPoint> pts, const ShapeRuleContext& ctx);

// The stored vertices of a resized figure laid out again; false when its
// kind keeps its points as they are.
bool RelayoutAfterResize(ObjectRecord& rec);
