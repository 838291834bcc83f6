// What the image commands do to image objects, without dialogs: the image
// under a drop, putting a new picture in place of the old, switching the
// transparent colour off, and the colour rules of picking one.
#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "base/Color.h"

class Document;
class Picture;

bool IsImageWithPicture(const Document& doc, int index);

// The topmost image of `slide` whose drawn frame contains `viewPoint` (view
// pixels at `zoom`), or -1.
int ImageAt(const Document& doc, int slide, QPoint viewPoint, float zoom);

// Object `index` holds `picture` instead of its own: the new picture is in
// the table before the old one is released. False, with nothing changed,
// without a picture.
bool SwapPicture(Document& doc, int index, std::shared_ptr<const Picture> picture);

// SwapPicture for a new picture file's picture. ImageKind follows the transparent
// colour (1 with one, 0 without); TransOn and the frame stay. False, with
// nothing changed, without a picture.
bool SetImagePicture(Document& doc, int index, std::shared_ptr<const Picture> picture, COLORREF trans);

// Every selected image of `slide` whose transparent colour is on loses it
// (the colour and the kind stay); false when there was none.
bool TransparencyOff(Document& doc, int slide);

// What a drop of `paths` does: the image files inserted (no target), the
// files refused as not images, and with a target the one file that replaces
// its picture (the first image file; later files are ignored).
struct DropPlan {
  QStringList inserts;
  QStringList refused;
  QString replacement;
};
DropPlan PlanDrop(const QStringList& paths, bool onImage, const std::function<bool(const QString&)>& isFolder);

// The picture drawn at its pixel size on white, as the colour rules see it.
QImage DrawnOnWhite(const Picture& picture, int dpi);
// Distinct colours in reading order, counting stops at `limit`.
int CountColours(const QImage& image, int limit = 256);
// The first colour of `image` nearest `c` (smallest sum of channel differences).
COLORREF SnapColour(const QImage& image, COLORREF c);
// The image kind a picked colour gives a picture of `colours` distinct colours
// (counted up to 256) and `pixels` size: 2 for few colours, 1 for a small
// picture, nullopt when the user must choose.
std::optional<int> PickedKind(int colours, QSize pixels);
