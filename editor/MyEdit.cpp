#include "editor/MyEdit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>

#include "render/gdi/Color.h"

namespace {

QColor ToColor(COLORREF c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

Qt::Alignment AlignOf(int alineH) {
  if (alineH == 1) return Qt::AlignHCenter;
  if (alineH == 2) return Qt::AlignRight;
  return Qt::AlignLeft;
}

}  // namespace

CMyEdit::CMyEdit(QWidget* parent) : QTextEdit(parent) {
  setAcceptRichText(false);
  setFrameStyle(QFrame::NoFrame);
  setViewportMargins(0, 0, 0, 0);
  document()->setDocumentMargin(0);
  setTabChangesFocus(true);
  hide();
}

void CMyEdit::Start(const TextEditLook& look, const QString& text, const QRect& box, QPoint caret) {
  limit_ = look.limit;
  multiLine_ = look.multiLine;
  QFont font = ToQFont(look.font);
  setFont(font);
  QPalette p = palette();
  p.setColor(QPalette::Base, ToColor(look.background));
  p.setColor(QPalette::Text, ToColor(look.text));
  setPalette(p);
  setLineWrapMode(multiLine_ ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
  QTextOption option = document()->defaultTextOption();
  option.setAlignment(AlignOf(look.align));
  document()->setDefaultTextOption(option);
  setPlainText(text);
  setGeometry(box);
  show();
  setTextCursor(cursorForPosition(caret - box.topLeft()));
  ensureCursorVisible();
  setFocus();
}

QString CMyEdit::Fit(const QString& typed) {
  QString kept = toPlainText();
  const QTextCursor c = textCursor();
  kept.remove(c.selectionStart(), c.selectionEnd() - c.selectionStart());
  const InputFit fit = FitInput(kept, typed, limit_);
  if (fit.refusal != TextRefusal::None) emit Refused(RefusalNote(fit.refusal, limit_));
  return fit.accepted;
}

void CMyEdit::keyPressEvent(QKeyEvent* event) {
  const bool newLine = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (newLine && !multiLine_) return;
  const QString typed = newLine ? QString("\n") : event->text();
  if (typed.isEmpty() || !typed.at(0).isPrint() && !newLine) {
    QTextEdit::keyPressEvent(event);
    return;
  }
  const QString fits = Fit(typed);
  if (!fits.isEmpty()) textCursor().insertText(fits);
  ensureCursorVisible();
}

void CMyEdit::inputMethodEvent(QInputMethodEvent* event) {
  if (!event->commitString().isEmpty()) {
    event->setCommitString(Fit(event->commitString()), event->replacementStart(), event->replacementLength());
  }
  QTextEdit::inputMethodEvent(event);
}

void CMyEdit::insertFromMimeData(const QMimeData* source) {
  QString text = source->text();
  text.replace("\r\n", "\n");
  if (!multiLine_) text.replace('\n', ' ');
  const QString fits = Fit(text);
  if (!fits.isEmpty()) textCursor().insertText(fits);
}
