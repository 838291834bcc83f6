// The in-place text editor: an edit box over the object whose text is being
// typed, in the object's font and colours. It lets in only what the object
// can hold in CP932 and says in the status bar what it refused.
#pragma once

#include <QTextEdit>

#include "editor/InPlaceText.h"

class CMyEdit : public QTextEdit {
  Q_OBJECT
 public:
  explicit CMyEdit(QWidget* parent);

  // Shows `text` in the look of object `look` within `box` (parent pixels),
  // the caret at the character under `caret`, and takes the focus.
  void Start(const TextEditLook& look, const QString& text, const QRect& box, QPoint caret);
  QString Text() const { return toPlainText(); }

 signals:
  // Typed or pasted text was refused in part: what the status bar says.
  void Refused(const QString& note);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  // The part of `typed` that fits in place of the selection.
  QString Fit(const QString& typed);

  int limit_ = kTextLimit;
  bool multiLine_ = true;
};
