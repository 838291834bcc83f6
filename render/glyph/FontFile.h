// Where a font face lives on disk, found through fontconfig after the program's
// own face substitutions ("Meiryo UI" and friends map to an installed family).
#pragma once

#include <QString>
#include <optional>

// The family that draws glyphs a face cannot give: TrueType, with Japanese.
inline constexpr char kGlyphFallbackFamily[] = "IPAPGothic";

struct FontFile {
  QString path;
  int index = 0;     // face within a collection
  QString family;    // as fontconfig names it
  bool bold = false;    // the file itself is bold (otherwise bold is made up)
  bool italic = false;  // the file itself slants
};

// The file of `family` in the wanted style; nullopt when no installed family
// bears that name (fontconfig would otherwise answer with any default font).
std::optional<FontFile> FindFontFile(const QString& family, bool bold, bool italic);

// Reads fontconfig's configuration and font caches now, so that the first
// font lookup, ours or Qt's, finds them ready. Safe from any thread.
void LoadFontConfiguration();
