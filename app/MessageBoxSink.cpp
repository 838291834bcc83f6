#include "app/MessageBoxSink.h"

#include <QApplication>
#include <QMessageBox>

#include "base/StringTable.h"

int MessageBoxSink::Show(int, QObject* owner, const QString& prefix, const QString& text,
                         MsgStyle style) {
  using B = QMessageBox::StandardButton;
  QMessageBox::Icon icon = QMessageBox::Question;
  QMessageBox::StandardButtons buttons = B::Yes | B::No;
  switch (style) {
    case MsgStyle::Error: icon = QMessageBox::Critical; buttons = B::Ok; break;
    case MsgStyle::Info: icon = QMessageBox::Information; buttons = B::Ok; break;
    case MsgStyle::YesNo: break;
    case MsgStyle::YesNoCancel: buttons |= B::Cancel; break;
  }
  QWidget* parent = qobject_cast<QWidget*>(owner);
  if (!parent) parent = QApplication::activeWindow();
  QMessageBox box(icon, AppTitle(), prefix + text, buttons, parent);
  switch (box.exec()) {
    case B::Ok: return IDOK;
    case B::Yes: return IDYES;
    case B::No: return IDNO;
    default: return style == MsgStyle::YesNo ? IDNO : IDCANCEL;
  }
}
