#include "render/Thumbnail.h"

#include <memory>

#include "core/Document.h"
#include "render/SlideJobs.h"
#include "render/SlideRenderer.h"
#include "render/glyph/GlyphCache.h"

QImage RenderThumbnail(const Document& doc, int slide, QSize size, float scale, GlyphCache* glyphs) {
  QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  RenderContext ctx = RenderContext::Outside(slide, scale);
  ctx.glyphs = glyphs;
  DrawSlideOnWhite(image, doc, ctx);
  return image;
}

std::vector<QImage> RenderThumbnails(const Document& doc, QSize size, float scale, int workers) {
  const int count = doc.Header().SlideCount;
  workers = std::min(ExportWorkers(workers), std::max(count, 1));
  std::vector<QImage> images(static_cast<std::size_t>(count));
  std::vector<std::unique_ptr<GlyphCache>> glyphs(static_cast<std::size_t>(workers));
  const WorkerDocuments documents(doc, workers);
  const SlideJob job = [&](int worker, int k) -> Result<void> {
    std::unique_ptr<GlyphCache>& own = glyphs[static_cast<std::size_t>(worker)];
    if (!own) own = std::make_unique<GlyphCache>();
    images[static_cast<std::size_t>(k)] = RenderThumbnail(documents.For(worker), k, size, scale, own.get());
    return {};
  };
  (void)RunSlideJobs(count, workers, job, {});
  return images;
}
