// The alpha rules work on ARGB32 pixels: alpha 0 is see-through, 255 opaque.
#include "export/PictureLoader.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include "base/MessageIds.h"
#include "core/picture/BmpScan.h"
#include "export/CPNGSub.h"
#include "export/ImageEncoder.h"
#include "render/gdi/Color.h"

namespace {

Failure NoImage() { return Failure(msg::NoImage); }

// Decoded by content, within Qt's allocation limit (a header promising a huge
// picture is refused before any pixel memory is taken).
QImage Decode(const QByteArray& file) {
  QBuffer buffer;
  buffer.setData(file);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  reader.setAutoTransform(false);
  QImage image = reader.read();
  if (image.isNull()) return image;
  return image.convertToFormat(QImage::Format_ARGB32);
}

// The colour of the first see-through pixel in reading order.
COLORREF FirstClearColour(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(row[x]) == 0) return gdi::FromQRgb(row[x]);
  }
  return kNoColor;
}

void SetClearPixels(QImage& image, COLORREF to) {
  const QRgb key = gdi::ToQRgb(to) & 0x00FFFFFF;
  for (int y = 0; y < image.height(); ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(row[x]) == 0) row[x] = key;
  }
}

// Every pixel laid over the transparent colour; an opaque pixel that happens
// to have that colour is moved off it by 8 green steps so it stays visible.
QImage OverKey(const QImage& image, COLORREF key) {
  QImage out(image.size(), QImage::Format_RGB32);
  if (out.isNull()) return out;
  const QRgb k = gdi::ToQRgb(key);
  const int kr = qRed(k), kg = qGreen(k), kb = qBlue(k);
  for (int y = 0; y < image.height(); ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    QRgb* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = in[x];
      const int a = qAlpha(p);
      if (a == 0) {
        row[x] = k | 0xFF000000;
      } else if (a == 255) {
        if ((p & 0x00FFFFFF) != (k & 0x00FFFFFF)) {
          row[x] = p;
        } else {
          const int g = kg < 8 ? kg + 8 : kg - 8;
          row[x] = qRgb(kr, g, kb);
        }
      } else {
        const float alpha = float(a) / 255.0f;
        const auto mix = [alpha](int back, int front) { return int((1 - alpha) * back + alpha * front); };
        row[x] = qRgb(mix(kr, qRed(p)), mix(kg, qGreen(p)), mix(kb, qBlue(p)));
      }
    }
  }
  return out;
}

Result<LoadedPicture> Finish(std::shared_ptr<const Picture> picture, COLORREF trans, int dpi) {
  if (!picture) return NoImage();
  const QSize pixels = picture->NaturalPixels(dpi, dpi);
  return LoadedPicture{std::move(picture), pixels, trans};
}

Result<LoadedPicture> LoadDecoded(const QByteArray& file, const QString& type, COLORREF bmpTrans, int dpi) {
  std::optional<COLORREF> png;
  if (type == "png") {
    const Result<COLORREF> own = CPNGSub::GetTransColor(file);
    if (own) png = *own;
  }
  QImage image = Decode(file);
  if (image.isNull()) return NoImage();
  const bool bmp = type == "bmp";
  COLORREF trans = bmp ? bmpTrans : (image.hasAlphaChannel() ? FirstClearColour(image) : kNoColor);
  if (!bmp && trans != kNoColor && png && *png != kNoColor && *png != trans) {
    SetClearPixels(image, *png);
    trans = *png;
  }
  if (trans == kNoColor) {
    const std::optional<QByteArray> jpeg = EncodeImage(image, ImageFormat::Jpeg);
    if (!jpeg) return NoImage();
    return Finish(Picture::Load(*jpeg, dpi), kNoColor, dpi);
  }
  const QImage bitmap = bmp ? image.convertToFormat(QImage::Format_RGB32) : OverKey(image, trans);
  return Finish(Picture::Wrap(bitmap, dpi), trans, dpi);
}

}  // namespace

Result<LoadedPicture> LoadPicture(const QByteArray& file, const QString& typeName, int dpi) {
  const QString type = typeName.toLower();
  if (dpi <= 0) return NoImage();
  COLORREF bmpTrans = kNoColor;
  if (type == "bmp") {
    const Result<COLORREF> scanned = ScanBmpTransColor(file);
    if (!scanned) return scanned.error();
    bmpTrans = *scanned;
  }
  if (type == "jpeg") {
    if (auto picture = Picture::Load(file, dpi)) return Finish(std::move(picture), kNoColor, dpi);
  }
  return LoadDecoded(file, type, bmpTrans, dpi);
}

Result<LoadedPicture> LoadPictureFile(const QString& path, const QString& type, int dpi) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return NoImage();
  const QByteArray bytes = f.readAll();
  if (f.error() != QFileDevice::NoError) return NoImage();
  return LoadPicture(bytes, type, dpi);
}
