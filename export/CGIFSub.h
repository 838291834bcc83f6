// GIF helpers: the patch that makes one palette entry of a written GIF
// transparent, and the reduction of an image object's picture to 256 colours.
#pragma once

#include <QByteArray>
#include <memory>

#include "base/Failure.h"
#include "base/Color.h"

class Document;
class Picture;

struct ReducedPicture {
  std::shared_ptr<const Picture> picture;
  COLORREF transColor = kNoColor;  // the old transparent colour mapped into the new palette
};

class CGIFSub {
 public:
  // Marks the colour-table entry nearest `color` (smallest sum of channel
  // differences, first entry on ties) transparent in the graphic control block
  // that follows the global table, or that precedes the first image when only
  // it has a table. False, leaving `gif` unchanged, when there is no table or
  // no graphic control block (21 F9 04) where it must be.
  static bool MakeTransparent(QByteArray& gif, COLORREF color);

  // `picture` drawn at its pixel size and saved as a GIF of at most 256 colours,
  // loaded back as a picture of the same natural size at `dpi`. When `transColor`
  // is a colour it is kept in the palette and mapped to the nearest listed one.
  static Result<ReducedPicture> ReduceColors(const Picture& picture, COLORREF transColor, int dpi);

  // ReduceColors applied to image object `index`: its picture and transparent
  // colour are replaced only once the new picture has loaded. A change for
  // EditPath::Apply; a failure changes nothing.
  static Result<void> ReduceObjectColors(Document& doc, int index);
};
