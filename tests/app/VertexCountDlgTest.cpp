#include "app/VertexCountDlg.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace {

QStringList Labels(const QDialog& dlg) {
  QStringList texts;
  for (const QLabel* label : dlg.findChildren<QLabel*>()) texts << label->text();
  return texts;
}

TEST(VertexCountDlg, ShowsTheRangeAndTheExampleOfWhatIsAsked) {
  const VertexCountAsk star{true, 100, 30025, 6};
  CVertexCountDlg dlg(star);
  EXPECT_EQ(dlg.windowTitle(), QString::fromUtf8("頂点数"));
  EXPECT_EQ(Labels(dlg), (QStringList{QString::fromUtf8("( 3～100 )"), QString::fromUtf8("[例] 六角星 ⇒ 6")}));
  EXPECT_EQ(dlg.Spin()->minimum(), 3);
  EXPECT_EQ(dlg.Spin()->maximum(), 100);
  EXPECT_EQ(dlg.Value(), 6);

  dlg.Spin()->setValue(250);  // the spin control keeps to the range
  EXPECT_EQ(dlg.Value(), 100);
  dlg.findChild<QPushButton*>()->click();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST(VertexCountDlg, PolygonsOfferUpTo200) {
  CVertexCountDlg dlg({false, 200, 30031, 8});
  EXPECT_TRUE(Labels(dlg).contains(QString::fromUtf8("[例] 八角形 ⇒ 8")));
  EXPECT_EQ(dlg.Spin()->maximum(), 200);
}

}  // namespace
