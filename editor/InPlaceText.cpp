#include "editor/InPlaceText.h"

#include "base/Cp932.h"
#include "core/EditPath.h"
#include "geometry/ObjectFrame.h"

int TextLimit(const ObjectRecord& rec) {
  return rec.ObjClass == objclass::DText ? kDesignTextLimit : kTextLimit;
}

InputFit FitInput(QStringView kept, QStringView typed, int limit) {
  InputFit fit;
  qsizetype used = EncodeCp932(kept).value_or(QByteArray()).size();
  for (qsizetype at = 0; at < typed.size();) {
    const qsizetype len = typed[at].isHighSurrogate() && at + 1 < typed.size() ? 2 : 1;
    const QStringView ch = typed.mid(at, len);
    at += len;
    const std::optional<QByteArray> bytes = EncodeCp932(ch);
    if (!bytes || bytes->isEmpty()) {
      fit.refusal = TextRefusal::NotCp932;
      continue;
    }
    if (used + bytes->size() > limit) {
      fit.refusal = TextRefusal::TooLong;
      break;
    }
    used += bytes->size();
    fit.accepted += ch;
  }
  return fit;
}

QString RefusalNote(TextRefusal refusal, int limit) {
  switch (refusal) {
    case TextRefusal::None: return QString();
    case TextRefusal::NotCp932: return QString::fromUtf8("この文字は使えません（Shift-JIS にない文字です）");
    case TextRefusal::TooLong: return QString::fromUtf8("これ以上入力できません（%1 バイトまで）").arg(limit);
  }
  return QString();
}

TextEditLook StartTextEdit(const Document& doc, int index) {
  const ObjectRecord& r = doc.Object(index);
  const DocHeader& h = doc.Header();
  TextEditLook look;
  const Bounds b = FrameOf(r, h.Zoom).bounds;
  look.box = QRect(QPoint(b.left, b.top), QPoint(b.right, b.bottom + 5));
  const QString face = DecodeCp932Buffer(r.FontName, sizeof r.FontName);
  const int points = static_cast<int>(r.FontSize * h.Zoom);
  look.font = MakeFont(face, points, r.FontBold != 0, r.FontItalic != 0, false, false, 0, doc.Dpi().y);
  const bool noFill = r.ObjKind == objkind::Line || r.refMen == kNoColor;
  look.background = noFill ? h.refBack : r.refMen;
  look.text = r.refText == kNoColor ? 0 : r.refText;
  look.align = r.AlineH;
  look.multiLine = r.ObjClass != objclass::DText;
  look.limit = TextLimit(r);
  return look;
}

QString ObjectText(const Document& doc, int index) {
  const ObjectRecord& r = doc.Object(index);
  return DecodeCp932Buffer(r.Text, sizeof r.Text);
}

bool CommitText(EditPath& edits, int index, const QString& text) {
  if (index < 0 || index >= edits.Doc().ObjCount() || text == ObjectText(edits.Doc(), index)) return false;
  // The editor lets in only what fits; text that does not is refused whole
  // rather than cut.
  const std::optional<QByteArray> bytes = EncodeCp932(text);
  if (!bytes || bytes->size() > TextLimit(edits.Doc().Object(index))) return false;
  return edits.Apply(EditKind::Undoable, [&](Document& d) {
    StoreCp932Bytes(d.Object(index).Text, sizeof d.Object(index).Text, *bytes);
    return true;
  });
}
