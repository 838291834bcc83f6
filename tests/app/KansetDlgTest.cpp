// The settings form: typed sizes are clamped when the field is left, and an
// emptied animation count is saved as 1.
#include "app/KansetDlg.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

namespace {

void Type(QSpinBox* box, const QString& text) {
  box->findChild<QLineEdit*>()->setText(text);
  QTest::keyClick(box, Qt::Key_Return);
}

}  // namespace

TEST(KansetDlgTest, TypedSizesAreClampedAndEmptyCountSavesOne) {
  KansetValues start;
  start.autoCng = 90;
  CKansetDlg dialog(start);
  EXPECT_TRUE(dialog.AutoCngRadio(4)->isChecked());
  const struct {
    const char* typed;
    int shown;
  } cases[] = {{"5", 30}, {"900", 500}, {"120", 120}};
  for (const auto& c : cases) {
    Type(dialog.ImageWBox(), c.typed);
    EXPECT_EQ(dialog.ImageWBox()->value(), c.shown) << c.typed;
  }
  dialog.AnimeCheck()->setChecked(true);
  dialog.AnimeCountBox()->findChild<QLineEdit*>()->clear();
  const KansetValues v = dialog.Values();
  EXPECT_EQ(v.playAnime, 1);
  EXPECT_EQ(v.autoCng, 300);
  EXPECT_EQ(v.imageW, 120);
}
