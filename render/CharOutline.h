// The polygon character: the outline of one typed character, taken from the font
// once when the figure is created and stored as its vertices. Neither the
// character nor the font is kept.
#pragma once

#include <QPoint>
#include <QString>
#include <span>

struct ObjectRecord;
class GlyphCache;

// What the character dialog chose besides the character itself.
struct CharChoice {
  QString face;
  bool bold = false;
  bool italic = false;
  bool curve = false;  // keep the outline's curves (three times the vertices)
};

enum class CharOutlineStatus {
  Built,
  NoOutline,           // no character, no outline (a space), or the font failed: nothing to say
  TooManyForCurve,     // curved, the outline needs kMaxPoints or more points: ask to go straight
  TooManyForStraight,  // even its anchors are too many: the character cannot be used
};

// The outline is taken from a font of this many points.
inline constexpr int kCharOutlinePoints = 200;

// The character code of the first character of `text` (NUL-terminated CP932):
// both bytes of a double-byte character, else the one byte; 0 when there is none
// or CP932 does not define it.
char32_t FirstCharacter(const char* text, std::size_t size);

// Stores the block list `blocks` (glyph pixels, y downward) as the figure's
// vertices, all of them when curved, else every third, the bounding box of all
// of them centred on `centre`. Text is emptied and CenterX/Y become `centre`.
CharOutlineStatus StoreCharOutline(ObjectRecord& r, std::span<const QPoint> blocks, bool curve, QPoint centre);

// The character of r.Text at kCharOutlinePoints points in the chosen font.
CharOutlineStatus BuildCharOutline(ObjectRecord& r, const CharChoice& choice, QPoint centre, GlyphCache& glyphs,
                                   int dpiY);
