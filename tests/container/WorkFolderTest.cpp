#include "core/container/WorkFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>

#include "ContainerTestUtil.h"
#include "MessageRecorder.h"

namespace {

mode_t ModeOf(const QString& path) {
  struct stat st {};
  return lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

class WorkFolderTest : public ::testing::Test {
 protected:
  QString Expected() const { return root.Path() + "/Tessaly-" + QString::number(geteuid()); }

  ScopedTempRoot root;
  MessageRecorder recorder;
};

TEST_F(WorkFolderTest, IsCreatedPrivateUnderTheTemporaryFolder) {
  const mode_t old = umask(0);  // a loose umask must not loosen the folder
  const QString folder = WorkFolderShown();
  umask(old);
  EXPECT_EQ(folder, Expected());
  EXPECT_EQ(ModeOf(folder), 0700u);
  EXPECT_EQ(WorkFolderShown(), folder);  // an existing folder is fine

  EXPECT_EQ(WorkFolderShown("undo/a"), folder + "/undo/a");
  EXPECT_TRUE(QFileInfo(folder + "/undo/a").isDir());
  EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(WorkFolderTest, RefusesSubfoldersOutsideIt) {
  for (const char* sub : {"../x", "/tmp/x", "a/../../x"}) {
    recorder.messages.clear();
    EXPECT_TRUE(WorkFolderShown(sub).isEmpty()) << sub;
    EXPECT_EQ(recorder.Ids(), std::vector<int>{30002}) << sub;
  }
  EXPECT_FALSE(QFileInfo::exists(root.File("x")));
}

// Someone else could have placed or changed files in any of these.
TEST_F(WorkFolderTest, RefusesAFolderThatIsNotPrivatelyOurs) {
  const QString path = Expected();
  const QString elsewhere = root.File("elsewhere");
  QDir().mkpath(elsewhere);
  chmod(QFile::encodeName(elsewhere).constData(), 0700);

  struct Case {
    const char* what;
    std::function<bool()> make;
  };
  const Case cases[] = {
      {"a plain file", [&] { return WriteBytes(path, "x"); }},
      {"a link to a private folder", [&] { return QFile::link(elsewhere, path); }},
      {"mode 0777", [&] { return QDir().mkdir(path) && chmod(QFile::encodeName(path), 0777) == 0; }},
      {"mode 0750", [&] { return QDir().mkdir(path) && chmod(QFile::encodeName(path), 0750) == 0; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    recorder.messages.clear();
    ASSERT_TRUE(c.make());
    EXPECT_TRUE(WorkFolderShown().isEmpty());
    EXPECT_EQ(recorder.Ids(), std::vector<int>{30002});
    EXPECT_FALSE(Shown(WorkFile::Create()));
    if (QFileInfo(path).isDir() && !QFileInfo(path).isSymLink()) QDir(path).removeRecursively();
    else QFile::remove(path);
  }
  // Owned by another user: only root can arrange that.
  ASSERT_TRUE(QDir().mkdir(path));
  chmod(QFile::encodeName(path), 0700);
  if (chown(QFile::encodeName(path), 65534, 65534) != 0) GTEST_SKIP() << "cannot chown as this user";
  recorder.messages.clear();
  EXPECT_TRUE(WorkFolderShown().isEmpty());
  EXPECT_EQ(recorder.Ids(), std::vector<int>{30002});
}

TEST_F(WorkFolderTest, WorkFilesAreUniqueAndGoWithTheirOwner) {
  QString kept;
  {
    Result<WorkFile> a = WorkFile::Create();
    Result<WorkFile> b = WorkFile::Create();
    ASSERT_TRUE(a && b);
    EXPECT_NE(a->Path(), b->Path());
    EXPECT_TRUE(QFileInfo(a->Path()).fileName().startsWith(OwnWorkFilePrefix()));
    EXPECT_EQ(QFileInfo(a->Path()).path(), WorkFolderShown());
    EXPECT_EQ(ModeOf(a->Path()), 0600u);
    std::optional<WorkFile> moved = std::move(*a);
    kept = moved->Path();
    EXPECT_TRUE(QFileInfo::exists(kept));
  }
  EXPECT_FALSE(QFileInfo::exists(kept));
  EXPECT_TRUE(Entries(WorkFolderShown()).isEmpty());
}

// More than a hundred snapshots: every one of ours goes, nothing of others.
TEST_F(WorkFolderTest, CleanupDeletesOnlyThisProcesssFiles) {
  const QString folder = WorkFolderShown();
  const QString own = OwnWorkFilePrefix();
  for (int i = 0; i < 150; ++i) WriteBytes(folder + '/' + own + QString::number(i), "u");
  QDir(folder).mkpath(own + "dir/sub");
  WriteBytes(folder + '/' + own.toLower() + "lower", "u");
  const QString otherPid = "TVL" + QString::number(getpid() + 1) + "-abc";
  for (const QString& name : {otherPid, QString("TVL1-x"), QString("Copy.tmp"), QString("talk.tvl")}) {
    WriteBytes(folder + '/' + name, "keep");
  }
  EXPECT_EQ(DeleteOwnWorkFiles(), 152);
  QStringList kept{"Copy.tmp", otherPid, "TVL1-x", "talk.tvl"};
  kept.sort();
  EXPECT_EQ(Entries(folder), kept);
}

TEST_F(WorkFolderTest, ClipboardFileIsDeletedButNeverAFolder) {
  const QString path = ClipboardFilePath();
  EXPECT_EQ(path, Expected() + "/Copy.tmp");
  DeleteClipboardFile();  // absent: nothing to do
  WriteBytes(path, "slides");
  DeleteClipboardFile();
  EXPECT_FALSE(QFileInfo::exists(path));
  QDir().mkpath(path + "/inner");
  DeleteClipboardFile();
  EXPECT_TRUE(QFileInfo(path + "/inner").isDir());
}

}  // namespace
