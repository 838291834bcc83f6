#include "render/SlideRenderer.h"

#include <algorithm>

#include "core/Document.h"
#include "render/DesignText.h"
#include "render/FigurePipeline.h"
#include "render/FigureText.h"
#include "render/Gradient.h"
#include "render/ImageObject.h"
#include "render/Overlay.h"
#include "render/gdi/Dc.h"

namespace {

// Whether the object was drawn, or the failure that kept it from being drawn.
Result<bool> DrawOne(gdi::Dc& dc, const Document& doc, const RenderContext& ctx, int index) {
  OutlinePoints points{};
  const ObjectRecord& r = doc.Object(index);
  bool drawn = false;
  switch (r.ObjClass) {
    case objclass::Image: drawn = DrawImageObject(dc, doc, ctx, index); break;
    case objclass::Figure: {
      if (!DrawFigure(dc, doc, ctx, index, points)) break;
      const Result<void> text = DrawFigureText(dc, doc, ctx, index, points);
      if (!text) return text.error();
      drawn = true;
      break;
    }
    case objclass::DText: drawn = DrawDesignText(dc, doc, ctx, index); break;
    default: break;
  }
  if (drawn && ctx.overlay && ctx.overlay->textEditing < 0) DrawObjectOverlay(dc, doc, ctx, index);
  return drawn;
}

}  // namespace

RenderContext RenderContext::ForEditor(const Document& doc, const EditOverlay& overlay) {
  const DocHeader& h = doc.Header();
  return {h.Zoom, h.CurSlide, h.refFrame, &overlay};
}

Result<void> DrawSlide(gdi::Dc& dc, const Document& doc, const RenderContext& ctx,
                       const std::function<bool(int)>& skip) {
  const DocHeader& h = doc.Header();
  if (h.SlideCount == 0) return {};
  const int w = ctx.Scale(h.SlideW);
  const int ht = ctx.Scale(h.SlideH);
  if (h.BackGradePattern == -1) {
    dc.SelectPen({gdi::PenStyle::Solid, 1, ctx.frame});
    dc.SelectBrush({h.refBack, false});
    dc.Rectangle(0, 0, w, ht);
  } else {
    FillGradient(dc, h.refBackGrade, h.BackGradePattern, QRect(0, 0, w, ht));
  }
  Result<void> result;
  for (int i = 0; i < doc.ObjCount(); ++i) {
    if (doc.Object(i).Slide != ctx.slide || (skip && skip(i))) continue;
    if (const Result<bool> drawn = DrawOne(dc, doc, ctx, i); !drawn) result = drawn.error();
  }
  return result;
}

bool DrawObject(gdi::Dc& dc, const Document& doc, const RenderContext& ctx, int index) {
  const Result<bool> drawn = DrawOne(dc, doc, ctx, index);
  return drawn && *drawn;
}

void DrawSlideOnWhite(QImage& target, const Document& doc, const RenderContext& ctx) {
  target.fill(Qt::white);
  gdi::Dc dc(target);
  (void)DrawSlide(dc, doc, ctx);
}

QImage RenderSlideImage(const Document& doc, int slide, float zoom) {
  const DocHeader& h = doc.Header();
  const RenderContext ctx = RenderContext::Outside(slide, zoom);
  QImage image(qMax(1, ctx.Scale(h.SlideW)),
               qMax(1, ctx.Scale(h.SlideH)), QImage::Format_RGB32);
  DrawSlideOnWhite(image, doc, ctx);
  return image;
}

QImage RenderPrintedSlide(const Document& doc, int slide, QSize size) {
  const DocHeader& h = doc.Header();
  const float zoom = std::min(static_cast<float>(size.width()) / static_cast<float>(std::max<int>(h.SlideW, 1)),
                              static_cast<float>(size.height()) / static_cast<float>(std::max<int>(h.SlideH, 1)));
  QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  if (!image.isNull()) DrawSlideOnWhite(image, doc, RenderContext::ForPrinter(slide, zoom));
  return image;
}
