// The message sink of the authoring program's windows: a modal message box
// with the application title as its caption.
#pragma once

#include "base/MessageSink.h"

class MessageBoxSink : public MessageSink {
 public:
  int Show(int stringId, QObject* owner, const QString& prefix, const QString& text,
           MsgStyle style) override;
};
