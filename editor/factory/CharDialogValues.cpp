#include "editor/factory/CharDialogValues.h"

#include "base/MessageIds.h"
#include "base/Settings.h"
#include "render/MakeFont.h"

namespace {

constexpr char kSection[] = "Last";

}  // namespace

CharDialogValues LoadCharDialogValues() {
  CharDialogValues v;
  v.text = GetText(kSection, "CharMoji", QString());
  v.choice.face = GetText(kSection, "CharFont", QString::fromLatin1(kDefaultFace));
  v.choice.bold = GetInt(kSection, "CharBold", 0) != 0;
  v.choice.italic = GetInt(kSection, "CharItalic", 0) != 0;
  v.choice.curve = GetInt(kSection, "CharCurve", 0) != 0;
  return v;
}

void SaveCharDialogValues(const CharDialogValues& v) {
  WriteText(kSection, "CharMoji", v.text);
  WriteText(kSection, "CharFont", v.choice.face);
  WriteInt(kSection, "CharBold", v.choice.bold ? 1 : 0);
  WriteInt(kSection, "CharItalic", v.choice.italic ? 1 : 0);
  WriteInt(kSection, "CharCurve", v.choice.curve ? 1 : 0);
}

Result<void> CheckCharDialogValues(const CharDialogValues& v) {
  if (v.text.isEmpty()) return Failure{msg::EnterText, QString(), MsgStyle::Info};
  return {};
}

int FontListIndex(const QStringList& fonts, const QString& face) {
  for (int i = 0; i < fonts.size(); ++i)
    if (fonts[i].startsWith(face, Qt::CaseInsensitive)) return i;
  return -1;
}
