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

  ASSERT_FALSE(ExportSlideImages(doc, folder, 1.5f, ImageFormat::Png));
  EXPECT_EQ(exportfixtures::Entries(folder), (QStringList{"Slide01.png", "Slide02.png", "Slide03.png"}));
  QImageReader second(folder + "/Slide02.png");
  EXPECT_EQ(second.format(), "png");
  EXPECT_EQ(second.size(), QSize(300, 225));
  EXPECT_EQ(second.read().pixel(40 + 6, 45), qRgb(8, 195, 90));  // slide 2's box at zoom 1.5
}

TEST(SlideImages, AFolderThatCannotBeMadeIsReported) {
  Document doc;
  exportfixtures::Slides(doc, 2);
  QTemporaryDir dir;
  QFile file(dir.filePath("taken"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  const Status failed = ExportSlideImages(doc, dir.filePath("taken"), 1.0f, ImageFormat::Jpeg);
  ASSERT_TRUE(failed);
  EXPECT_EQ(failed->id, 30057);
  EXPECT_EQ(exportfixtures::Entries(dir.path()), QStringList{"taken"});
}

TEST(SlideImages, OneSlideGoesToTheFileNamed) {
  Document doc;
  exportfixtures::Slides(doc, 2);
  QTemporaryDir dir;
  ASSERT_FALSE(ExportSlideImage(doc, 1, 1.0f, ImageFormat::Bmp, dir.filePath("one.bmp")));
  QImageReader reader(dir.filePath("one.bmp"));
  EXPECT_EQ(reader.format(), "bmp");
  EXPECT_EQ(reader.read().pixel(20, 30), qRgb(8, 195, 90));
}

}  // namespace
