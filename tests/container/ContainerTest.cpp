#include "core/container/Container.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>

#include "ContainerTestUtil.h"
#include "MessageRecorder.h"
#include "core/container/WorkFolder.h"

namespace {

TEST(HasTvlExtension, IgnoresCaseAndNeedsTheDot) {
  for (const char* yes : {"/a/talk.tvl", "/a/talk.TVL", "/a/talk.Tvl", "t.tvl"}) {
    EXPECT_TRUE(HasTvlExtension(yes)) << yes;
  }
  for (const char* no : {"/a/talk.cab", "/a/talktvl", "/a/talk.tvl.bak", "/a/talk", ""}) {
    EXPECT_FALSE(HasTvlExtension(no)) << no;
  }
}

TEST(BackupPath, ReplacesTheExtensionOfTheFileName) {
  EXPECT_EQ(BackupPath("/a/talk.tvl"), "/a/talk(back).TVL");
  EXPECT_EQ(BackupPath("/a/x.v2.TVL"), "/a/x.v2(back).TVL");
  EXPECT_EQ(BackupPath("/a.b/talk"), std::nullopt);
  EXPECT_EQ(BackupPath("/a/talk"), std::nullopt);
}

class ContainerTest : public ::testing::Test {
 protected:
  // A data file in the test folder with `size` bytes from `seed`.
  QString DataFile(qsizetype size, quint32 seed) {
    const QString path = root.File(QString("data%1.bin").arg(seed));
    data = MixedBytes(size, seed);
    EXPECT_TRUE(WriteBytes(path, data));
    return path;
  }
  QString Folder(const QString& name) {
    QDir(root.Path()).mkpath(name);
    return root.File(name);
  }
  QString WorkFolder() { return WorkFolderShown(); }

  ScopedTempRoot root;
  MessageRecorder recorder;
  QByteArray data;
};

TEST_F(ContainerTest, PackAndUnpackRoundTripAMegabyte) {
  const QString docs = Folder("docs");
  const QString tvl = docs + "/talk.tvl";
  ASSERT_TRUE(Pack(DataFile(1 << 20, 1), tvl, true));
  EXPECT_EQ(Entries(docs), QStringList{"talk.tvl"});  // no temporary file, no backup of nothing

  const ToolRun test = RunTool("cabextract", {"-t", tvl});
  EXPECT_EQ(test.exitCode, 0) << test.output.toStdString();
  EXPECT_TRUE(test.output.contains("talk.tvl")) << test.output.toStdString();

  QString folder;
  {
    Result<UnpackedCabinet> unpacked = Unpack(tvl);
    ASSERT_TRUE(unpacked.has_value());
    folder = unpacked->Folder();
    EXPECT_TRUE(folder.startsWith(WorkFolder() + '/' + OwnWorkFilePrefix()));
    EXPECT_EQ(QFileInfo(unpacked->DataFilePath()).fileName(), "talk.tvl");
    EXPECT_EQ(ReadBytes(unpacked->DataFilePath()), data);
  }
  EXPECT_FALSE(QFileInfo::exists(folder));  // the unpacked data file goes with its owner
  EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(ContainerTest, JapaneseFileNamesRoundTrip) {
  const QString tvl = Folder(QString::fromUtf8("資料")) + QString::fromUtf8("/発表.tvl");
  ASSERT_TRUE(Pack(DataFile(3000, 9), tvl, true));
  Result<UnpackedCabinet> unpacked = Unpack(tvl);
  ASSERT_TRUE(unpacked.has_value());
  EXPECT_EQ(QFileInfo(unpacked->DataFilePath()).fileName(), QString::fromUtf8("発表.tvl"));
  EXPECT_EQ(ReadBytes(unpacked->DataFilePath()), data);
}

// gcab stores "sub/first.bin" as "sub\first.bin"; the member stored last is the data file.
TEST_F(ContainerTest, UnpacksAToolCabinetWithASubfolder) {
  const QString src = Folder("src");
  QDir(src).mkpath("sub");
  WriteBytes(src + "/sub/first.bin", "first");
  WriteBytes(src + "/last.tvl", MixedBytes(70000, 4));
  const ToolRun made = RunTool("gcab", {"-c", "-z", "../in.TVL", "sub/first.bin", "last.tvl"}, src);
  ASSERT_EQ(made.exitCode, 0) << made.output.toStdString();

  Result<UnpackedCabinet> unpacked = Unpack(root.File("in.TVL"));
  ASSERT_TRUE(unpacked.has_value());
  EXPECT_EQ(unpacked->DataFilePath(), unpacked->Folder() + "/last.tvl");
  EXPECT_EQ(ReadBytes(unpacked->DataFilePath()), MixedBytes(70000, 4));
  EXPECT_EQ(ReadBytes(unpacked->Folder() + "/sub/first.bin"), "first");
}

// Member names are patched into a tool cabinet, keeping their length.
TEST_F(ContainerTest, RefusesMembersThatWouldLeaveTheWorkFolder) {
  const QString src = Folder("src");
  for (const QString hostile : {"../x", "/etc/x", "a/../../x", "..\\..\\x"}) {
    SCOPED_TRACE(hostile.toStdString());
    recorder.messages.clear();
    const QString placeholder(hostile.size(), 'Q');
    WriteBytes(src + "/good.bin", "good");
    WriteBytes(src + '/' + placeholder, "evil");
    ASSERT_EQ(RunTool("gcab", {"-c", "-z", "../h.tvl", "good.bin", placeholder}, src).exitCode, 0);
    QByteArray cab = ReadBytes(root.File("h.tvl"));
    ASSERT_EQ(cab.count(placeholder.toLatin1()), 1);
    cab.replace(placeholder.toLatin1(), hostile.toLatin1());
    WriteBytes(root.File("h.tvl"), cab);
    QFile::remove(src + '/' + placeholder);

    const QStringList before = Entries(WorkFolder());
    EXPECT_FALSE(Shown(Unpack(root.File("h.tvl"))));
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].id, 30036);
    EXPECT_EQ(recorder.messages[0].prefix, "[File Copy]\n");
    EXPECT_EQ(Entries(WorkFolder()), before);
    EXPECT_FALSE(QFileInfo::exists(root.File("x")));
    EXPECT_FALSE(QFileInfo::exists("/etc/x"));
  }
}

TEST_F(ContainerTest, RefusesDamagedCabinetsWithTheExtractionMessage) {
  const QString src = DataFile(200000, 2);
  ASSERT_TRUE(Pack(src, root.File("ok.tvl"), false));
  const QByteArray good = ReadBytes(root.File("ok.tvl"));
  QByteArray flipped = good;
  flipped[good.size() - 100] = static_cast<char>(flipped[good.size() - 100] ^ 0x55);
  QByteArray badSize = good;  // a member claims more bytes than its blocks hold
  badSize[44 + 2] = static_cast<char>(0x7F);

  const std::pair<const char*, QByteArray> cases[] = {
      {"empty", QByteArray()},
      {"garbage", MixedBytes(10000, 8)},
      {"header only", good.left(40)},
      {"half", good.left(good.size() / 2)},
      {"last byte missing", good.chopped(1)},
      {"flipped data byte", flipped},
      {"member beyond its data", badSize},
  };
  for (const auto& [what, bytes] : cases) {
    SCOPED_TRACE(what);
    recorder.messages.clear();
    WriteBytes(root.File("bad.tvl"), bytes);
    EXPECT_FALSE(Shown(Unpack(root.File("bad.tvl"))));
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].id, 30036);
    EXPECT_EQ(recorder.messages[0].prefix, "[File Copy]\n");
    EXPECT_TRUE(Entries(WorkFolder()).isEmpty());
  }
  recorder.messages.clear();
  EXPECT_FALSE(Shown(Unpack(root.File("missing.tvl"))));
  EXPECT_EQ(recorder.Ids(), std::vector<int>{30036});
}

TEST_F(ContainerTest, BackupKeepsThePreviousFileOnlyWhenAsked) {
  const QString docs = Folder("docs");
  const QString tvl = docs + "/talk.tvl";
  ASSERT_TRUE(Pack(DataFile(5000, 1), tvl, true));
  const QByteArray first = ReadBytes(tvl);
  ASSERT_TRUE(Pack(DataFile(5000, 2), tvl, false));
  EXPECT_EQ(Entries(docs), QStringList{"talk.tvl"});
  const QByteArray second = ReadBytes(tvl);

  WriteBytes(docs + "/talk(back).TVL", "an older backup");
  ASSERT_EQ(chmod(QFile::encodeName(tvl).constData(), 0640), 0);
  ASSERT_TRUE(Pack(DataFile(5000, 3), tvl, true));
  EXPECT_EQ(ReadBytes(docs + "/talk(back).TVL"), second);
  EXPECT_NE(first, second);
  EXPECT_EQ(Entries(docs), (QStringList{"talk(back).TVL", "talk.tvl"}));
  struct stat st {};
  ASSERT_EQ(stat(QFile::encodeName(tvl).constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);  // the user's mode survives the replacement
  Result<UnpackedCabinet> unpacked = Unpack(tvl);
  ASSERT_TRUE(unpacked.has_value());
  EXPECT_EQ(ReadBytes(unpacked->DataFilePath()), data);
  EXPECT_TRUE(recorder.messages.empty());
}

// Every failed save leaves the old document as it was and no stray file.
TEST_F(ContainerTest, FailedSavesKeepTheOldFile) {
  const QString docs = Folder("docs");
  const QString data = DataFile(5000, 1);
  WriteBytes(docs + "/plain", "old plain");
  WriteBytes(docs + "/talk.tvl", "old talk");
  WriteBytes(docs + "/busy.tvl", "old busy");
  QDir(docs).mkpath("busy(back).TVL");  // a folder where the backup should go
  WriteBytes(root.File("afile"), "not a folder");

  struct Case {
    const char* what;
    QString dataFile, target;
    bool backup;
    int message;
    MsgStyle style;
  };
  const Case cases[] = {
      {"existing file without an extension", data, docs + "/plain", true, 30091, MsgStyle::Error},
      {"backup path is a folder", data, docs + "/busy.tvl", true, 30091, MsgStyle::Error},
      {"data file missing", root.File("nothing.bin"), docs + "/talk.tvl", true, 30035,
       MsgStyle::Info},
      {"target folder is a file", data, root.File("afile") + "/talk.tvl", false, 30035,
       MsgStyle::Info},
      {"target folder missing", data, root.File("nowhere") + "/talk.tvl", false, 30035,
       MsgStyle::Info},
  };
  const QStringList before = Entries(docs);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    recorder.messages.clear();
    EXPECT_FALSE(Shown(Pack(c.dataFile, c.target, c.backup)));
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].id, c.message);
    EXPECT_EQ(recorder.messages[0].style, c.style);
    EXPECT_EQ(Entries(docs), before);
  }
  EXPECT_EQ(ReadBytes(docs + "/plain"), "old plain");
  EXPECT_EQ(ReadBytes(docs + "/talk.tvl"), "old talk");
  EXPECT_EQ(ReadBytes(docs + "/busy.tvl"), "old busy");
  EXPECT_EQ(ReadBytes(root.File("afile")), "not a folder");
}

TEST_F(ContainerTest, SavingIntoAReadOnlyFolderShowsTheAccessHint) {
  const QString docs = Folder("locked");
  WriteBytes(docs + "/talk.tvl", "old talk");
  const QString data = DataFile(5000, 1);
  ASSERT_EQ(chmod(QFile::encodeName(docs).constData(), 0555), 0);
  if (access(QFile::encodeName(docs).constData(), W_OK) == 0) {
    chmod(QFile::encodeName(docs).constData(), 0755);
    GTEST_SKIP() << "permission bits do not stop this user (root)";
  }
  const bool saved = Shown(Pack(data, docs + "/talk.tvl", false));
  chmod(QFile::encodeName(docs).constData(), 0755);
  EXPECT_FALSE(saved);
  EXPECT_EQ(recorder.Ids(), std::vector<int>{30035});
  EXPECT_EQ(ReadBytes(docs + "/talk.tvl"), "old talk");
  EXPECT_EQ(Entries(docs), QStringList{"talk.tvl"});
}

// A document reached through a link is updated where it lives.
TEST_F(ContainerTest, SavingThroughALinkKeepsTheLink) {
  const QString real = Folder("real");
  const QString docs = Folder("docs");
  WriteBytes(real + "/talk.tvl", "old");
  ASSERT_TRUE(QFile::link(real + "/talk.tvl", docs + "/talk.tvl"));
  ASSERT_TRUE(Pack(DataFile(3000, 6), docs + "/talk.tvl", true));
  EXPECT_TRUE(QFileInfo(docs + "/talk.tvl").isSymLink());
  EXPECT_EQ(ReadBytes(real + "/talk(back).TVL"), "old");
  EXPECT_EQ(Entries(real), (QStringList{"talk(back).TVL", "talk.tvl"}));
  Result<UnpackedCabinet> unpacked = Unpack(docs + "/talk.tvl");
  ASSERT_TRUE(unpacked.has_value());
  EXPECT_EQ(ReadBytes(unpacked->DataFilePath()), data);
}

}  // namespace
