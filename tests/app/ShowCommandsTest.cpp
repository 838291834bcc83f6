#include <gtest/gtest.h>

#include <cstring>

#include "app/ShowCommands.h"
#include "core/Document.h"
#include "core/EditPath.h"
#include "core/Records.h"
#include "editor/CommandRegistry.h"

TEST(ShowCommandsTest, SettingsComeFromTheHeader) {
  DocHeader h{};
  h.SlideCount = 3;
  h.CurSlide = 2;
  h.SlideW = 1046;
  h.SlideH = 718;
  h.SwitchTime[0] = 5;
  h.SwitchTime[2] = 7;
  h.SwitchTime[3] = 99;  // beyond the slide count
  h.Transition[1] = 20;
  std::memcpy(h.EndText, "a@b", 4);
  h.Bell1Kind = 3;
  h.Bell1Time = 60;
  h.Bell2Kind = 1;
  h.Bell2Time = 120;
  h.RepeatOnce = 1;
  h.ShowClock = 1;
  h.NoEnlarge = 1;
  const ShowSettings s = ShowSettingsFromHeader(h);
  EXPECT_EQ(s.curSlide, 2);
  EXPECT_EQ(s.slideSize, QSize(1046, 718));
  EXPECT_EQ(s.switchTime, (std::vector<int>{5, 0, 7}));
  EXPECT_EQ(s.transition, (std::vector<int>{0, 20, 0}));
  EXPECT_EQ(s.endText.left(4), QByteArray("a@b", 4));
  EXPECT_EQ(s.bell1.kind, 3);
  EXPECT_EQ(s.bell1.time, 60);
  EXPECT_EQ(s.bell2.time, 120);
  EXPECT_EQ(s.repeatOnce, 1);
  EXPECT_EQ(s.showClock, 1);
  EXPECT_EQ(s.noEnlarge, 1);
  EXPECT_FALSE(s.player);
}

TEST(ShowCommandsTest, FiveShowCommandsAreRegistered) {
  CommandRegistry commands;
  Document doc;
  EditPath edits(doc);
  RegisterShowCommands(commands, edits, nullptr);
  ASSERT_EQ(commands.All().size(), 5u);
  EXPECT_EQ(commands.Find(ID_HONBAN_MODE)->label, QString::fromUtf8("本番開始(&H)"));
  EXPECT_EQ(commands.Find(ID_DURING_MODE)->label, QString::fromUtf8("現在のスライドから本番開始(&D)"));
  EXPECT_EQ(commands.Find(ID_GET_TIME_MODE)->label, QString::fromUtf8("リハーサル(時間計測)(&G)"));
  EXPECT_EQ(commands.Find(ID_TIME_CHANGE_MODE)->label, QString::fromUtf8("リハーサル(自動切替え)(&C)"));
  EXPECT_EQ(commands.Find(ID_AUTO_SETTEI)->label, QString::fromUtf8("自動切替え時間の設定(&T)..."));
}
