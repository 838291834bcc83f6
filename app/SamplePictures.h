// The pictures of the sample presentation, drawn in code so that the sample
// needs no image files.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// A landscape: sky, sun, mountains and a lake.
QImage DrawLandscape(QSize size);
// A round badge on pure white, the white meant to be transparent; drawn
// without antialiasing so that no pixel near the edge is almost white.
QImage DrawBadge(int side);
// `image` as the bytes of a JPEG file.
QByteArray EncodeJpeg(const QImage& image, int quality = 90);
