#include "render/glyph/GlyphCache.h"

#include <ft2build.h>
#include FT_FREETYPE_H

GlyphCache::GlyphCache() {
  if (FT_Init_FreeType(&library_) != 0) library_ = nullptr;
}

GlyphCache::~GlyphCache() {
  fonts_.clear();  // the faces go before their library
  if (library_) FT_Done_FreeType(library_);
}

GlyphFont* GlyphCache::Open(const QString& family, bool bold, bool italic) {
  const auto key = std::make_tuple(family, bold, italic);
  if (const auto it = fonts_.find(key); it != fonts_.end()) return it->second.get();
  std::unique_ptr<GlyphFont> font;
  if (library_)
    if (const std::optional<FontFile> file = FindFontFile(family, bold, italic))
      font = GlyphFont::Open(library_, *file, bold, italic);
  if (font && !font->HasQuadraticOutlines()) font.reset();
  return fonts_.emplace(key, std::move(font)).first->second.get();
}

GlyphFont* GlyphCache::Font(const QString& face, bool bold, bool italic) {
  const auto key = std::make_tuple(face, bold, italic);
  if (const auto it = chosen_.find(key); it != chosen_.end()) return it->second;
  GlyphFont* font = Open(face, bold, italic);
  if (!font) {
    font = Open(QString::fromLatin1(kGlyphFallbackFamily), bold, italic);
    if (!noticed_.contains(face)) {
      noticed_.append(face);
      pending_.append(face);
    }
  }
  chosen_.emplace(key, font);
  return font;
}

QStringList GlyphCache::TakeFallbackNotices() { return std::exchange(pending_, {}); }
