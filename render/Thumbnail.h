// Slide-list thumbnails: each slide drawn as shows and exports see it (white
// frame, no overlay) at the list's scale into a bitmap of the list's size.
// Rendering reads the document only, so all of them may be drawn at once on
// worker threads.
#pragma once

#include <QImage>
#include <QSize>
#include <vector>

class Document;
class GlyphCache;

// Slide `slide` at `scale` into a white image of `size`; `glyphs` may be null.
QImage RenderThumbnail(const Document& doc, int slide, QSize size, float scale, GlyphCache* glyphs = nullptr);

// Every slide of `doc`, index by index, drawn on `workers` threads (one per
// core when 0), each with its own fonts.
std::vector<QImage> RenderThumbnails(const Document& doc, QSize size, float scale, int workers = 0);
