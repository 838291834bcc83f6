// The arithmetic of the image-properties dialog, kept apart from its widgets.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

// The angle spin's position (0..359) for a stored angle in radians.
int AngleSpinPosition(double angle);
// The saved byte count as the dialog shows it: "1,234,567byte"; grouped only
// for 4 to 9 digits.
QString ByteCountText(qint64 bytes);
// The frame size that gives the bounds (W, H) the picture's aspect ratio,
// keeping the width (or the height) unless the result leaves the slide;
// nullopt when the ratios already agree or a side is empty.
std::optional<QSize> AspectTarget(QSize picture, QSize bounds, bool byWidth, QSize slide);

struct ObjectRecord;
class Document;

// The frame's width and height: the truncated lengths of its top and left sides.
QSize FrameSize(const ObjectRecord& r);
// Whether a picture of `pixels` already has the frame's proportions to a tenth.
bool SameAspect(QSize pixels, QSize frame);
// The frame made W x H on vertex 0's side, staying a rectangle however it is
// turned or mirrored.
void ResizeFrame(ObjectRecord& r, int W, int H);
// The frame at the picture's pixel size from vertex 0, or nullopt when it
// would not fit on the slide turned as it is and with its drawing margin.
std::optional<ObjectRecord> ActualSizeFrame(const ObjectRecord& r, QSize pixels, QSize slide);
// The drawn (turned) frame's bounds in slide units at `zoom`.
QRect DrawnBounds(const ObjectRecord& r, float zoom);
// Moves object `index` back onto the slide, margin included.
void PushInside(Document& doc, int index);
