// The "OBJ" keys in one table: what a new object reads, and what
// "初期値にする" writes back from an object.
#include "editor/factory/ObjDefaults.h"

#include "base/Cp932.h"
#include "base/Settings.h"
#include "core/Records.h"

namespace {

enum class Kind { Int, Colour, Text };

struct ObjKey {
  const char* key;
  Kind kind;
  int ObjDefaults::*number;  // Int and Colour
  QString ObjDefaults::*text;  // Text
  bool fromObject;  // written by "初期値にする"
};

constexpr ObjKey Int(const char* key, int ObjDefaults::*field, bool fromObject) {
  return {key, Kind::Int, field, nullptr, fromObject};
}
constexpr ObjKey Colour(const char* key, int ObjDefaults::*field, bool fromObject) {
  return {key, Kind::Colour, field, nullptr, fromObject};
}
constexpr ObjKey Text(const char* key, QString ObjDefaults::*field, bool fromObject) {
  return {key, Kind::Text, nullptr, field, fromObject};
}

// The character margin, the second fill colour, the design-text size, the
// gradient turn and the text-in-text attributes are not taken over from an object.
const ObjKey kObjKeys[] = {
    Int("RoundR", &ObjDefaults::roundR, true),
    Text("FontName", &ObjDefaults::fontName, true),
    Int("DTFontSize", &ObjDefaults::dtFontSize, false),
    Int("FontSize", &ObjDefaults::fontSize, true),
    Int("FontBold", &ObjDefaults::fontBold, true),
    Int("FontItalic", &ObjDefaults::fontItalic, true),
    Int("FontDel", &ObjDefaults::fontDel, true),
    Int("FontUnder", &ObjDefaults::fontUnder, true),
    Int("WordWrap", &ObjDefaults::wordWrap, true),
    Int("CharMargin", &ObjDefaults::charMargin, false),
    Int("LineMargin", &ObjDefaults::lineMargin, true),
    Colour("refText", &ObjDefaults::refText, true),
    Colour("refTextBk", &ObjDefaults::refTextBk, true),
    Int("MarginL", &ObjDefaults::marginL, true),
    Int("MarginR", &ObjDefaults::marginR, true),
    Int("MarginT", &ObjDefaults::marginT, true),
    Int("MarginB", &ObjDefaults::marginB, true),
    Int("AlineV", &ObjDefaults::alineV, true),
    Int("AlineH", &ObjDefaults::alineH, true),
    Colour("refMen", &ObjDefaults::refMen, true),
    Colour("refSecondMen", &ObjDefaults::refSecondMen, false),
    Colour("refLine", &ObjDefaults::refLine, true),
    Text("CharaFontName", &ObjDefaults::charaFontName, false),
    Int("CharaFontSize", &ObjDefaults::charaFontSize, false),
    Int("CharaFontBold", &ObjDefaults::charaFontBold, false),
    Int("CharaFontItalic", &ObjDefaults::charaFontItalic, false),
    Colour("ChararefText", &ObjDefaults::chararefText, false),
    Int("CharaCharMargin", &ObjDefaults::charaCharMargin, false),
    Int("CharaLineMargin", &ObjDefaults::charaLineMargin, false),
    Int("GradeRound", &ObjDefaults::gradeRound, false),
    Int("Futosa", &ObjDefaults::futosa, true),
    Int("LineStyle", &ObjDefaults::lineStyle, true),
    Int("KageX", &ObjDefaults::kageX, true),
    Int("KageY", &ObjDefaults::kageY, true),
    Colour("refKage", &ObjDefaults::refKage, true),
};

// The keys of a line end: the stem followed by 1 (start) or 2 (end); all are taken over.
struct EndKeyRow {
  const char* stem;
  Kind kind;
  int EndDefaults::*field;
};

constexpr EndKeyRow kEndKeys[] = {
    {"EndStyle", Kind::Int, &EndDefaults::style},       {"EndLen", Kind::Int, &EndDefaults::len},
    {"EndSize", Kind::Int, &EndDefaults::size},         {"refEnd", Kind::Colour, &EndDefaults::ref},
    {"refEndLine", Kind::Colour, &EndDefaults::refLine}, {"EndFutosa", Kind::Int, &EndDefaults::futosa},
    {"EndLineStyle", Kind::Int, &EndDefaults::lineStyle},
};

int Read(const QString& key, Kind kind, int def) {
  return kind == Kind::Colour ? GetColor(kObjSection, key, def) : GetInt(kObjSection, key, def);
}

void Write(SettingsBatch& store, const QString& key, Kind kind, int value) {
  if (kind == Kind::Colour) store.WriteColor(kObjSection, key, value);
  else store.WriteInt(kObjSection, key, value);
}

// What an object's attributes say about the keys "初期値にする" writes; every
// object's size goes to "FontSize", a design text's too.
ObjDefaults DefaultsOf(const ObjectRecord& r) {
  ObjDefaults d;
  d.roundR = r.RoundR;
  d.fontName = DecodeCp932Buffer(r.FontName, sizeof r.FontName);
  d.fontSize = r.FontSize;
  d.fontBold = r.FontBold;
  d.fontItalic = r.FontItalic;
  d.fontDel = r.FontDel;
  d.fontUnder = r.FontUnder;
  d.wordWrap = r.WordWrap;
  d.lineMargin = r.LineMargin;
  d.refText = r.refText;
  d.refTextBk = r.refTextBk;
  d.marginL = r.MarginL;
  d.marginR = r.MarginR;
  d.marginT = r.MarginT;
  d.marginB = r.MarginB;
  d.alineV = r.AlineV;
  d.alineH = r.AlineH;
  d.refMen = r.refMen;
  d.refLine = r.refLine;
  d.futosa = r.Futosa;
  d.lineStyle = r.LineStyle;
  d.kageX = r.KageX;
  d.kageY = r.KageY;
  d.refKage = r.refKage;
  for (int k = 0; k < 2; ++k) {
    const LineEnd& e = r.Ends[k];
    d.ends[k] = {e.EndStyle, e.EndLen, e.EndSize, e.refEnd, e.refEndLine, e.EndFutosa, e.EndLineStyle};
  }
  return d;
}

}  // namespace

QString EndKey(const char* stem, int n) { return QString("%1%2").arg(stem).arg(n); }

ObjDefaults ObjDefaults::FromStore() {
  ObjDefaults d;  // built-in values stand where a key is missing
  for (const ObjKey& k : kObjKeys) {
    if (k.kind == Kind::Text) d.*k.text = GetText(kObjSection, k.key, d.*k.text);
    else d.*k.number = Read(k.key, k.kind, d.*k.number);
  }
  for (int n = 1; n <= 2; ++n)
    for (const EndKeyRow& k : kEndKeys) d.ends[n - 1].*k.field = Read(EndKey(k.stem, n), k.kind, d.ends[n - 1].*k.field);
  d.imageW = GetInt(sys::ImageW);
  if (d.imageW < 1) d.imageW = ObjDefaults{}.imageW;  // a large picture must not vanish
  return d;
}

void SetAsDefault(const ObjectRecord& record) {
  const ObjDefaults d = DefaultsOf(record);
  SettingsBatch store;
  for (const ObjKey& k : kObjKeys) {
    if (!k.fromObject) continue;
    if (k.kind == Kind::Text) store.WriteText(kObjSection, k.key, d.*k.text);
    else Write(store, k.key, k.kind, d.*k.number);
  }
  for (int n = 1; n <= 2; ++n)
    for (const EndKeyRow& k : kEndKeys) Write(store, EndKey(k.stem, n), k.kind, d.ends[n - 1].*k.field);
}
