#include "app/RibbonValues.h"

#include "base/Cp932.h"
#include "core/Document.h"

int EditedEnd(const ObjectRecord& record, int selectedVertex) {
  if (record.ObjClass != objclass::Figure || record.ObjKind != objkind::Line || selectedVertex < 0) return -1;
  if (selectedVertex == 0) return 0;
  if (selectedVertex == record.PointNum - 1) return 1;
  return -1;
}

RibbonValues AttributesOf(const Document& doc, int index, int selectedVertex, RibbonValues v) {
  if (index < 0 || index >= doc.ObjCount()) {
    v.fill = doc.Header().refBack;
    v.line = doc.Header().refFrame;
    v.endEdited = false;
    return v;
  }
  const ObjectRecord& r = doc.Object(index);
  v.fontName = DecodeCp932Buffer(r.FontName, sizeof r.FontName);
  v.fontSize = r.FontSize;
  v.bold = r.FontBold != 0;
  v.italic = r.FontItalic != 0;
  v.strikeOut = r.FontDel != 0;
  v.underline = r.FontUnder != 0;
  v.text = r.refText;
  v.textBack = r.refTextBk;
  v.alineV = r.AlineV;
  v.alineH = r.AlineH;
  v.wordWrap = r.WordWrap != 0;
  v.charMargin = r.CharMargin;
  v.lineMargin = r.LineMargin;
  v.margins = {r.MarginL, r.MarginR, r.MarginT, r.MarginB};
  const int end = EditedEnd(r, selectedVertex);
  v.endEdited = end >= 0;
  if (end >= 0) {
    const LineEnd& e = r.Ends[end];
    v.line = e.refEndLine;
    v.lineWidth = e.EndFutosa;
    v.lineStyle = e.EndLineStyle;
    v.end = e.refEnd;
    v.endStyle = e.EndStyle;
    v.endLen = e.EndLen;
    v.endSize = e.EndSize;
  } else {
    v.fill = r.refMen;
    v.line = r.refLine;
    v.lineWidth = r.Futosa;
    v.lineStyle = r.LineStyle;
    v.curve = r.Curve != 0;
  }
  v.shadow = r.refKage;
  v.shadowX = r.KageX;
  v.shadowY = r.KageY;
  v.lightDir = r.LightDir;
  return v;
}
