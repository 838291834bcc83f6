#include "app/TextDlg.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>

#include "MessageRecorder.h"

namespace {

TEST(TextDlgTest, TheCounterFollowsTheBytesAndOkRefusesALongerText) {
  struct Case {
    const char* text;
    int limit;
    const char* counter;
    bool accepted;
  };
  const Case cases[] = {
      {"abc", 50, "[3 / 50]", true},
      {"あいう", 6, "[6 / 6]", true},  // two bytes a character
      {"あいう", 5, "[6 / 5]", false},
      {"a\nb", 3, "[3 / 3]", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    MessageRecorder messages;
    CTextDlg dlg(QString(), c.limit);
    dlg.Edit()->setPlainText(QString::fromUtf8(c.text));
    EXPECT_EQ(dlg.Counter()->text(), c.counter);
    dlg.accept();
    EXPECT_EQ(dlg.result() == QDialog::Accepted, c.accepted);
    EXPECT_EQ(messages.Ids(), c.accepted ? std::vector<int>{} : std::vector<int>{30008});
  }
}

TEST(TextDlgTest, ACharacterWithoutAShiftJisFormIsNotSaved) {
  MessageRecorder messages;
  CTextDlg dlg(QStringLiteral("ok \U0001F600"), 990);
  EXPECT_FALSE(dlg.Counter()->text().startsWith('['));
  dlg.accept();
  EXPECT_NE(dlg.result(), QDialog::Accepted);
}

}  // namespace
