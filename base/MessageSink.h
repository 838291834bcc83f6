// The one way the program tells the user something: a string-table text
// shown by the installed sink and answered with Windows-style button codes.
// The application installs the message-box sink; the command line prints to
// stderr (the default); tests record and answer.
#pragma once

#include <QString>
#include <cstdio>

#include "base/Failure.h"

class QObject;

// Button codes as the callers compare them; 0 means nothing was shown.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Where messages go. `owner` is the window the message belongs to, or null.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual int Show(int stringId, QObject* owner, const QString& prefix, const QString& text,
                   MsgStyle style) = 0;
};

// Installs a sink for its lifetime and restores the previous one afterwards.
class ScopedMessageSink {
 public:
  explicit ScopedMessageSink(MessageSink& sink);
  ~ScopedMessageSink();
  ScopedMessageSink(const ScopedMessageSink&) = delete;
  ScopedMessageSink& operator=(const ScopedMessageSink&) = delete;

 private:
  MessageSink* previous_;
};

// Prints "prefix + text" as a line of `out` (stderr by default) and answers
// the safe choice (OK, No, Cancel). The sink in place when none is installed.
class StderrMessageSink : public MessageSink {
 public:
  explicit StderrMessageSink(std::FILE* out = stderr) : out_(out) {}
  int Show(int stringId, QObject* owner, const QString& prefix, const QString& text,
           MsgStyle style) override;

 private:
  std::FILE* out_;
};

// Shows string `stringId` after `prefix`; returns the button pressed, or 0 when
// the id has no text.
int ShowMessage(int stringId, QObject* owner = nullptr, const QString& prefix = QString(),
                MsgStyle style = MsgStyle::Error);
// Shows `text`, string `stringId` of another program's own table, after
// `prefix`: how the player, with texts of its own, tells the user.
int ShowMessageText(int stringId, QObject* owner, const QString& prefix, const QString& text,
                    MsgStyle style = MsgStyle::Error);
// Shows a failure's message with its detail line and style; nothing for msg::None.
int ShowFailure(const Failure& failure, QObject* owner = nullptr);
