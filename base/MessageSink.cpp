// ShowMessage and the sink it goes to.
#include "base/MessageSink.h"

#include "base/StringTable.h"

namespace {

StderrMessageSink stderrSink;
MessageSink* currentSink = &stderrSink;

}  // namespace

ScopedMessageSink::ScopedMessageSink(MessageSink& sink) : previous_(currentSink) {
  currentSink = &sink;
}

ScopedMessageSink::~ScopedMessageSink() { currentSink = previous_; }

int StderrMessageSink::Show(int, QObject*, const QString& prefix, const QString& text,
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

int ShowMessage(int stringId, QObject* owner, const QString& prefix, MsgStyle style) {
  const std::optional<QString> text = LoadString(stringId);
  if (!text) return 0;
  return ShowMessageText(stringId, owner, prefix, *text, style);
}

int ShowMessageText(int stringId, QObject* owner, const QString& prefix, const QString& text,
                    MsgStyle style) {
  return currentSink->Show(stringId, owner, prefix, text, style);
}

int ShowFailure(const Failure& failure, QObject* owner) {
  return ShowMessage(failure.id, owner, failure.detail, failure.style);
}
