// The document's slides drawn as every outside caller draws them: at the
// caller's own scale with a white frame. The show and the results window's
// thumbnails take them from here.
#pragma once

#include "show/SlideSource.h"

class Document;

class DocumentSlides : public SlideSource {
 public:
  explicit DocumentSlides(const Document& doc) : doc_(doc) {}
  int SlideCount() const override;
  bool RenderSlide(int index, float scale, QImage& target) override;

 private:
  const Document& doc_;
};
