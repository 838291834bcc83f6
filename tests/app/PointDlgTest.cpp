#include "app/PointDlg.h"

#include <gtest/gtest.h>

#include <QSpinBox>

#include "MessageRecorder.h"

namespace {

TEST(PointDlgTest, OkTakesOnlyValuesInsideTheSlide) {
  struct Case {
    QPoint typed;
    bool accepted;
  };
  const Case cases[] = {{{0, 0}, true}, {{1046, 718}, true}, {{1047, 10}, false}, {{10, -1}, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed.x());
    MessageRecorder messages;
    CPointDlg dlg({5, 5}, {1046, 718});
    dlg.X()->setValue(c.typed.x());
    dlg.Y()->setValue(c.typed.y());
    dlg.accept();
    EXPECT_EQ(dlg.result() == QDialog::Accepted, c.accepted);
    EXPECT_EQ(messages.Ids(), c.accepted ? std::vector<int>{} : std::vector<int>{30051});
    if (c.accepted) {
      EXPECT_EQ(dlg.Value(), c.typed);
    }
  }
}

}  // namespace
