#include "app/DocumentSlides.h"

#include <algorithm>

#include "core/Document.h"
#include "core/Records.h"
#include "render/SlideRenderer.h"
#include "render/gdi/Dc.h"

int DocumentSlides::SlideCount() const { return std::min<int>(doc_.Header().SlideCount, kMaxSlides); }

bool DocumentSlides::RenderSlide(int index, float scale, QImage& target) {
  target.fill(Qt::white);
  gdi::Dc dc(target);
  (void)DrawSlide(dc, doc_, RenderContext::Outside(index, scale));  // left out what cannot be drawn
  return true;
}
