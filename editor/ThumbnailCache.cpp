#include "editor/ThumbnailCache.h"

#include <algorithm>

#include "core/Document.h"
#include "render/Thumbnail.h"
#include "render/glyph/GlyphCache.h"

ThumbnailCache::ThumbnailCache() : glyphs_(std::make_unique<GlyphCache>()) {}
ThumbnailCache::~ThumbnailCache() = default;

std::vector<std::uint64_t> SlideSignatures(const Document& doc) {
  std::vector<std::uint64_t> sig(doc.Header().SlideCount, 1469598103934665603ull);
  for (int i = 0; i < doc.ObjCount(); ++i) {
    const ObjectRecord& r = doc.Object(i);
    if (r.Slide >= sig.size()) continue;
    std::uint64_t& h = sig[r.Slide];
    h = (h ^ static_cast<std::uint32_t>(r.ObjNo)) * 1099511628211ull;
  }
  return sig;
}

ThumbnailCache::Frame ThumbnailCache::FrameOf(const Document& doc, QSize size, float scale) {
  const DocHeader& h = doc.Header();
  Frame f{size, scale, h.SlideW, h.SlideH, h.refBack, h.BackGradePattern, {}};
  std::copy(std::begin(h.refBackGrade), std::end(h.refBackGrade), f.grade);
  return f;
}

bool ThumbnailCache::NeedsAll(const Document& doc, QSize size, float scale) const {
  return FrameOf(doc, size, scale) != frame_ || static_cast<int>(images_.size()) != doc.Header().SlideCount;
}

ThumbnailCache::Drawn ThumbnailCache::DrawAll(const Document& doc, QSize size, float scale) const {
  Drawn drawn{FrameOf(doc, size, scale), {}, SlideSignatures(doc)};
  const int count = doc.Header().SlideCount;
  drawn.images.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) drawn.images.push_back(RenderThumbnail(doc, i, size, scale, glyphs_.get()));
  return drawn;
}

void ThumbnailCache::Adopt(Drawn drawn) {
  frame_ = drawn.frame;
  images_ = std::move(drawn.images);
  signatures_ = std::move(drawn.signatures);
}

std::vector<int> ThumbnailCache::Sync(const Document& doc, QSize size, float scale, std::span<const int> edited) {
  const Frame frame = FrameOf(doc, size, scale);
  std::vector<std::uint64_t> signatures = SlideSignatures(doc);
  const int count = doc.Header().SlideCount;
  std::vector<int> drawn;
  if (NeedsAll(doc, size, scale)) {
    images_ = RenderThumbnails(doc, size, scale);
    for (int i = 0; i < count; ++i) drawn.push_back(i);
  } else {
    for (int i = 0; i < count; ++i) {
      const bool wanted = std::find(edited.begin(), edited.end(), i) != edited.end();
      if (!wanted && signatures[i] == signatures_[i]) continue;
      images_[i] = RenderThumbnail(doc, i, size, scale, glyphs_.get());
      drawn.push_back(i);
    }
  }
  frame_ = frame;
  signatures_ = std::move(signatures);
  return drawn;
}
