// The largest document: 10,000 polygons of 40 vertices on 100 slides, every
// 500th object an image with its own 320 x 240 JPEG picture (20 in all).
#pragma once

#include "core/Document.h"
#include "tests/support/ImageBytes.h"

inline void FillFullDocument(Document& doc) {
  doc.NewDocument(NewDocumentSettings{});
  doc.Header().SlideCount = kMaxSlides;
  for (int i = 0; i < kMaxObjects; ++i) {
    ObjectRecord r{};
    r.ObjClass = objclass::Figure;
    r.ObjKind = objkind::Polygon;
    r.Slide = static_cast<std::uint16_t>(i % kMaxSlides);
    r.PointNum = 40;
    for (int p = 0; p < r.PointNum; ++p) r.Points[p] = {(i + p * 13) % 1000, (i * 7 + p) % 700};
    if (i % 500 == 0) {
      r.ObjClass = objclass::Image;
      r.ObjKind = objkind::Image;
      r.PointNum = 4;
      r.Picture = doc.Pictures().Add(Picture::Load(support::EncodeImage(support::PatternImage(320, 240, i / 500 + 1), "jpeg")));
    }
    doc.AddObject(r);
  }
}
