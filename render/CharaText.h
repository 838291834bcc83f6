// Text-in-text: a short string tiled row after row over a fill, inside the faces
// of figures and the glyphs of design text.
#pragma once

#include <QByteArray>
#include <QImage>

struct ObjectRecord;

inline constexpr int kCharaTextBytes = 16;

// True when the object fills itself with repeated characters.
bool HasCharaText(const ObjectRecord& r);

// The string to tile: at most kCharaTextBytes bytes, never half a character.
QByteArray CharaTextBytes(const ObjectRecord& r);

// Tiles the object's characters over the whole of `surface` from its top-left
// corner, in whole cells only: the string plus the character spacing across, the
// line height plus the line spacing down. The characters turn by CharaAngle about
// each cell's corner; the tiles do not turn with the object. The spacings
// follow the zoom; the font follows it as ScaleFont says.
void TileCharaText(QImage& surface, const ObjectRecord& r, float zoom, bool printer = false);
