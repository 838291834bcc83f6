// Measuring a design text with its glyph font, and fitting it to the slide when
// its text or font is edited: the font shrinks, then characters go, until the
// frame fits; the frame is stored inside the slide. Drawing never fits: it
// draws what the record holds.
#pragma once

#include <QSize>
#include <functional>

#include "render/DesignTextLayout.h"

class GlyphCache;
class GlyphFont;

// The font that draws the record's characters; null when none opens.
GlyphFont* DesignTextFont(GlyphCache& glyphs, const ObjectRecord& r);

// The em size in pixels at `zoom`: at least 1, so a tiny zoom still draws.
int DesignPixelSize(const ObjectRecord& r, float zoom, int dpiY);

// The text's extent at `zoom` (view pixels) with the font.
TextExtent MeasureDesignText(GlyphFont& font, const ObjectRecord& r, float zoom, int dpiY);

// What fitting changed, for the one who edited to tell the user.
struct DesignTextFitResult {
  bool fontShrunk = false;  // FontSize was lowered
  bool textCut = false;     // characters were removed from the end
};

using DesignTextMeasure = std::function<TextExtent(const ObjectRecord&)>;  // at zoom 1

// Stores the frame (slide units) the text needs, after shrinking the font down to
// 2 points and then cutting characters while it is wider or higher than `slide`.
DesignTextFitResult FitDesignText(ObjectRecord& r, QSize slide, const DesignTextMeasure& measure);
// The same with the record's own glyph font; without one the frame holds the margins only.
DesignTextFitResult FitDesignText(ObjectRecord& r, QSize slide, GlyphCache& glyphs, int dpiY);
