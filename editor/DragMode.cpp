#include "editor/DragMode.h"

#include <cstdlib>

#include "core/Document.h"
#include "geometry/MathSub.h"

float DragContext::Zoom() const { return Doc().Header().Zoom; }

QSize DragContext::SlideView() const {
  const DocHeader& h = Doc().Header();
  return {CMathSub::Trunc(h.SlideW * static_cast<double>(h.Zoom)),
          CMathSub::Trunc(h.SlideH * static_cast<double>(h.Zoom))};
}

bool IsClick(QPoint d) { return std::abs(d.x()) < kDragThreshold && std::abs(d.y()) < kDragThreshold; }
