// What one drawing of a slide needs besides the document: the zoom, the slide,
// the frame colour and, in the editing view only, the overlay state. Passing
// these explicitly means rendering never changes the document.
#pragma once

#include "base/Color.h"
#include "render/gdi/Color.h"

class Document;
class GlyphCache;

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

  // The editing view: the document's own zoom, current slide and frame colour.
  static RenderContext ForEditor(const Document& doc, const EditOverlay& overlay);
  // Shows, thumbnails, printing and exports: their own scale, a white frame.
  static RenderContext Outside(int slide, float zoom) { return {zoom, slide, kWhite, nullptr, nullptr}; }

  // Slide units to view pixels, truncated toward zero.
  int Scale(int v) const { return static_cast<int>(static_cast<float>(v) * zoom); }
};
