#include "export/PrintSettings.h"

#include <gtest/gtest.h>

#include "SettingsReset.h"
#include "base/MessageIds.h"

namespace {

TEST(PrintSettingsTest, TheSheetsToPrintAreCheckedAgainstTheSheetCount) {
  const struct {
    const char* name;
    PrintRange range;
    int preview, start, end;
    int first, last;  // 0: refused
    int message;
  } cases[] = {
      {"all", PrintRange::All, 0, 0, 0, 1, 4, 0},
      {"the preview's sheet", PrintRange::Preview, 3, 0, 0, 3, 3, 0},
      {"a preview past the end", PrintRange::Preview, 5, 1, 4, 0, 0, msg::PreviewPageUnknown},
      {"3 to 3", PrintRange::Pages, 1, 3, 3, 3, 3, 0},
      {"2 to 4", PrintRange::Pages, 1, 2, 4, 2, 4, 0},
      {"3 to 2", PrintRange::Pages, 1, 3, 2, 0, 0, msg::PrintEndBeforeStart},
      {"start 0", PrintRange::Pages, 1, 0, 2, 0, 0, msg::PrintStartUnknown},
      {"end past the last", PrintRange::Pages, 1, 1, 5, 0, 0, msg::PrintEndUnknown},
  };
  for (const auto& c : cases) {
    const Result<SheetSpan> span = SheetsToPrint(c.range, 4, c.preview, c.start, c.end);
    if (c.first == 0) {
      ASSERT_FALSE(span.has_value()) << c.name;
      EXPECT_EQ(span.error().id, c.message) << c.name;
    } else {
      ASSERT_TRUE(span.has_value()) << c.name;
      EXPECT_EQ(span->first, c.first) << c.name;
      EXPECT_EQ(span->last, c.last) << c.name;
    }
  }
}

TEST(PrintSettingsTest, PaperCodesShowTheirNamesAndAnyOtherShowsEtc) {
  EXPECT_STREQ(PaperName(9), "A4Sheet, 210x297mm");
  EXPECT_STREQ(PaperName(1), "Letter, 81/2x11inch");
  EXPECT_STREQ(PaperName(41), "GermanLegalFanfold, 81/2x13inch");
  for (int code : {0, 42, -1, 256}) EXPECT_STREQ(PaperName(code), "etc.") << code;
}

TEST(PrintSettingsTest, TheStoredChoicesComeBackAndOddValuesFallBack) {
  support::ClearSettings();
  SheetOptions defaults = ReadSheetOptions();
  EXPECT_EQ(defaults.perSheet, 1);
  EXPECT_TRUE(defaults.frame);
  EXPECT_TRUE(defaults.acrossFirst);
  EXPECT_EQ(defaults.margins, (SheetMargins{25, 25, 10, 10}));
  EXPECT_EQ(ReadPrintRange(), PrintRange::All);

  SheetOptions chosen;
  chosen.perSheet = 6;
  chosen.acrossFirst = false;
  chosen.frame = false;
  chosen.margins = {11, 12, 13, 14};
  WriteSheetOptions(chosen, PrintRange::Pages);
  const SheetOptions back = ReadSheetOptions();
  EXPECT_EQ(back.perSheet, 6);
  EXPECT_FALSE(back.acrossFirst);
  EXPECT_FALSE(back.frame);
  EXPECT_EQ(back.margins, chosen.margins);
  EXPECT_EQ(ReadPrintRange(), PrintRange::Pages);
  EXPECT_EQ(GetInt("Insatu", "MarginLmm", 0), 11);

  WriteInt(insatu::Warituke, 4);
  WriteInt(insatu::Hani, 9);
  WriteInt(insatu::Orientation, 5);
  EXPECT_EQ(ReadSheetOptions().perSheet, 1);
  EXPECT_EQ(ReadPrintRange(), PrintRange::All);
  EXPECT_EQ(ReadOrientation(), 1);
}

}  // namespace
