// The player's message sink: a modal message box captioned with the name the
// user gave the package, since the player has no title of its own.
#pragma once

#include "base/MessageSink.h"

class PlayerMessageBox : public MessageSink {
 public:
  explicit PlayerMessageBox(QString caption) : caption_(std::move(caption)) {}
  int Show(int stringId, QObject* owner, const QString& prefix, const QString& text,
           MsgStyle style) override;

 private:
  QString caption_;
};
