// The transparent colour a PNG file carries: the background of an image with
// alpha, or the first see-through palette entry.
#pragma once

#include <QByteArrayView>

#include "base/Failure.h"
#include "base/Color.h"

class CPNGSub {
 public:
  // Colour types 4 and 6: the "bKGD" colour (low bytes of its samples), else
  // white. Colour type 3: the palette colour of the first "tRNS" entry that is
  // not opaque. Otherwise, and when no entry qualifies, -1. Chunks are walked
  // by their lengths up to the first "IDAT"; a failure carries 30014 with the
  // reason ("PNGファイル識別エラー", "カラータイプ識別エラー", "データ読込みエラー").
  static Result<COLORREF> GetTransColor(QByteArrayView png);
};
