#include "editor/factory/SetAsDefault.h"

#include "app/store/Messages.h"
#include "core/Records.h"
#include "core/text/Cp932.h"
#include "editor/factory/ObjDefaults.h"

namespace {

constexpr int kMsgAskSetDefault = 30004;
constexpr int kMsgDefaultSet = 30006;

void Int(const char* key, int value) { WriteInt(kObjSection, key, value); }
void Color(const char* key, COLORREF value) { WriteColor(kObjSection, key, value); }

void WriteEnd(int n, const LineEnd& e) {
  WriteInt(kObjSection, EndKey("EndStyle", n), e.EndStyle);
  WriteInt(kObjSection, EndKey("EndLen", n), e.EndLen);
  WriteInt(kObjSection, EndKey("EndSize", n), e.EndSize);
  WriteColor(kObjSection, EndKey("refEnd", n), e.refEnd);
  WriteColor(kObjSection, EndKey("refEndLine", n), e.refEndLine);
  WriteInt(kObjSection, EndKey("EndFutosa", n), e.EndFutosa);
  WriteInt(kObjSection, EndKey("EndLineStyle", n), e.EndLineStyle);
}

}  // namespace

// The character margin, the second fill colour, the design-text size, the
// gradient turn and the text-in-text attributes are not taken over; every
// object's size goes to "FontSize", a design text's too.
bool SetAsDefault(const ObjectRecord& r, QWidget* owner) {
  if (ShowMessage(kMsgAskSetDefault, owner, QString(), MsgStyle::YesNo) != IDYES) return false;
  Int("RoundR", r.RoundR);
  WriteText(kObjSection, "FontName", DecodeCp932Buffer(r.FontName, sizeof r.FontName));
  Int("FontSize", r.FontSize);
  Int("FontBold", r.FontBold);
  Int("FontItalic", r.FontItalic);
  Int("FontDel", r.FontDel);
  Int("FontUnder", r.FontUnder);
  Int("WordWrap", r.WordWrap);
  Int("LineMargin", r.LineMargin);
  Color("refText", r.refText);
  Color("refTextBk", r.refTextBk);
  Int("MarginL", r.MarginL);
  Int("MarginR", r.MarginR);
  Int("MarginT", r.MarginT);
  Int("MarginB", r.MarginB);
  Int("AlineV", r.AlineV);
  Int("AlineH", r.AlineH);
  Color("refMen", r.refMen);
  Color("refLine", r.refLine);
  Int("Futosa", r.Futosa);
  Int("LineStyle", r.LineStyle);
  Int("KageX", r.KageX);
  Int("KageY", r.KageY);
  Color("refKage", r.refKage);
  for (int n = 1; n <= 2; ++n) WriteEnd(n, r.Ends[n - 1]);
  ShowMessage(kMsgDefaultSet, owner, QString(), MsgStyle::Info);
  return true;
}
