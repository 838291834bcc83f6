#include "export/ShowPackageExport.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "ExportFixtures.h"
#include "base/MessageIds.h"
#include "core/Records.h"
#include "show/ShowSettings.h"
#include "show/package/PackageReader.h"

namespace {

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A pretend player beside a document of small slides with times and patterns.
class ShowPackageExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(WriteAll(Player(), "#!player bytes"));
    exportfixtures::Slides(doc, 5);
    for (int k = 0; k < 5; ++k) {
      doc.Header().SwitchTime[k] = static_cast<std::uint16_t>(10 * k + 1);
      doc.Header().Transition[k] = static_cast<std::uint16_t>(k == 3 ? TransitionWipeLeft : k);
    }
    doc.Header().AutoSwitch = 1;
    doc.Header().MenuMode = 4;
  }
  QString Player() const { return dir.filePath("Tavorun.dll"); }
  PackageRequest Request(const QString& name, int workers = 0) const { return {dir.filePath(name), Player(), workers}; }

  QTemporaryDir dir;
  Document doc;
};

TEST_F(ShowPackageExportTest, EveryCoreWritesTheBytesOfOne) {
  std::vector<int> steps;
  ASSERT_TRUE(ExportShowPackage(doc, Request("one.run", 1)));
  ASSERT_TRUE(ExportShowPackage(doc, Request("three.run", 3), [&](int done, int total) {
    EXPECT_EQ(total, 7);
    steps.push_back(done);
    return true;
  }));
  EXPECT_EQ(steps, (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
  const QByteArray one = ReadAll(dir.filePath("one.run"));
  EXPECT_EQ(one, ReadAll(dir.filePath("three.run")));

  const Result<ShowPackage> read = ReadShowPackage(one);
  ASSERT_TRUE(read);
  EXPECT_TRUE(one.startsWith("#!player bytes"));
  EXPECT_EQ(read->show.menuMode, 4u);
  EXPECT_TRUE(read->show.autoSwitch);
  ASSERT_EQ(read->slides.size(), 5u);
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(read->slides[k].time, 10 * k + 1);
    EXPECT_EQ(read->slides[k].pattern, k == 3 ? TransitionWipeLeft : k);
    EXPECT_EQ(QImage::fromData(read->slides[k].jpeg.toByteArray(), "JPEG").size(), QSize(200, 150));
  }
  for (const char* name : {"one.run", "three.run"}) {
    const QFileDevice::Permissions p = QFile::permissions(dir.filePath(name));
    EXPECT_TRUE((p & QFileDevice::ExeOwner) && (p & QFileDevice::ReadOwner)) << name;
  }
}

TEST_F(ShowPackageExportTest, AOneSlideShowHoldsItsJpegAndNothingElse) {
  exportfixtures::Slides(doc, 1);
  ASSERT_TRUE(ExportShowPackage(doc, Request("one.run")));
  const QByteArray bytes = ReadAll(dir.filePath("one.run"));
  const qsizetype P = 14;
  const std::uint32_t L = ReadBigEndian(bytes.constData() + P + 111 + 8);
  EXPECT_EQ(bytes.size(), P + 111 + 12 + L + 8);
  EXPECT_EQ(bytes.right(8).left(4).toHex(), "054627c0");
  EXPECT_EQ(ReadBigEndian(bytes.constData() + bytes.size() - 4), P);
}

// A failed or stopped write leaves the earlier package and no scratch file.
TEST_F(ShowPackageExportTest, FailuresLeaveAnEarlierPackageAsItWas) {
  ASSERT_TRUE(WriteAll(dir.filePath("talk.run"), "earlier"));
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
  const QString missing = dir.filePath("none/Tavorun.dll");
  const struct {
    const char* name;
    PackageRequest request;
    ExportProgress progress;
    Failure failure;
  } cases[] = {
      {"no player", {dir.filePath("talk.run"), missing}, {}, Failure(msg::FileMissingBesideProgram, "Tavorun.dll\n")},
      {"a player that is a folder", {dir.filePath("talk.run"), dir.filePath("folder")}, {},
       Failure(msg::FileMissingBesideProgram, "Tavorun.dll\n")},
      {"stopped halfway", Request("talk.run"), [](int done, int) { return done < 3; }, Failure()},
      {"stopped before the rename", Request("talk.run"), [](int done, int) { return done < 6; }, Failure()},
      {"a folder of that name", {dir.filePath("folder"), Player()}, {},
       Failure(msg::OpenFailed, dir.filePath("folder") + '\n')},
      {"a missing folder", {dir.filePath("none/talk.run"), Player()}, {},
       Failure(msg::OpenFailed, dir.filePath("none/talk.run") + '\n')},
  };
  for (const auto& c : cases) {
    const Result<void> written = ExportShowPackage(doc, c.request, c.progress);
    ASSERT_FALSE(written) << c.name;
    EXPECT_EQ(written.error(), c.failure) << c.name;
    EXPECT_EQ(ReadAll(dir.filePath("talk.run")), "earlier") << c.name;
    EXPECT_EQ(exportfixtures::Entries(dir.path()), (QStringList{"folder", "talk.run", "Tavorun.dll"})) << c.name;
  }
}

}  // namespace
