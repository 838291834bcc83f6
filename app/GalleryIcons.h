// The icons of the object gallery and the light-direction gallery, drawn by
// the slide renderer from objects the factory makes with its built-in
// defaults, so they always look like what the items insert.
#pragma once

#include <QImage>
#include <vector>

class GlyphCache;

inline constexpr int kGalleryIconWidth = 48;
inline constexpr int kGalleryIconHeight = 40;
inline constexpr int kGalleryItems = 31;  // creation requests 0..30
inline constexpr int kLightDirections = 9;

// Item `request` of the object gallery; a null image when the factory
// cannot make that object.
QImage ObjectGalleryIcon(int request, GlyphCache& glyphs);
// A solid figure lit from direction 0..8.
QImage LightGalleryIcon(int direction, GlyphCache& glyphs);
