#include "base/Settings.h"

#include <gtest/gtest.h>

#include "SettingsReset.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

namespace {

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    support::ClearSettings();
  }
};

TEST_F(SettingsTest, LivesInThePrivateConfigFolderOfTheTest) {
  WriteInt("SYS", "FirstOpen", 1);
  const QString ini = qEnvironmentVariable("XDG_CONFIG_HOME") + "/Orlinde/Tessaly.ini";
  ASSERT_FALSE(qEnvironmentVariable("XDG_CONFIG_HOME").isEmpty());
  EXPECT_TRUE(QFile::exists(ini));
}

TEST_F(SettingsTest, MissingValuesGiveTheCallersDefault) {
  EXPECT_EQ(GetInt("Page", "DefYoko", 1046), 1046);
  EXPECT_EQ(GetText("Last", "FilePath", "none"), "none");
  EXPECT_EQ(GetColor("Last", "refPointer", 255), 255);
}

TEST_F(SettingsTest, IntsAndTextsRoundTrip) {
  WriteInt("Page", "Yoko", -42);
  WriteText("Last", "FilePath", QString::fromUtf8("/tmp/発表 資料,1.tvl"));
  WriteText("Recent File List", "File1", "/a/b.tvl");
  EXPECT_EQ(GetInt("Page", "Yoko", 0), -42);
  EXPECT_EQ(GetText("Last", "FilePath", ""), QString::fromUtf8("/tmp/発表 資料,1.tvl"));
  EXPECT_EQ(GetText("Recent File List", "File1", ""), "/a/b.tvl");
}

TEST_F(SettingsTest, ColoursAreSignedDecimalText) {
  WriteColor("OBJ", "refMen", 0x00FFEFEC);
  WriteColor("OBJ", "refLine", kNoColor);
  EXPECT_EQ(GetText("OBJ", "refMen", ""), "16773100");
  EXPECT_EQ(GetText("OBJ", "refLine", ""), "-1");
  EXPECT_EQ(GetColor("OBJ", "refMen", 0), 0x00FFEFEC);
  EXPECT_EQ(GetColor("OBJ", "refLine", 0), kNoColor);
  WriteText("OBJ", "refKage", "16773100");  // as another writer would leave it
  EXPECT_EQ(GetColor("OBJ", "refKage", 0), 0x00FFEFEC);
  WriteText("OBJ", "refKage", "not a colour");
  EXPECT_EQ(GetColor("OBJ", "refKage", 7), 7);
}

TEST_F(SettingsTest, ABatchWritesEveryValue) {
  {
    SettingsBatch batch;
    batch.WriteInt("SYS", "PlayAnime", 5);
    batch.WriteInt(sys::DspGuide, 0);
    batch.WriteText("Last", "FilePath", "/a/b.tvl");
    batch.WriteColor("OBJ", "refMen", kNoColor);
  }
  EXPECT_EQ(GetInt(sys::PlayAnime), 5);
  EXPECT_EQ(GetInt(sys::DspGuide), 0);
  EXPECT_EQ(GetText("Last", "FilePath", ""), "/a/b.tvl");
  EXPECT_EQ(GetText("OBJ", "refMen", ""), "-1");
}

TEST_F(SettingsTest, AnIntStoredAsGarbageFallsBackToTheDefault) {
  WriteText("SYS", "ImageW", "wide");
  EXPECT_EQ(GetInt(sys::ImageW), 250);
}

TEST_F(SettingsTest, DialogOpacityIsClamped) {
  EXPECT_EQ(GetDialogOpacity("Page"), 220);
  WriteInt("Trans", "Page", 20);
  EXPECT_EQ(GetDialogOpacity("Page"), 150);
  WriteInt("Trans", "Page", 400);
  EXPECT_EQ(GetDialogOpacity("Page"), 255);
  WriteInt("Trans", "Page", 180);
  EXPECT_EQ(GetDialogOpacity("Page"), 180);
}

}  // namespace
