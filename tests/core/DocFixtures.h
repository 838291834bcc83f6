// Small documents and pictures built in code for the core tests.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <cstring>
#include <memory>

#include "ImageBytes.h"
#include "MessageRecorder.h"
#include "core/DataFile.h"
#include "core/Document.h"

namespace fixtures {

// A BMP file of exactly `size` bytes: a tiny picture padded after its pixels,
// which the decoder ignores and Save() hands back unchanged.
inline QByteArray PaddedBmp(int size, QRgb colour = qRgb(200, 30, 40)) {
  QImage image(2, 2, QImage::Format_RGB32);
  image.fill(colour);
  QByteArray bytes = support::EncodeImage(image, "bmp");
  if (bytes.size() < size) bytes.append(size - bytes.size(), '\0');
  return bytes;
}

inline ObjectRecord Figure(std::uint16_t kind, std::uint16_t slide = 0) {
  ObjectRecord r{};
  r.ObjClass = objclass::Figure;
  r.ObjKind = kind;
  r.Slide = slide;
  r.PointNum = 4;
  for (int i = 0; i < 4; ++i) r.Points[i] = {10 * i, 20 * i};
  r.refMen = 16773100;
  r.refLine = 8388608;
  r.GradePattern = -1;
  std::strcpy(r.FontName, "Meiryo UI");
  std::strcpy(r.CharaFontName, "Meiryo UI");
  return r;
}

inline ObjectRecord Image(PictureHandle picture, std::uint16_t slide = 0) {
  ObjectRecord r = Figure(objkind::Image, slide);
  r.ObjClass = objclass::Image;
  r.Picture = picture;
  r.refMen = r.refLine = -1;
  return r;
}

// Adds an image whose picture saves to `bmp`; returns its index.
inline int AddImage(Document& doc, const QByteArray& bmp, std::uint16_t slide = 0) {
  const PictureHandle h = doc.Pictures().Add(Picture::Load(bmp));
  return *doc.AddObject(Image(h, slide));
}

inline QByteArray FileBytes(const Document& doc) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!WriteDataFile(doc, buffer)) return QByteArray();
  return bytes;
}

// Reads as the document class does: a refusal shows its message.
inline bool ReadBytes(Document& doc, const QByteArray& bytes) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  return Shown(ReadDataFile(doc, buffer));
}

}  // namespace fixtures
