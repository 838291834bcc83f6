// One TrueType face opened with FreeType: glyph outlines in the native layout at
// any pixel size, angle and mirroring, glyph coverage masks, and the advances
// and height text is measured with. Prepared glyphs are kept, so a text drawn
// again costs little.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <memory>
#include <unordered_map>
#include <vector>

#include "render/glyph/FontFile.h"

struct FT_LibraryRec_;
struct FT_FaceRec_;

// How a glyph is set: em size in pixels, turned counter-clockwise by whole
// degrees, mirrored about the vertical (flipH) or horizontal (flipV) axis first.
struct GlyphTransform {
  int pixelSize = 0;
  int degrees = 0;
  bool flipH = false;
  bool flipV = false;
  friend bool operator==(const GlyphTransform&, const GlyphTransform&) = default;
};

// A glyph ready to be drawn in a box of `size` pixels whose top-left is (0, 0).
struct PreparedGlyph {
  QSize size;
  std::vector<QPoint> blocks;  // the outline as Bezier blocks, in the box
  int contours = 0;
  QImage mask;                 // Format_Grayscale8, size x; non-zero where the glyph covers
};

class GlyphFont {
 public:
  // Null when FreeType cannot open the file. `boldWanted` and `italicWanted` are
  // made up when the file itself is not bold or italic.
  static std::unique_ptr<GlyphFont> Open(FT_LibraryRec_* library, const FontFile& file,
                                         bool boldWanted, bool italicWanted);
  ~GlyphFont();
  GlyphFont(const GlyphFont&) = delete;
  GlyphFont& operator=(const GlyphFont&) = delete;

  // Quadratic (glyf) outlines; a face of cubic outlines cannot give them.
  bool HasQuadraticOutlines() const;
  const QString& Family() const { return family_; }

  // The native outline bytes of `ch`; empty when the character has no outline
  // (a space, a character the font lacks).
  QByteArray NativeOutline(char32_t ch, const GlyphTransform& t);
  // Null when the character has no outline or the size is beyond any surface.
  const PreparedGlyph* Prepare(char32_t ch, const GlyphTransform& t);

  // Advance of `ch` (0 = the font's missing glyph) at pixelSize, whole pixels.
  int Advance(char32_t ch, int pixelSize);
  // The line height at pixelSize: ascent plus descent, whole pixels.
  int Height(int pixelSize) const;

 private:
  struct Unscaled;
  struct Key {
    char32_t ch;
    GlyphTransform t;
    friend bool operator==(const Key&, const Key&) = default;
  };
  struct KeyHash {
    std::size_t operator()(const Key& k) const;
  };

  GlyphFont(FT_FaceRec_* face, bool embolden, bool oblique, QString family);
  const Unscaled* Load(char32_t ch);

  FT_FaceRec_* face_;
  bool embolden_;
  bool oblique_;
  QString family_;
  std::unordered_map<char32_t, std::unique_ptr<Unscaled>> unscaled_;
  std::unordered_map<Key, std::unique_ptr<PreparedGlyph>, KeyHash> prepared_;
};
