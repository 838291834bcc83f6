// Where a design text's frame lies and where each of its characters is centred:
// the arithmetic of design text, apart from fonts and pixels.
#pragma once

#include <QByteArray>
#include <QPoint>
#include <QSize>
#include <array>
#include <span>
#include <vector>

struct ObjectRecord;

inline constexpr int kDesignTextBytes = 50;

// One character of a CP932 string: where its bytes start and how many there are.
// A lead byte with nothing after it is a character of its own.
struct Cp932Char {
  int offset = 0;
  int length = 1;
};
std::vector<Cp932Char> SplitCp932(QByteArrayView bytes);

// The design text's one line: its first kDesignTextBytes bytes at most, never
// ending in half a character.
QByteArray DesignTextBytes(const ObjectRecord& r);

// What the font says about the text, in view pixels: the whole text (cx x cy)
// and its first character (w1 x h1).
struct TextExtent {
  int cx = 0;
  int cy = 0;
  int w1 = 0;
  int h1 = 0;
};

using Frame = std::array<QPoint, 4>;  // TL, TR, BR, BL

// The unrotated frame in slide units around the rotation centre: the text, the
// four margins and CharMargin after each of `chars` characters.
Frame DesignFrame(const ObjectRecord& r, const TextExtent& e, float zoom, int chars);

// The frame moved into the slide of `slide` units; right and bottom edges win
// over left and top ones.
Frame KeepInside(Frame frame, QSize slide);

// The frame turned with the object and zoomed: view pixels of the target.
Frame ViewFrame(const ObjectRecord& r, const Frame& frame, float zoom);

// The centre of each character in view pixels. Every byte takes one cell of the
// line from A (the first character's centre) to B; a character is centred where
// the cells of the characters before it end. Empty when the text is.
std::vector<QPoint> CharCentres(const ObjectRecord& r, const Frame& view, const TextExtent& e,
                                float zoom, std::span<const Cp932Char> chars);

// The angle the characters turn by, whole degrees counter-clockwise: the object's
// angle when the text turns with it, else the characters' own.
int CharDegrees(const ObjectRecord& r);

// The Unicode character of each of `chars`; 0 for bytes CP932 does not define,
// which have no glyph.
std::vector<char32_t> Cp932Codes(QByteArrayView bytes, std::span<const Cp932Char> chars);
