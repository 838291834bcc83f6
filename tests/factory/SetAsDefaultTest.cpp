#include "editor/factory/ObjDefaults.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <cstring>

#include "FactoryFixtures.h"
#include "base/Settings.h"
#include "editor/factory/Requests.h"

namespace {

QStringList ObjKeys() {
  QSettings store(QSettings::IniFormat, QSettings::UserScope, "Orlinde", "Tessaly");
  store.beginGroup("OBJ");
  QStringList keys = store.childKeys();
  keys.sort();
  return keys;
}

using SetAsDefaultTest = FactoryTest;

// The question before and the confirmation after are the main window's
// (InsertMenuTest); here only what is written.
TEST_F(SetAsDefaultTest, WritesExactlyTheListedKeys) {
  const int i = *Create(request::DesignText);
  SetAsDefault(doc.Object(i));
  QStringList expected = {"RoundR", "FontName", "FontSize", "FontBold", "FontItalic", "FontDel",
                          "FontUnder", "WordWrap", "LineMargin", "refText", "refTextBk", "MarginL",
                          "MarginR", "MarginT", "MarginB", "AlineV", "AlineH", "refMen", "refLine",
                          "Futosa", "LineStyle", "KageX", "KageY", "refKage"};
  for (const char* stem : {"EndStyle", "EndLen", "EndSize", "refEnd", "refEndLine", "EndFutosa", "EndLineStyle"})
    expected << EndKey(stem, 1) << EndKey(stem, 2);
  expected.sort();
  EXPECT_EQ(ObjKeys(), expected);
  // A design text's size becomes every object's size, not the design text's.
  EXPECT_EQ(GetInt("OBJ", "FontSize", 0), 48);
  EXPECT_EQ(GetText("OBJ", "refTextBk", QString()), "-1");
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(SetAsDefaultTest, NewObjectsTakeOverTheStoredAttributes) {
  ObjectRecord r = doc.Object(*Create(3));
  r.RoundR = 12;
  std::strcpy(r.FontName, "IPAPGothic");
  r.FontSize = 18;
  r.FontBold = r.FontItalic = r.FontDel = r.FontUnder = 1;
  r.WordWrap = 0;
  r.LineMargin = 7;
  r.refText = 0x0000FF;
  r.refTextBk = 0x00FF00;
  r.MarginL = 2;
  r.MarginR = 3;
  r.MarginT = 4;
  r.MarginB = 5;
  r.AlineV = 0;
  r.AlineH = 2;
  r.refMen = kNoColor;
  r.refLine = 0x123456;
  r.Futosa = 6;
  r.LineStyle = 5;
  r.KageX = -4;
  r.KageY = 8;
  r.refKage = 0x808080;
  r.Ends[0] = {2, 7, 8, {}, 111, 222, 3, 1};
  r.Ends[1] = {3, 9, 10, {}, 333, 444, 4, 2};
  SetAsDefault(r);

  const ObjectRecord& n = doc.Object(*Create(6));  // a triangle takes the stored ends
  EXPECT_EQ(n.RoundR, 12);
  EXPECT_STREQ(n.FontName, "IPAPGothic");
  EXPECT_EQ(n.FontSize, 18);
  EXPECT_EQ(n.FontBold + n.FontItalic + n.FontDel + n.FontUnder, 4);
  EXPECT_EQ(n.WordWrap, 0);
  EXPECT_EQ(n.LineMargin, 7);
  EXPECT_EQ(n.refText, 0x0000FF);
  EXPECT_EQ(n.refTextBk, 0x00FF00);
  EXPECT_EQ(n.MarginL + 10 * n.MarginR + 100 * n.MarginT + 1000 * n.MarginB, 5432);
  EXPECT_EQ(n.AlineV, 0);
  EXPECT_EQ(n.AlineH, 2);
  EXPECT_EQ(n.refMen, kNoColor);
  EXPECT_EQ(n.refGrade[16], kNoColor);
  EXPECT_EQ(n.refSecondMen, 16000000);  // not taken over
  EXPECT_EQ(n.refLine, 0x123456);
  EXPECT_EQ(n.Futosa, 6);
  EXPECT_EQ(n.LineStyle, 5);
  EXPECT_EQ(n.KageX, -4);
  EXPECT_EQ(n.KageY, 8);
  EXPECT_EQ(n.refKage, 0x808080);
  for (int k = 0; k < 2; ++k) {
    const LineEnd& want = r.Ends[k];
    const LineEnd& got = n.Ends[k];
    EXPECT_EQ(got.EndStyle, want.EndStyle);
    EXPECT_EQ(got.EndLen, want.EndLen);
    EXPECT_EQ(got.EndSize, want.EndSize);
    EXPECT_EQ(got.refEnd, want.refEnd);
    EXPECT_EQ(got.refEndLine, want.refEndLine);
    EXPECT_EQ(got.EndFutosa, want.EndFutosa);
    EXPECT_EQ(got.EndLineStyle, want.EndLineStyle);
  }
}

}  // namespace
