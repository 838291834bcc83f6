#include "editor/CharaTextSettings.h"

#include <algorithm>

#include "base/Cp932.h"
#include "base/MessageIds.h"
#include "core/EditPath.h"
#include "render/CharaText.h"
#include "render/MakeFont.h"

namespace {

std::uint16_t U16(int v, int lo, int hi) { return static_cast<std::uint16_t>(std::clamp(v, lo, hi)); }

// The text was checked to fit; a face CP932 cannot name is stored as the default one.
void WriteCharaText(ObjectRecord& r, const CharaTextSettings& s) {
  StoreCp932(r.CharaText, sizeof r.CharaText, s.text);
  if (!StoreCp932(r.CharaFontName, sizeof r.CharaFontName, s.face))
    StoreCp932(r.CharaFontName, sizeof r.CharaFontName, QString::fromLatin1(kDefaultFace));
  r.CharaFontSize = U16(s.size, kCharaSizeMin, kCharaSizeMax);
  r.CharaFontBold = s.bold ? 1 : 0;
  r.CharaFontItalic = s.italic ? 1 : 0;
  r.ChararefText = s.colour;
  r.CharaCharMargin = U16(s.charMargin, 0, kCharaMarginMax);
  r.CharaLineMargin = U16(s.lineMargin, 0, kCharaMarginMax);
  r.CharaAngle = U16(s.angle, 0, kCharaAngleMax);
}

}  // namespace

CharaTextSettings CharaTextSettings::FromRecord(const ObjectRecord& r) {
  CharaTextSettings s;
  s.text = DecodeCp932(CharaTextBytes(r));
  s.face = DecodeCp932Buffer(r.CharaFontName, sizeof r.CharaFontName);
  s.size = r.CharaFontSize;
  s.bold = r.CharaFontBold != 0;
  s.italic = r.CharaFontItalic != 0;
  s.colour = r.ChararefText;
  s.charMargin = r.CharaCharMargin;
  s.lineMargin = r.CharaLineMargin;
  s.angle = r.CharaAngle;
  return s;
}

Result<CharaTextChange> CheckCharaText(const CharaTextSettings& s, bool primaryHasText) {
  if (s.text.isEmpty()) {
    if (!primaryHasText) return Failure{msg::EnterText, QString(), MsgStyle::Info};
    return CharaTextChange{true};
  }
  qsizetype bad = -1;
  const std::optional<QByteArray> bytes = EncodeCp932(s.text, &bad);
  if (!bytes) {
    const QString character = s.text.mid(bad, bad >= 0 && s.text[bad].isHighSurrogate() ? 2 : 1);
    return Failure{msg::StringTooLong, QString::fromUtf8("「%1」は使えない文字です\n").arg(character), MsgStyle::Info};
  }
  if (bytes->size() > kCharaTextBytes) return Failure{msg::StringTooLong, QString(), MsgStyle::Info};
  return CharaTextChange{false};
}

bool ApplyCharaText(EditPath& edits, const CharaTextSettings& s, const CharaTextChange& change) {
  return edits.Apply(EditKind::Undoable, [&](Document& doc) {
    bool changed = false;
    for (int i = 0; i < doc.ObjCount(); ++i) {
      if (!doc.View(i).Selected) continue;
      changed = true;
      if (change.remove) doc.Object(i).CharaText[0] = '\0';
      else WriteCharaText(doc.Object(i), s);
    }
    return changed;
  });
}
