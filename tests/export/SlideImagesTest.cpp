#include "export/SlideImages.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include "ExportFixtures.h"

namespace {

TEST(SlideImages, FillsAFolderThatAlreadyExists) {
  Document doc;
  exportfixtures::Slides(doc, 3);
  QTemporaryDir dir;
  const QString folder = dir.filePath("talk");
  ASSERT_TRUE(QDir().mkpath(folder));
  QFile stale(folder + "/Slide02.png");
  ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
  stale.write("stale");
  stale.close();

  ASSERT_TRUE(ExportSlideImages(doc, folder, 1.5f, ImageFormat::Png));
  EXPECT_EQ(exportfixtures::Entries(folder), (QStringList{"Slide01.png", "Slide02.png", "Slide03.png"}));
  QImageReader second(folder + "/Slide02.png");
  EXPECT_EQ(second.format(), "png");
  EXPECT_EQ(second.size(), QSize(300, 225));
  EXPECT_EQ(second.read().pixel(40 + 6, 45), qRgb(8, 195, 90));  // slide 2's box at zoom 1.5
}

TEST(SlideImages, EveryCoreWritesWhatOneWould) {
  Document doc;
  exportfixtures::Slides(doc, 6);
  QTemporaryDir dir;
  ASSERT_TRUE(ExportSlideImages(doc, dir.filePath("one"), 1.0f, ImageFormat::Gif, {}, 1));
  ASSERT_TRUE(ExportSlideImages(doc, dir.filePath("three"), 1.0f, ImageFormat::Gif, {}, 3));
  for (int k = 0; k < 6; ++k) {
    QFile one(dir.filePath("one/") + SlideImageName(k, ImageFormat::Gif));
    QFile three(dir.filePath("three/") + SlideImageName(k, ImageFormat::Gif));
    ASSERT_TRUE(one.open(QIODevice::ReadOnly) && three.open(QIODevice::ReadOnly));
    EXPECT_EQ(one.readAll(), three.readAll()) << k;
  }
}

TEST(SlideImages, AFolderThatCannotBeMadeIsReported) {
  Document doc;
  exportfixtures::Slides(doc, 2);
  QTemporaryDir dir;
  QFile file(dir.filePath("taken"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  const Result<void> failed = ExportSlideImages(doc, dir.filePath("taken"), 1.0f, ImageFormat::Jpeg);
  ASSERT_FALSE(failed);
  EXPECT_EQ(failed.error().id, 30057);
  EXPECT_EQ(exportfixtures::Entries(dir.path()), QStringList{"taken"});
}

TEST(SlideImages, OneSlideGoesToTheFileNamed) {
  Document doc;
  exportfixtures::Slides(doc, 2);
  QTemporaryDir dir;
  ASSERT_TRUE(ExportSlideImage(doc, 1, 1.0f, ImageFormat::Bmp, dir.filePath("one.bmp")));
  QImageReader reader(dir.filePath("one.bmp"));
  EXPECT_EQ(reader.format(), "bmp");
  EXPECT_EQ(reader.read().pixel(20, 30), qRgb(8, 195, 90));
}

}  // namespace
