// The fonts glyph outlines are taken from, opened once and kept with their
// prepared glyphs. Whoever draws often (the editing view) keeps one; a single
// drawing may use a short-lived one.
#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <tuple>

#include "render/glyph/GlyphFont.h"

struct FT_LibraryRec_;

class GlyphCache {
 public:
  GlyphCache();
  ~GlyphCache();
  GlyphCache(const GlyphCache&) = delete;
  GlyphCache& operator=(const GlyphCache&) = delete;

  // The font that draws `face`: the face itself when it is installed with
  // quadratic outlines, otherwise kGlyphFallbackFamily, and the face is noted
  // (once) for the user to be told. Null when not even the fallback opens.
  GlyphFont* Font(const QString& face, bool bold, bool italic);

  // The faces that fell back since the last call, each named once per cache.
  QStringList TakeFallbackNotices();

 private:
  GlyphFont* Open(const QString& family, bool bold, bool italic);

  FT_LibraryRec_* library_ = nullptr;
  std::map<std::tuple<QString, bool, bool>, std::unique_ptr<GlyphFont>> fonts_;
  std::map<std::tuple<QString, bool, bool>, GlyphFont*> chosen_;
  QStringList noticed_;
  QStringList pending_;
};
