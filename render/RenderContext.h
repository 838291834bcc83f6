// What one drawing of a slide needs besides the document: the zoom, the slide,
// the frame colour and, in the editing view only, the overlay state. Passing
// these explicitly means rendering never changes the document.
#pragma once

#include "base/Color.h"
#include "render/gdi/Color.h"

class Document;
class GlyphCache;

// The point size and the resolution a font is made with.
struct FontScale {
  int points;
  int dpi;
};

// On the screen a font follows the zoom in whole points at the surface's
// resolution. On a printer it keeps its point size and the resolution follows
// the zoom instead: printed text stays as large in its figure as on the
// screen, without the rounding to whole points.
inline FontScale ScaleFont(int points, float zoom, bool printer, int surfaceDpi) {
  if (printer) return {points, static_cast<int>(static_cast<float>(surfaceDpi) * zoom + 0.5f)};
  return {static_cast<int>(static_cast<float>(points) * zoom), surfaceDpi};
}

inline constexpr COLORREF kTransKey = gdi::kTransparentKey;
inline constexpr COLORREF kWhite = 0x00FFFFFF;

// The editing view's state that the overlay shows.
struct EditOverlay {
  int primary = -1;         // the primary object, or -1
  int textEditing = -1;     // the object open in the in-place text editor, or -1
  int selectedVertex = -1;  // the vertex the view has selected, or -1
};

struct RenderContext {
  float zoom = 1.0f;
  int slide = 0;
  COLORREF frame = kWhite;
  const EditOverlay* overlay = nullptr;  // null outside the editing view
  // Fonts for glyph outlines, kept by whoever draws often; null: each design text
  // opens its own for the one drawing.
  GlyphCache* glyphs = nullptr;
  bool printer = false;  // drawn for a printer (or its preview): the font rule above

  // The editing view: the document's own zoom, current slide and frame colour.
  static RenderContext ForEditor(const Document& doc, const EditOverlay& overlay);
  // Shows, thumbnails, printing and exports: their own scale, a white frame.
  static RenderContext Outside(int slide, float zoom) { return {zoom, slide, kWhite, nullptr, nullptr, false}; }
  static RenderContext ForPrinter(int slide, float zoom) { return {zoom, slide, kWhite, nullptr, nullptr, true}; }

  // Slide units to view pixels, truncated toward zero.
  int Scale(int v) const { return static_cast<int>(static_cast<float>(v) * zoom); }
};
