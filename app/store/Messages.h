// The one way the program tells the user something: a modal box whose text
// comes from the string table, answered with Windows-style button codes.
#pragma once

#include <QString>
#include <cstdio>

class QWidget;

enum class MsgStyle { Error, Info, YesNo, YesNoCancel };

// Button codes as the callers compare them; 0 means nothing was shown.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Where messages go. The default shows a QMessageBox; tests record and answer,
// the command line prints to stderr.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual int Show(int stringId, QWidget* owner, const QString& prefix, const QString& text,
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
// the safe choice (OK, No, Cancel).
class StderrMessageSink : public MessageSink {
 public:
  explicit StderrMessageSink(std::FILE* out = stderr) : out_(out) {}
  int Show(int stringId, QWidget* owner, const QString& prefix, const QString& text,
           MsgStyle style) override;

 private:
  std::FILE* out_;
};

// Shows string `stringId` after `prefix`; returns the button pressed, or 0 when
// the id has no text.
int ShowMessage(int stringId, QWidget* owner = nullptr, const QString& prefix = QString(),
                MsgStyle style = MsgStyle::Error);
