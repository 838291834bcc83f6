#include "app/DocumentSlides.h"

#include <algorithm>

#include "core/Document.h"
#include "core/Records.h"
#include "render/SlideRenderer.h"

int DocumentSlides::SlideCount() const { return std::min<int>(doc_.Header().SlideCount, kMaxSlides); }

bool DocumentSlides::RenderSlide(int index, float scale, QImage& target) {
  DrawSlideOnWhite(target, doc_, RenderContext::Outside(index, scale));
  return true;
}
