#include "app/MiradoDoc.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "AppFixtures.h"
#include "MessageRecorder.h"
#include "base/Settings.h"
#include "core/container/Container.h"
#include "core/container/WorkFolder.h"

namespace {

using appfixtures::ReadAll;
using appfixtures::SaveSample;

class MiradoDocTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }
  QString Path(const QString& name) const { return dir.filePath(name); }
  // Files other than our own folders left in the work folder.
  QStringList WorkFolderFiles() const {
    return QDir(*GetWorkFolder()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
  }

  QTemporaryDir dir;
  Document doc;
  CMiradoDoc file{doc};
  MessageRecorder messages;
};

TEST_F(MiradoDocTest, SavesAndOpensADocumentLeavingNoWorkFiles) {
  ASSERT_TRUE(SaveSample(Path("talk.tvl")));
  ASSERT_TRUE(file.OpenDocument(Path("talk.tvl"), nullptr));
  EXPECT_EQ(doc.ObjCount(), 3);
  EXPECT_EQ(doc.Header().SlideCount, 2);
  EXPECT_EQ(doc.PictureOf(2)->Save().size(), 1000);
  EXPECT_EQ(file.PathName(), Path("talk.tvl"));
  EXPECT_EQ(file.Title(), "talk.tvl");
  EXPECT_FALSE(file.IsModified());
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_TRUE(WorkFolderFiles().isEmpty()) << WorkFolderFiles().join(",").toStdString();
}

TEST_F(MiradoDocTest, RefusedFilesLeaveTheOpenDocumentAndSayWhy) {
  ASSERT_TRUE(SaveSample(Path("talk.tvl")));
  QFile::copy(Path("talk.tvl"), Path("talk.cab"));
  QFile::copy(Path("talk.tvl"), Path("LOUD.TVL"));
  QDir(dir.path()).mkdir("folder.tvl");
  QFile junk(Path("junk.tvl"));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("not a cabinet at all");
  junk.close();

  struct Case { QString name; int id; QString prefix; };
  const Case cases[] = {
      {"talk.cab", 30070, Path("talk.cab") + "\n"},
      {"missing.tvl", 30077, ""},
      {"folder.tvl", 30066, ""},
      {"junk.tvl", 30036, "[File Copy]\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name.toStdString());
    ASSERT_TRUE(file.OpenDocument(Path("LOUD.TVL"), nullptr));  // capitals open
    ASSERT_EQ(doc.ObjCount(), 3);
    file.SetModifiedFlag();
    messages.messages.clear();
    EXPECT_FALSE(file.OpenDocument(Path(c.name), nullptr));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].id, c.id);
    EXPECT_EQ(messages.messages[0].prefix, c.prefix);
    EXPECT_EQ(doc.ObjCount(), 3);  // the open document stays as it was
    EXPECT_EQ(doc.Pictures().Count(), 1u);
    EXPECT_EQ(file.PathName(), Path("LOUD.TVL"));
    EXPECT_TRUE(file.IsModified());
    EXPECT_EQ(doc.Header().SlideCount, 2);
  }
}

// Packs raw data-file bytes into `path` as a .tvl cabinet.
bool PackBytes(const QByteArray& data, const QString& path) {
  const QString dataPath = path + ".data";
  QFile f(dataPath);
  if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size()) return false;
  f.close();
  const bool ok = Pack(dataPath, path, false).has_value();
  QFile::remove(dataPath);
  return ok;
}

TEST_F(MiradoDocTest, TooManyObjectsInAValidCabinetLeaveTheOpenDocument) {
  QByteArray data = fixtures::FileBytes(doc);
  constexpr int kCountAt = sizeof(DocHeader) + 10;
  const char count[4] = {0, 0, 0x27, 0x11};  // 10,001, big-endian
  data.replace(kCountAt, 4, count, 4);
  const ObjectRecord r = fixtures::Figure(objkind::Line);
  for (int i = 0; i < kMaxObjects + 1; ++i)
    data.append(reinterpret_cast<const char*>(&r), sizeof r);
  ASSERT_TRUE(PackBytes(data, Path("big.tvl")));
  ASSERT_TRUE(SaveSample(Path("talk.tvl")));
  ASSERT_TRUE(file.OpenDocument(Path("talk.tvl"), nullptr));

  EXPECT_FALSE(file.OpenDocument(Path("big.tvl"), nullptr));
  EXPECT_EQ(messages.Ids(), std::vector<int>{30043});
  EXPECT_EQ(messages.messages[0].prefix, "10001 > 10000\n");
  EXPECT_EQ(doc.ObjCount(), 3);
  EXPECT_EQ(doc.Pictures().Count(), 1u);
  EXPECT_EQ(file.PathName(), Path("talk.tvl"));
  EXPECT_TRUE(WorkFolderFiles().isEmpty());
}

TEST_F(MiradoDocTest, AVersionOneFileIsSavedAsVersionTwo) {
  QByteArray data = fixtures::FileBytes(doc);
  data.replace(0, 10, "TVL001    ");
  ASSERT_TRUE(PackBytes(data, Path("old.tvl")));
  ASSERT_TRUE(file.OpenDocument(Path("old.tvl"), nullptr));
  ASSERT_TRUE(file.SaveDocument(Path("new.tvl"), nullptr));
  const Result<UnpackedCabinet> saved = Unpack(Path("new.tvl"));
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(ReadAll(saved->DataFilePath()).left(10), QByteArray("TVL002    "));
}

TEST_F(MiradoDocTest, OpeningNormalisesKeyColoursSelectionAndStrayPictures) {
  constexpr COLORREF key = 0x00FFF7FF;
  {
    Document src;
    src.Header().refBack = key;
    ObjectRecord r = fixtures::Figure(objkind::Polygon);
    r.refMen = key;
    r.refText = key;  // text colour is kept as stored
    r.Ends[1].refEnd = key;
    src.AddObject(r);
    ASSERT_TRUE(CMiradoDoc(src).SaveDocument(Path("key.tvl"), nullptr));
  }
  ASSERT_TRUE(file.OpenDocument(Path("key.tvl"), nullptr));
  EXPECT_EQ(doc.Header().refBack, kNoColor);
  EXPECT_EQ(doc.Object(0).refMen, kNoColor);
  EXPECT_EQ(doc.Object(0).Ends[1].refEnd, kNoColor);
  EXPECT_EQ(doc.Object(0).refText, key);
  EXPECT_EQ(doc.View(0).Selected, 0);
}

TEST_F(MiradoDocTest, SavingOverAFileKeepsABackupWhenAsked) {
  ASSERT_TRUE(SaveSample(Path("talk.tvl")));
  const QByteArray first = ReadAll(Path("talk.tvl"));
  ASSERT_TRUE(file.OpenDocument(Path("talk.tvl"), nullptr));
  doc.RemoveObject(0);
  file.SetModifiedFlag();

  WriteInt(sys::MakeBackup, 0);
  ASSERT_TRUE(file.SaveDocument(Path("talk.tvl"), nullptr));
  EXPECT_FALSE(QFile::exists(Path("talk(back).TVL")));
  const QByteArray second = ReadAll(Path("talk.tvl"));

  WriteInt(sys::MakeBackup, 1);
  ASSERT_TRUE(file.SaveDocument(Path("talk.tvl"), nullptr));
  EXPECT_EQ(ReadAll(Path("talk(back).TVL")), second);
  EXPECT_NE(first, second);
  EXPECT_FALSE(file.IsModified());
  EXPECT_EQ(GetText("Last", "FilePath", ""), Path("talk.tvl"));
  EXPECT_TRUE(WorkFolderFiles().isEmpty());
}

TEST_F(MiradoDocTest, AFailedSaveKeepsTheDocumentModified) {
  file.SetModifiedFlag();
  // The target folder is a file, so nothing can be written there.
  QFile blocker(Path("blocker"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  EXPECT_FALSE(file.SaveDocument(Path("blocker/talk.tvl"), nullptr));
  EXPECT_EQ(messages.Ids(), std::vector<int>{30035});
  EXPECT_TRUE(file.IsModified());
  EXPECT_TRUE(file.PathName().isEmpty());
}

}  // namespace
