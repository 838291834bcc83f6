#include "app/MessageBoxSink.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace {

// The real box: caption, prefix on the first line, and the button pressed.
TEST(MessageBoxSink, TheModalBoxShowsCaptionAndTextAndReturnsTheButton) {
  QString caption, text;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    caption = box->windowTitle();
    text = box->text();
    box->button(QMessageBox::No)->click();
  });
  MessageBoxSink boxes;
  ScopedMessageSink scope(boxes);
  EXPECT_EQ(ShowMessage(30086, nullptr, "/x/y.tvl\n", MsgStyle::YesNoCancel), IDNO);
  EXPECT_EQ(caption, "Tessaly");
  EXPECT_EQ(text, QString::fromUtf8("/x/y.tvl\n保存しないで終了してもよろしいですか"));
}

}  // namespace
