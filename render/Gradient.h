// Gradients over 17 reference points: the slide background, figure fills and the
// gradient editor's preview share them.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <array>
#include <optional>

#include "base/Color.h"

struct ObjectRecord;
namespace gdi {
class Dc;
}

inline constexpr int kGradeColours = 17;
inline constexpr int kGradePatterns = 17;  // 0 .. 16; 7, 8 and 9 paint nothing

// Corners, edge midpoints, centre and edge quarters of (l, t) .. (r, b), r and b being
// rect's exclusive right and bottom; gradient colour i belongs to point i.
std::array<QPoint, kGradeColours> ReferencePoints(QRect rect);

// Paints rect with the pattern; an unknown pattern paints nothing.
void FillGradient(gdi::Dc& dc, const COLORREF (&colours)[kGradeColours], int pattern, QRect rect);

// The object's gradient for a buffer of `size`: painted upright, or, when it turns with the
// object, painted on a square 1.5 times the larger side, turned by the object's angle and
// cut out at its centre. Only `area` is painted (the faces lie inside it); the rest stays
// the transparency key. Nothing when the picture cannot be made.
std::optional<QImage> GradientForObject(const ObjectRecord& r, QSize size, QRect area);
