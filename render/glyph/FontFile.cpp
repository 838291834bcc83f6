#include "render/glyph/FontFile.h"

#include <fontconfig/fontconfig.h>

#include <QFont>
#include <QStringList>
#include <memory>

namespace {

struct PatternFree {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using Pattern = std::unique_ptr<FcPattern, PatternFree>;

const FcChar8* Utf8(const QByteArray& bytes) { return reinterpret_cast<const FcChar8*>(bytes.constData()); }

// True when one of the match's family names (fontconfig lists every language's) is `family`.
bool NamesFamily(FcPattern* match, const QString& family) {
  FcChar8* name = nullptr;
  for (int k = 0; FcPatternGetString(match, FC_FAMILY, k, &name) == FcResultMatch; ++k)
    if (QString::fromUtf8(reinterpret_cast<const char*>(name)).compare(family, Qt::CaseInsensitive) == 0)
      return true;
  return false;
}

std::optional<FontFile> Match(const QString& family, bool bold, bool italic) {
  const Pattern pattern(FcPatternCreate());
  if (!pattern) return std::nullopt;
  FcPatternAddString(pattern.get(), FC_FAMILY, Utf8(family.toUtf8()));
  FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  FcResult result = FcResultNoMatch;
  const Pattern match(FcFontMatch(nullptr, pattern.get(), &result));
  if (!match || !NamesFamily(match.get(), family)) return std::nullopt;

  FcChar8* file = nullptr;
  if (FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch) return std::nullopt;
  FontFile out;
  out.path = QString::fromUtf8(reinterpret_cast<const char*>(file));
  FcPatternGetInteger(match.get(), FC_INDEX, 0, &out.index);
  out.family = family;
  int weight = FC_WEIGHT_REGULAR;
  int slant = FC_SLANT_ROMAN;
  FcPatternGetInteger(match.get(), FC_WEIGHT, 0, &weight);
  FcPatternGetInteger(match.get(), FC_SLANT, 0, &slant);
  out.bold = weight >= FC_WEIGHT_DEMIBOLD;
  out.italic = slant != FC_SLANT_ROMAN;
  return out;
}

}  // namespace

std::optional<FontFile> FindFontFile(const QString& family, bool bold, bool italic) {
  QStringList names = QFont::substitutes(family);
  names.prepend(family);
  for (const QString& name : names)
    if (std::optional<FontFile> file = Match(name, bold, italic)) return file;
  return std::nullopt;
}

void LoadFontConfiguration() { FcInit(); }
