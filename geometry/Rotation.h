// A figure's vertices as drawn: rotated about its centre, zoomed, mirrored.
#pragma once

#include <QPoint>
#include <span>
#include <vector>

#include "core/Records.h"

// Slide units to view pixels: trunc(v × zoom) in the header's single precision.
int ToView(int v, float zoom);
QPoint ToView(QPoint p, float zoom);

// Points[0 .. PointNum), never more than the record holds.
std::vector<QPoint> StoredPoints(const ObjectRecord& rec);

// The stored vertices rotated by 2π − Angle about (CenterX, CenterY), slide units.
std::vector<QPoint> DrawnPoints(const ObjectRecord& rec);

// The drawn vertices in view pixels: rotated, then each coordinate zoomed.
std::vector<QPoint> RotatePoints(const ObjectRecord& rec, float zoom);

// Drawn (view-pixel) points back to stored vertices: divided by the zoom,
// truncated, and turned back by Angle; how editor drags commit.
std::vector<QPoint> UnrotatePoints(const ObjectRecord& rec, std::span<const QPoint> view, float zoom);

enum class MirrorAxis { LeftRight, UpsideDown };

// Toggles FlipH or FlipV; a figure's vertices are also mirrored about the
// vertical (or horizontal) line through its centre as seen on screen. The
// angle stays. Images and design text only change the flag.
void Mirror(ObjectRecord& rec, MirrorAxis axis);
