// The recent-file list: order, removal of checked entries, and the folder shown.
#include "app/RecentFiles.h"

#include <gtest/gtest.h>

#include "SettingsReset.h"

TEST(RecentFilesTest, CheckedEntriesAreRemovedKeepingTheOrder) {
  const QStringList files{"/d/a.tvl", "/d/b.tvl", "/d/c.tvl"};
  const struct {
    QList<bool> checked;
    QStringList expected;
  } cases[] = {
      {{false, true, false}, {"/d/a.tvl", "/d/c.tvl"}},
      {{true, false, true}, {"/d/b.tvl"}},
      {{true, true, true}, {}},
      {{false, false, false}, files},
      {{true, true}, {"/d/c.tvl"}},  // fewer flags than rows
      {{}, files},
  };
  for (const auto& c : cases) EXPECT_EQ(WithoutChecked(files, c.checked), c.expected) << c.checked.size();
}

TEST(RecentFilesTest, StoredListReadsBackNewestFirstAndAtMostTen) {
  support::ClearSettings();
  for (int k = 1; k <= 12; ++k) AddRecentFile(QString("/d/%1.tvl").arg(k));
  AddRecentFile("/d/5.tvl");
  QStringList files = LoadRecentFiles();
  ASSERT_EQ(files.size(), kRecentFileCount);
  EXPECT_EQ(files.first(), "/d/5.tvl");
  EXPECT_EQ(files[1], "/d/12.tvl");
  EXPECT_EQ(files.count("/d/5.tvl"), 1);
  StoreRecentFiles(WithoutChecked(files, {false, true}));
  files = LoadRecentFiles();
  EXPECT_EQ(files.size(), kRecentFileCount - 1);
  EXPECT_EQ(files[1], "/d/11.tvl");
  StoreRecentFiles({});
  EXPECT_TRUE(LoadRecentFiles().isEmpty());
}

TEST(RecentFilesTest, FolderIsThePathUpToItsLastSeparator) {
  EXPECT_EQ(RecentFileFolder("/home/u/talk.tvl"), "/home/u");
  EXPECT_EQ(RecentFileFolder("C:\\docs\\talk.tvl"), "C:\\docs");
  EXPECT_EQ(RecentFileFolder("/talk.tvl"), "/");
  EXPECT_EQ(RecentFileFolder("talk.tvl"), "");
}
