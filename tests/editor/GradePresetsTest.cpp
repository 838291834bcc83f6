// Gradient preset files: what is written, read back, and refused.
#include "editor/GradePresets.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "FileSizeLimit.h"
#include "base/MessageIds.h"

namespace {

QByteArray Lines(std::initializer_list<const char*> lines) {
  QByteArray text;
  for (const char* line : lines) text += QByteArray(line) + "\r\n";
  return text;
}

QByteArray ColourLines(int count) {
  QByteArray text;
  for (int i = 0; i < count; ++i) text += QByteArray::number(i * 1000) + "\r\n";
  return text;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

TEST(GradePresetsTest, APresetIsWrittenAsItsLinesAndReadsBackWhole) {
  QTemporaryDir dir;
  const GradePresets presets(dir.path());
  GradeValue v;
  v.pattern = 12;
  for (int i = 0; i < kGradeColours; ++i) v.colours[i] = 0x10203 * i;
  v.colours[4] = -1;
  v.colours[16] = 0xFFFFFF;
  ASSERT_TRUE(presets.WriteText(3, v));
  EXPECT_EQ(presets.TextPath(3), dir.path() + "/Grade03.ini");
  EXPECT_EQ(presets.PicturePath(3), dir.path() + "/Grade03.JPEG");

  QFile f(presets.TextPath(3));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QList<QByteArray> lines = f.readAll().split('\n');
  ASSERT_EQ(lines.size(), 19);  // 18 lines and what follows the last CR LF
  EXPECT_EQ(lines[0], "[PAT12]\r");
  EXPECT_EQ(lines[5], "-1\r");
  EXPECT_EQ(lines[17], "16777215\r");
  EXPECT_EQ(lines[18], "");

  const Result<GradeValue> back = presets.Read(3);
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, v);

  v.pattern = 5;
  EXPECT_TRUE(GradePresetText(v).startsWith("[PAT05]\r\n"));
}

TEST(GradePresetsTest, FilesThatAreNotPresetsAreRefusedWholeNamingTheFile) {
  const struct {
    const char* name;
    QByteArray text;
  } cases[] = {
      {"pattern beyond 16", Lines({"[PAT17]"}) + ColourLines(17)},
      {"pattern 7 paints nothing", Lines({"[PAT07]"}) + ColourLines(17)},
      {"pattern 8 paints nothing", Lines({"[PAT08]"}) + ColourLines(17)},
      {"pattern 9 paints nothing", Lines({"[PAT09]"}) + ColourLines(17)},
      {"pattern not a number", Lines({"[PATab]"}) + ColourLines(17)},
      {"negative pattern", Lines({"[PAT-1]"}) + ColourLines(17)},
      {"no pattern line", ColourLines(18)},
      {"empty", QByteArray()},
      {"only 10 lines", Lines({"[PAT16]"}) + ColourLines(9)},
      {"colour not a number", Lines({"[PAT00]", "red"}) + ColourLines(16)},
      {"colour beyond 32 bits", Lines({"[PAT00]", "4294967296"}) + ColourLines(16)},
  };
  QTemporaryDir dir;
  const GradePresets presets(dir.path());
  for (const auto& c : cases) {
    ASSERT_TRUE(WriteFile(presets.TextPath(1), c.text));
    const Result<GradeValue> read = presets.Read(1);
    ASSERT_FALSE(read) << c.name;
    EXPECT_EQ(read.error(), Failure(msg::SettingsLoadFailed, presets.TextPath(1) + '\n')) << c.name;
  }
  // Lines ending in LF alone, as an editor may leave them, still read.
  ASSERT_TRUE(WriteFile(presets.TextPath(1), "[PAT10]\n" + ColourLines(17).replace("\r", "")));
  EXPECT_TRUE(presets.Read(1));

  const Result<GradeValue> missing = presets.Read(9);
  ASSERT_FALSE(missing);
  EXPECT_EQ(missing.error().detail, presets.TextPath(9) + '\n');
}

TEST(GradePresetsTest, WritingIntoAMissingFolderFailsAndRemoveTakesBothFiles) {
  QTemporaryDir dir;
  const GradePresets nowhere(dir.path() + "/missing");
  const Result<void> written = nowhere.WriteText(0, GradeValue{});
  ASSERT_FALSE(written);
  EXPECT_EQ(written.error().id, msg::SettingsSaveFailed);

  const GradePresets presets(dir.path());
  ASSERT_TRUE(presets.WriteText(2, GradeValue{}));
  ASSERT_TRUE(WriteFile(presets.PicturePath(2), "jpeg"));
  presets.Remove(2);
  EXPECT_FALSE(QFile::exists(presets.TextPath(2)));
  EXPECT_FALSE(QFile::exists(presets.PicturePath(2)));
}

TEST(GradePresetsTest, AFullDiskKeepsTheEarlierPreset) {
  QTemporaryDir dir;
  const GradePresets presets(dir.path());
  GradeValue earlier;
  earlier.pattern = 3;
  ASSERT_TRUE(presets.WriteText(4, earlier));
  Result<void> written = Failure{};
  {
    FileSizeLimit full(8);
    written = presets.WriteText(4, GradeValue{});
  }
  ASSERT_FALSE(written);
  EXPECT_EQ(written.error().id, msg::SettingsSaveFailed);
  const Result<GradeValue> read = presets.Read(4);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->pattern, 3);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Grade04.ini"});
}

TEST(GradePresetsTest, TheFolderIsTheUsersOwnDataFolderNotTheWorkFolder) {
  const Result<QString> folder = GradePresetFolder();
  ASSERT_TRUE(folder);
  EXPECT_EQ(*folder, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/Grade");
  EXPECT_FALSE(folder->startsWith(QDir::tempPath()));
  EXPECT_TRUE(QFileInfo(*folder).isDir());
}

}  // namespace
