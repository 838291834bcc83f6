// The system settings' limits and their round trip through the store.
#include "app/KansetValues.h"

#include <gtest/gtest.h>

#include "SettingsReset.h"
#include "base/Settings.h"

TEST(KansetValuesTest, StoredValuesOpenInTheirRange) {
  const struct {
    IntSetting setting;
    int stored;
    int (*shown)(const KansetValues&);
    int expected;
  } cases[] = {
      {sys::AutoCng, 90, [](const KansetValues& v) { return v.autoCng; }, 300},
      {sys::AutoCng, 180, [](const KansetValues& v) { return v.autoCng; }, 180},
      {sys::AutoCng, 30, [](const KansetValues& v) { return v.autoCng; }, 30},
      {sys::ImageW, 5, [](const KansetValues& v) { return v.imageW; }, 30},
      {sys::ImageW, 900, [](const KansetValues& v) { return v.imageW; }, 500},
      {sys::ObjW, 29, [](const KansetValues& v) { return v.objW; }, 30},
      {sys::ObjH, 501, [](const KansetValues& v) { return v.objH; }, 500},
      {sys::MakeBackup, 0, [](const KansetValues& v) { return int(v.makeBackup); }, 0},
      {sys::FirstOpen, 1, [](const KansetValues& v) { return int(v.firstOpen); }, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(QString("%1=%2").arg(c.setting.key).arg(c.stored).toStdString());
    support::ClearSettings();
    WriteInt(c.setting, c.stored);
    EXPECT_EQ(c.shown(LoadKanset({})), c.expected);
  }
}

TEST(KansetValuesTest, EmptyStoreGivesTheDefaults) {
  support::ClearSettings();
  const KansetValues v = LoadKanset({3, 0, 1});
  EXPECT_FALSE(v.firstOpen);
  EXPECT_EQ(v.imageW, 250);
  EXPECT_EQ(v.objW, 100);
  EXPECT_EQ(v.objH, 50);
  EXPECT_EQ(v.autoCng, 60);
  EXPECT_EQ(v.playAnime, 3);
  EXPECT_EQ(v.speedAnime, 0);
  EXPECT_TRUE(v.makeBackup);
  EXPECT_TRUE(v.dspGuide);
}

TEST(KansetValuesTest, ControlsAreClampedWhenCollected) {
  const struct {
    bool checked;
    int count;
    int speed;
    int expectedAnime;
    int expectedSpeed;
  } cases[] = {
      {true, 0, 2, 1, 2},     // an empty count field
      {true, 11, 4, 10, 4},
      {true, 5, 7, 5, 0},     // no speed radio known
      {false, 5, -1, 0, 0},   // animation off
  };
  for (const auto& c : cases) {
    const KansetValues v = CollectKanset(false, 5, 900, 100, 9, c.checked, c.count, c.speed, true, true);
    EXPECT_EQ(v.playAnime, c.expectedAnime) << c.count;
    EXPECT_EQ(v.speedAnime, c.expectedSpeed) << c.speed;
    EXPECT_EQ(v.imageW, 30);
    EXPECT_EQ(v.objW, 500);
    EXPECT_EQ(v.autoCng, 300);
  }
}

TEST(KansetValuesTest, SavedValuesReadBack) {
  support::ClearSettings();
  WriteInt(sys::AutoCng, 90);
  KansetValues v = LoadKanset({0, 9, 0});
  EXPECT_EQ(v.playAnime, 0);
  EXPECT_EQ(AnimeSpinValue(v.playAnime), 3);
  EXPECT_EQ(v.speedAnime, 0);
  v.imageW = 120;
  v.objH = 480;
  v.firstOpen = true;
  v.makeBackup = false;
  v.playAnime = 6;
  v.speedAnime = 3;
  v.dspGuide = false;
  const AnimeGuide kept = SaveKanset(v);
  EXPECT_EQ(GetInt(sys::AutoCng), 300);
  EXPECT_EQ(GetInt(sys::ImageW), 120);
  EXPECT_EQ(GetInt(sys::ObjH), 480);
  EXPECT_EQ(GetInt(sys::FirstOpen), 1);
  EXPECT_EQ(GetInt(sys::MakeBackup), 0);
  // Kept by the application until exit, not written now.
  EXPECT_EQ(kept.playAnime, 6);
  EXPECT_EQ(kept.speedAnime, 3);
  EXPECT_EQ(kept.dspGuide, 0);
  EXPECT_EQ(GetInt(sys::PlayAnime), 3);
  const KansetValues again = LoadKanset(kept);
  EXPECT_EQ(again.imageW, 120);
  EXPECT_EQ(again.playAnime, 6);
  EXPECT_FALSE(again.dspGuide);
}
