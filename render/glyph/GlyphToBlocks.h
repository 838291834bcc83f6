// Turns the native outline of one glyph into the Bezier-block vertex list that
// figures store: per contour its first point, three points per segment (two
// controls and the end), and two more copies of the closing point.
#pragma once

#include <QByteArrayView>
#include <QPoint>
#include <cstdint>
#include <vector>

struct BlockList {
  // Pixels of the font's size, y downward, origin on the base line.
  std::vector<QPoint> points;
  int contours = 0;
};

// A 16.16 value rounded half up to whole pixels.
int RoundFixed(std::int32_t v);

// Reads native::Writer's layout; bytes that run short or sizes that do not add
// up end the conversion where they start, keeping what came before.
BlockList GlyphToBlocks(QByteArrayView outline);
