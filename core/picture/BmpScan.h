// The transparent colour a 32-bit BMP file carries in its fourth bytes, read
// straight from the file's bytes before any decoder sees them.
#pragma once

#include <QByteArrayView>

#include "base/Color.h"
#include "base/Failure.h"

// kNoColor when the file is not 32-bit or no pixel is marked; a failure
// (BitmapInfoFailed with its detail line) when the bytes are no bitmap or its
// header or pixel offset points past the end of the file, at any depth.
Result<COLORREF> ScanBmpTransColor(QByteArrayView file);
