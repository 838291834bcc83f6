#include "editor/factory/ObjDefaults.h"

namespace {

int Int(const char* key, int def) { return GetInt(kObjSection, key, def); }
COLORREF Color(const char* key, COLORREF def) { return GetColor(kObjSection, key, def); }
QString Text(const char* key, const QString& def) { return GetText(kObjSection, key, def); }

EndDefaults ReadEnd(int n, const EndDefaults& d) {
  EndDefaults e;
  e.style = GetInt(kObjSection, EndKey("EndStyle", n), d.style);
  e.len = GetInt(kObjSection, EndKey("EndLen", n), d.len);
  e.size = GetInt(kObjSection, EndKey("EndSize", n), d.size);
  e.ref = GetColor(kObjSection, EndKey("refEnd", n), d.ref);
  e.refLine = GetColor(kObjSection, EndKey("refEndLine", n), d.refLine);
  e.futosa = GetInt(kObjSection, EndKey("EndFutosa", n), d.futosa);
  e.lineStyle = GetInt(kObjSection, EndKey("EndLineStyle", n), d.lineStyle);
  return e;
}

}  // namespace

QString EndKey(const char* stem, int n) { return QString("%1%2").arg(stem).arg(n); }

ObjDefaults ObjDefaults::FromStore() {
  const ObjDefaults b;  // built-in values
  ObjDefaults d;
  d.roundR = Int("RoundR", b.roundR);
  d.fontName = Text("FontName", b.fontName);
  d.dtFontSize = Int("DTFontSize", b.dtFontSize);
  d.fontSize = Int("FontSize", b.fontSize);
  d.fontBold = Int("FontBold", b.fontBold);
  d.fontItalic = Int("FontItalic", b.fontItalic);
  d.fontDel = Int("FontDel", b.fontDel);
  d.fontUnder = Int("FontUnder", b.fontUnder);
  d.wordWrap = Int("WordWrap", b.wordWrap);
  d.charMargin = Int("CharMargin", b.charMargin);
  d.lineMargin = Int("LineMargin", b.lineMargin);
  d.refText = Color("refText", b.refText);
  d.refTextBk = Color("refTextBk", b.refTextBk);
  d.marginL = Int("MarginL", b.marginL);
  d.marginR = Int("MarginR", b.marginR);
  d.marginT = Int("MarginT", b.marginT);
  d.marginB = Int("MarginB", b.marginB);
  d.alineV = Int("AlineV", b.alineV);
  d.alineH = Int("AlineH", b.alineH);
  d.refMen = Color("refMen", b.refMen);
  d.refSecondMen = Color("refSecondMen", b.refSecondMen);
  d.refLine = Color("refLine", b.refLine);
  d.charaFontName = Text("CharaFontName", b.charaFontName);
  d.charaFontSize = Int("CharaFontSize", b.charaFontSize);
  d.charaFontBold = Int("CharaFontBold", b.charaFontBold);
  d.charaFontItalic = Int("CharaFontItalic", b.charaFontItalic);
  d.chararefText = Color("ChararefText", b.chararefText);
  d.charaCharMargin = Int("CharaCharMargin", b.charaCharMargin);
  d.charaLineMargin = Int("CharaLineMargin", b.charaLineMargin);
  d.gradeRound = Int("GradeRound", b.gradeRound);
  d.futosa = Int("Futosa", b.futosa);
  d.lineStyle = Int("LineStyle", b.lineStyle);
  d.kageX = Int("KageX", b.kageX);
  d.kageY = Int("KageY", b.kageY);
  d.refKage = Color("refKage", b.refKage);
  for (int n = 1; n <= 2; ++n) d.ends[n - 1] = ReadEnd(n, b.ends[n - 1]);
  d.imageW = GetInt(sys::ImageW);
  if (d.imageW < 1) d.imageW = b.imageW;  // a large picture must not vanish
  return d;
}
