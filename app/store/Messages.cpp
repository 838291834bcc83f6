// ShowMessage and its sinks.
#include "app/store/Messages.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "app/store/StringTable.h"

namespace {

int AskBox(QWidget* owner, const QString& text, MsgStyle style) {
  using B = QMessageBox::StandardButton;
  QMessageBox::Icon icon = QMessageBox::Question;
  QMessageBox::StandardButtons buttons = B::Yes | B::No;
  switch (style) {
    case MsgStyle::Error: icon = QMessageBox::Critical; buttons = B::Ok; break;
    case MsgStyle::Info: icon = QMessageBox::Information; buttons = B::Ok; break;
    case MsgStyle::YesNo: break;
    case MsgStyle::YesNoCancel: buttons |= B::Cancel; break;
  }
  if (!owner) owner = QApplication::activeWindow();
  QMessageBox box(icon, AppTitle(), text, buttons, owner);
  switch (box.exec()) {
    case B::Ok: return IDOK;
    case B::Yes: return IDYES;
    case B::No: return IDNO;
    default: return style == MsgStyle::YesNo ? IDNO : IDCANCEL;
  }
}

class BoxSink : public MessageSink {
 public:
  int Show(int, QWidget* owner, const QString& prefix, const QString& text,
           MsgStyle style) override {
    return AskBox(owner, prefix + text, style);
  }
};

BoxSink boxSink;
MessageSink* currentSink = &boxSink;

}  // namespace

ScopedMessageSink::ScopedMessageSink(MessageSink& sink) : previous_(currentSink) {
  currentSink = &sink;
}

ScopedMessageSink::~ScopedMessageSink() { currentSink = previous_; }

int StderrMessageSink::Show(int, QWidget*, const QString& prefix, const QString& text,
                            MsgStyle style) {
  std::fprintf(out_, "%s\n", qPrintable(prefix + text));
  switch (style) {
    case MsgStyle::Error:
    case MsgStyle::Info: return IDOK;
    case MsgStyle::YesNo: return IDNO;
    case MsgStyle::YesNoCancel: return IDCANCEL;
  }
  return IDOK;
}

int ShowMessage(int stringId, QWidget* owner, const QString& prefix, MsgStyle style) {
  const std::optional<QString> text = LoadString(stringId);
  if (!text) return 0;
  return currentSink->Show(stringId, owner, prefix, *text, style);
}
