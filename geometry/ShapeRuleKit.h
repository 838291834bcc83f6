// What the shape rules and the re-layout after a resize share: short names
// for the point operations, the few constructions several kinds use, and
// each family's rule.
#pragma once

#include <QPoint>
#include <vector>

#include "geometry/MathSub.h"
#include "geometry/ShapeRules.h"

namespace shapekit {

using Outline = std::vector<QPoint>;

// trunc(Distance(a, b)), the whole length rules store.
int Len(QPoint a, QPoint b);
inline QPoint Along(int d, QPoint a, QPoint b) { return CMathSub::PointAlong(d, a, b); }
inline QPoint Foot(QPoint p, QPoint a, QPoint b) { return CMathSub::ProjectOnSegment(p, a, b); }
inline QPoint Turn(QPoint c, QPoint p, double angle) { return CMathSub::RotatePoint(c, p, angle); }
inline QPoint Mid(QPoint a, QPoint b) { return CMathSub::MidPoint(a, b); }
// `p` mirrored across the line through a and b.
QPoint MirrorAcross(QPoint p, QPoint a, QPoint b);
// Whether segments a-b and c-d cross inside both; touching or sharing an end
// is not crossing.
bool Crosses(QPoint a, QPoint b, QPoint c, QPoint d);
// Whether two edges of the closed polygon `pts` that share no vertex cross.
bool ClosedOutlineCrosses(const Outline& pts);
// The whole percentage of a-b at `p` (a point on that line) as PercentAlong
// gives it, except that beyond b it keeps growing past 100 instead of
// falling to 0: a pointer dragged past the far end of a guide holds the
// rule's upper limit, not its lower one.
int GuidePercent(QPoint a, QPoint b, QPoint p);
// Makes the cubic from anchor `a` to anchor `a` + 3 (the last one runs back to
// vertex 0) a straight segment: its controls at thirds.
void Straighten(Outline& pts, int a);

// The rectangle around an ellipse with horizontal anchors `left` (p9) and
// `right` (p3), `half` its half height.
struct Corners {
  QPoint topLeft, topRight, bottomRight, bottomLeft;
};
Corners EllipseCorners(QPoint left, QPoint right, int half, RefAngles ref);

// Memo: the corner hidden under the fold, the folded tip as that corner
// mirrored across the fold line p0-p4, and the curl p6, p7 between tip and p0.
QPoint MemoCorner(const Outline& p, RefAngles ref);
void MemoFold(Outline& p, QPoint corner);
void MemoCurl(Outline& p);
// Job: the two inner bars at `inset` from the ends.
void JobBars(Outline& p, int inset);

// Balloon bodies laid out again round their reference edge, `height` (K)
// from it; `width` (H) as each kind measures it. The tail tip p0 stays.
void LayOutSlipRect(Outline& p, int height, const ShapeRuleContext& ctx);
void LayOutSlipRound(Outline& p, int width, int height, const ShapeRuleContext& ctx);
void LayOutSlipCloud(Outline& p, int width, int height, const ShapeRuleContext& ctx);
void LayOutSlipSCloud(Outline& p, int width, int height, const ShapeRuleContext& ctx);

// The rules by family; each refuses by returning false with `p` unchanged.
bool RoundRectRule(Outline& p, int handle, QPoint pointer);
bool EllipseRule(Outline& p, int handle, QPoint pointer, RefAngles ref);
bool StarRule(Outline& p, QPoint pointer);
bool JobRule(Outline& p, QPoint pointer);
bool MemoRule(Outline& p, int handle, QPoint pointer, RefAngles ref);
bool CylinderRule(Outline& p, QPoint pointer);
bool CubeRule(Outline& p, QPoint pointer);
bool ButtonRule(Outline& p, QPoint pointer);
bool PyramidRule(Outline& p, QPoint pointer);
bool ArrowRule(Outline& p, int handle, QPoint pointer, RefAngles ref);
bool CurveLArrowRule(Outline& p, int handle, QPoint pointer, RefAngles ref);
bool CurveArrowRule(Outline& p, int handle, QPoint pointer, RefAngles ref);
bool BalloonTailRule(int kind, Outline& p, QPoint pointer, const ShapeRuleContext& ctx);

}  // namespace shapekit
