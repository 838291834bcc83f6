#include "editor/CharaTextSettings.h"

#include <algorithm>
#include <cstring>

#include "base/Cp932.h"
#include "base/MessageIds.h"
#include "core/EditPath.h"
#include "render/CharaText.h"
#include "render/MakeFont.h"

namespace {

constexpr int kFaceBytes = 31;

void StoreBytes(char* buffer, std::size_t size, const QByteArray& bytes) {
  std::memset(buffer, 0, size);
  std::memcpy(buffer, bytes.constData(), std::min(static_cast<std::size_t>(bytes.size()), size - 1));
}

std::uint16_t U16(int v, int lo, int hi) { return static_cast<std::uint16_t>(std::clamp(v, lo, hi)); }

void WriteCharaText(ObjectRecord& r, const CharaTextSettings& s, const QByteArray& bytes,
                    const QByteArray& faceBytes) {
  StoreBytes(r.CharaText, sizeof r.CharaText, bytes);
  StoreBytes(r.CharaFontName, sizeof r.CharaFontName, faceBytes);
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
    return CharaTextChange{true, QByteArray()};
  }
  qsizetype bad = -1;
  const std::optional<QByteArray> bytes = EncodeCp932(s.text, &bad);
  if (!bytes) {
    const QString character = s.text.mid(bad, bad >= 0 && s.text[bad].isHighSurrogate() ? 2 : 1);
    return Failure{msg::StringTooLong, QString::fromUtf8("「%1」は使えない文字です\n").arg(character), MsgStyle::Info};
  }
  if (bytes->size() > kCharaTextBytes) return Failure{msg::StringTooLong, QString(), MsgStyle::Info};
  return CharaTextChange{false, *bytes};
}

bool ApplyCharaText(EditPath& edits, const CharaTextSettings& s, const CharaTextChange& change) {
  const std::optional<QByteArray> face = EncodeCp932(s.face);
  const QByteArray faceBytes = TruncateCp932(face.value_or(QByteArray(kDefaultFace)), kFaceBytes);
  return edits.Apply(EditKind::Undoable, [&](Document& doc) {
    bool changed = false;
    for (int i = 0; i < doc.ObjCount(); ++i) {
      if (!doc.View(i).Selected) continue;
      changed = true;
      if (change.remove) doc.Object(i).CharaText[0] = '\0';
      else WriteCharaText(doc.Object(i), s, change.bytes, faceBytes);
    }
    return changed;
  });
}
