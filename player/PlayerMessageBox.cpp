#include "player/PlayerMessageBox.h"

#include <QMessageBox>

// The player only reports failures: every message has one OK button.
int PlayerMessageBox::Show(int, QObject* owner, const QString& prefix, const QString& text, MsgStyle style) {
  const QMessageBox::Icon icon = style == MsgStyle::Info ? QMessageBox::Information : QMessageBox::Critical;
  QMessageBox box(icon, caption_, prefix + text, QMessageBox::Ok, qobject_cast<QWidget*>(owner));
  box.exec();
  return IDOK;
}
