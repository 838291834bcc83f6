#include "editor/ImageEdits.h"

#include <QPainter>
#include <cstdlib>
#include <unordered_set>

#include "core/Document.h"
#include "core/picture/PictureFileType.h"
#include "geometry/MathSub.h"
#include "geometry/Rotation.h"
#include "render/gdi/Color.h"

bool IsImageWithPicture(const Document& doc, int index) {
  return index >= 0 && index < doc.ObjCount() && doc.Object(index).ObjClass == objclass::Image &&
         doc.PictureOf(index) != nullptr;
}

int ImageAt(const Document& doc, int slide, QPoint viewPoint, float zoom) {
  for (int i = doc.ObjCount() - 1; i >= 0; --i) {
    const ObjectRecord& r = doc.Object(i);
    if (r.Slide != slide || r.ObjClass != objclass::Image) continue;
    const std::vector<QPoint> corners = RotatePoints(r, zoom);
    if (corners.size() >= 4 && CMathSub::PointInPolygon(std::span(corners.data(), 4), viewPoint)) return i;
  }
  return -1;
}

bool SwapPicture(Document& doc, int index, std::shared_ptr<const Picture> picture) {
  if (!picture || index < 0 || index >= doc.ObjCount()) return false;
  ObjectRecord& r = doc.Object(index);
  const PictureHandle old = r.Picture;
  r.Picture = doc.Pictures().Add(std::move(picture));
  doc.Pictures().Release(old);
  return true;
}

bool SetImagePicture(Document& doc, int index, std::shared_ptr<const Picture> picture, COLORREF trans) {
  if (!SwapPicture(doc, index, std::move(picture))) return false;
  ObjectRecord& r = doc.Object(index);
  r.refTrans = trans;
  r.ImageKind = trans != kNoColor ? 1 : 0;
  return true;
}

bool TransparencyOff(Document& doc, int slide) {
  bool changed = false;
  for (int i = 0; i < doc.ObjCount(); ++i) {
    ObjectRecord& r = doc.Object(i);
    if (r.Slide != slide || r.ObjClass != objclass::Image || !doc.View(i).Selected || !r.TransOn) continue;
    r.TransOn = 0;
    changed = true;
  }
  return changed;
}

DropPlan PlanDrop(const QStringList& paths, bool onImage, const std::function<bool(const QString&)>& isFolder) {
  DropPlan plan;
  for (const QString& path : paths) {
    if (isFolder(path)) continue;
    if (PictureFileType(path).isEmpty()) {
      plan.refused << path;
      continue;
    }
    if (!onImage) {
      plan.inserts << path;
      continue;
    }
    plan.replacement = path;
    break;
  }
  return plan;
}

QImage DrawnOnWhite(const Picture& picture, int dpi) {
  const QSize pixels = picture.NaturalPixels(dpi, dpi);
  if (pixels.isEmpty()) return QImage();
  QImage image(pixels, QImage::Format_RGB32);
  if (image.isNull()) return image;
  image.fill(Qt::white);
  QPainter painter(&image);
  picture.Render(painter, image.rect());
  return image;
}

int CountColours(const QImage& image, int limit) {
  std::unordered_set<QRgb> seen;
  for (int y = 0; y < image.height(); ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      seen.insert(row[x] & 0xFFFFFF);
      if (int(seen.size()) >= limit) return limit;
    }
  }
  return int(seen.size());
}

COLORREF SnapColour(const QImage& image, COLORREF c) {
  const QRgb want = gdi::ToQRgb(c);
  int best = -1;
  COLORREF found = c;
  for (int y = 0; y < image.height(); ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = row[x];
      const int d = std::abs(qRed(p) - qRed(want)) + std::abs(qGreen(p) - qGreen(want)) +
                    std::abs(qBlue(p) - qBlue(want));
      if (best >= 0 && d >= best) continue;
      best = d;
      found = gdi::FromQRgb(p);
      if (d == 0) return found;
    }
  }
  return found;
}

std::optional<int> PickedKind(int colours, QSize pixels) {
  if (colours < 256) return 2;
  if (pixels.width() < 391 || pixels.height() < 391) return 1;
  return std::nullopt;
}
