#include "app/JapaneseUi.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QMessageBox>

namespace {

TEST(JapaneseUi, StandardButtonsReadInJapanese) {
  InstallJapaneseUi(*qApp);
  QMessageBox box(QMessageBox::Question, "Tessaly", "?",
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  EXPECT_TRUE(box.button(QMessageBox::Yes)->text().startsWith(QString::fromUtf8("はい")));
  EXPECT_TRUE(box.button(QMessageBox::No)->text().startsWith(QString::fromUtf8("いいえ")));
  EXPECT_TRUE(box.button(QMessageBox::Cancel)->text().startsWith(QString::fromUtf8("キャンセル")));
}

TEST(JapaneseUi, WindowsFacesMapToAnInstalledJapaneseFont) {
  InstallJapaneseUi(*qApp);
  EXPECT_TRUE(QFontDatabase::families().contains(kUiFontFamily));
  EXPECT_EQ(QFont::substitute("Meiryo UI").toLower(), QString(kUiFontFamily).toLower());
  EXPECT_EQ(QFont::substitute(QString::fromUtf8("ＭＳ Ｐゴシック")).toLower(), QString(kUiFontFamily).toLower());
  EXPECT_EQ(QApplication::font().family(), kUiFontFamily);
}

}  // namespace
