// Picture files become pictures: JPEG files keep their bytes, pictures with a
// transparent colour are kept as bitmaps keyed on that colour, everything else
// is held as a JPEG of its pixels. Works on the file's bytes only.
#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <memory>

#include "base/Color.h"
#include "base/Failure.h"
#include "core/picture/Picture.h"

struct LoadedPicture {
  std::shared_ptr<const Picture> picture;
  QSize pixels;                // the picture's size in screen pixels
  COLORREF trans = kNoColor;   // its transparent colour
};

// `type` is a picture type name ("jpeg", "gif", "bmp", "png", "tiff"; case is
// ignored) and only chooses the path: the decoder goes by the bytes. A damaged
// BMP header fails with 30011 and its detail line; anything else that cannot
// be decoded with 30028 and no detail.
Result<LoadedPicture> LoadPicture(const QByteArray& file, const QString& type, int dpi = 96);

// The file read whole, then LoadPicture; 30028 when it cannot be read.
Result<LoadedPicture> LoadPictureFile(const QString& path, const QString& type, int dpi = 96);
