// Small documents for the renderer tests.
#pragma once

#include <QByteArray>
#include <QRect>

#include "core/Document.h"
#include "render/RenderContext.h"
#include "render/gdi/Color.h"

namespace renderfixtures {

// A filled, outlined rectangle (a four-vertex polygon) on `slide`.
inline ObjectRecord Box(QRect r, COLORREF fill, COLORREF line = kNoColor, int slide = 0) {
  ObjectRecord o{};
  o.ObjClass = objclass::Figure;
  o.ObjKind = objkind::Polygon;
  o.Slide = static_cast<std::uint16_t>(slide);
  o.PointNum = 4;
  o.Points[0] = {r.left(), r.top()};
  o.Points[1] = {r.right(), r.top()};
  o.Points[2] = {r.right(), r.bottom()};
  o.Points[3] = {r.left(), r.bottom()};
  o.CenterX = r.center().x();
  o.CenterY = r.center().y();
  o.refMen = fill;
  o.refSecondMen = kNoColor;
  o.refLine = line;
  o.Futosa = 1;
  o.refKage = kNoColor;
  o.GradePattern = -1;
  o.RoundR = 40;
  for (LineEnd& e : o.Ends) e.refEnd = e.refEndLine = kNoColor;
  return o;
}

// A small document: slide 1046 x 718, white background, black frame.
inline void Reset(Document& doc, int slides = 2) {
  doc.NewDocument(NewDocumentSettings{});
  doc.Header().SlideCount = static_cast<std::uint16_t>(slides);
  doc.Header().SlideW = 1046;
  doc.Header().SlideH = 718;
  doc.Header().refBack = 0xFFFFFF;
  doc.Header().refFrame = 0x000000;
  doc.Header().BackGradePattern = -1;
}

// The header and records as bytes, to see that drawing changes nothing.
inline QByteArray DocumentBytes(const Document& doc) {
  QByteArray bytes(reinterpret_cast<const char*>(&doc.Header()), sizeof(DocHeader));
  for (int i = 0; i < doc.ObjCount(); ++i)
    bytes.append(reinterpret_cast<const char*>(&doc.Object(i)), sizeof(ObjectRecord));
  return bytes;
}

inline COLORREF At(const QImage& image, int x, int y) { return gdi::FromQRgb(image.pixel(x, y)); }

}  // namespace renderfixtures
