// The arithmetic of the image-properties dialog, kept apart from its widgets.
#pragma once

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
