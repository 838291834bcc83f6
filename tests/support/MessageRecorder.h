// A message sink for tests: records every message and answers as scripted;
// and Shown, which does with a result what the application shell does.
#pragma once

#include <QString>
#include <deque>
#include <vector>

#include "base/Failure.h"
#include "base/MessageSink.h"

// A failure shows its message; true when there was none.
template <typename T>
bool Shown(const Result<T>& result) {
  if (!result) ShowFailure(result.error());
  return result.has_value();
}

struct RecordedMessage {
  int id;
  QString prefix;
  MsgStyle style;
};

class MessageRecorder : public MessageSink {
 public:
  MessageRecorder() : scope_(*this) {}

  int Show(int stringId, QObject*, const QString& prefix, const QString& text,
           MsgStyle style) override {
    messages.push_back({stringId, prefix, style});
    texts.push_back(text);
    if (answers.empty()) return style == MsgStyle::Error || style == MsgStyle::Info ? IDOK : IDNO;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::vector<int> Ids() const {
    std::vector<int> ids;
    for (const RecordedMessage& m : messages) ids.push_back(m.id);
    return ids;
  }

  std::vector<RecordedMessage> messages;
  std::vector<QString> texts;
  std::deque<int> answers;  // popped in order; default OK / No when empty

 private:
  ScopedMessageSink scope_;
};
