// Design text objects: one line whose characters are drawn as glyph shapes,
// filled, outlined and shadowed like figures.
#pragma once

#include <QPoint>
#include <memory>

#include "render/SlideRenderer.h"

class GlyphCache;
class GlyphFont;
struct GlyphTransform;

// Draws one design text for one drawing of a slide. The frame is worked out from
// the text and the font each time; the record is only read.
class CDrawDText {
 public:
  CDrawDText(gdi::Dc& target, const Document& doc, const RenderContext& ctx);
  ~CDrawDText();
  CDrawDText(const CDrawDText&) = delete;
  CDrawDText& operator=(const CDrawDText&) = delete;

  // False when the font could not be had (no overlay then).
  bool Draw(int index);

 private:
  // One character centred on `centre` (view pixels); one without an outline is skipped.
  void DrawGlyph(GlyphFont& font, char32_t code, const ObjectRecord& r, const GlyphTransform& t,
                 QPoint centre);

  gdi::Dc& target_;
  const Document& doc_;
  const RenderContext& ctx_;
  std::unique_ptr<GlyphCache> ownGlyphs_;  // when the context brings none
};

bool DrawDesignText(gdi::Dc& dc, const Document& doc, const RenderContext& ctx, int index);
