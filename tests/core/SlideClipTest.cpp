#include "core/SlideClip.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>

#include "base/MessageIds.h"
#include "tests/core/DocFixtures.h"

namespace {

using fixtures::Figure;

Document TwoSlides() {
  Document doc;
  doc.NewDocument(NewDocumentSettings{});
  doc.Header().SlideCount = 2;
  doc.Header().SwitchTime[1] = 42;
  doc.Header().Transition[1] = 12;
  (void)doc.AddObject(Figure(objkind::Polygon, 0));
  (void)doc.AddObject(Figure(objkind::Ellipse, 1));
  fixtures::AddImage(doc, fixtures::PaddedBmp(300), 1);
  return doc;
}

QByteArray ClipBytes(const Document& doc, int slide) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(WriteSlideClip(doc, slide, buffer));
  return bytes;
}

Result<SlideClip> ReadClip(const Document& like, const QByteArray& bytes) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  return ReadSlideClip(like, buffer);
}

TEST(SlideClip, ASlideCopiedAndPastedComesBackWithItsTimeTransitionAndPictures) {
  const Document source = TwoSlides();
  const QByteArray bytes = ClipBytes(source, 1);
  EXPECT_EQ(bytes.left(8), QByteArray("\0\0\0\x2a\0\0\0\x0c", 8));
  Result<SlideClip> clip = ReadClip(source, bytes);
  ASSERT_TRUE(clip);

  Document target = TwoSlides();
  ASSERT_TRUE(PasteSlide(target, *clip, 0));
  const DocHeader& h = target.Header();
  EXPECT_EQ(h.SlideCount, 3);
  EXPECT_EQ(h.CurSlide, 0);
  EXPECT_EQ(h.SwitchTime[0], 42);
  EXPECT_EQ(h.Transition[0], 12);
  EXPECT_EQ(h.SwitchTime[2], 42) << "the old slide 2 moved on";
  EXPECT_EQ(target.ObjectsOnSlide(0), 2);
  EXPECT_EQ(target.ObjectsOnSlide(2), 2);
  const int pasted = target.ObjCount() - 1;
  EXPECT_EQ(target.Object(pasted).ObjClass, objclass::Image);
  ASSERT_NE(target.PictureOf(pasted), nullptr);
  EXPECT_EQ(target.PictureOf(pasted)->Save(), fixtures::PaddedBmp(300));
  EXPECT_EQ(target.Object(pasted).ObjNo, 5) << "pasted objects get serial numbers of their own";
  EXPECT_EQ(target.View(pasted).Selected, 0);
}

TEST(SlideClip, AnEmptySlideIsNotCopied) {
  Document doc = TwoSlides();
  doc.Header().SlideCount = 3;
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  const Result<void> written = WriteSlideClip(doc, 2, buffer);
  ASSERT_FALSE(written);
  EXPECT_EQ(written.error().id, msg::EmptySlideNoCopy);
}

TEST(SlideClip, PasteBeyondTheLimitsIsRefusedBeforeAnythingChanges) {
  const Document source = TwoSlides();
  Result<SlideClip> clip = ReadClip(source, ClipBytes(source, 1));
  ASSERT_TRUE(clip);

  Document full = TwoSlides();
  full.Header().SlideCount = kMaxSlides;
  QByteArray before = fixtures::FileBytes(full);
  Result<void> pasted = PasteSlide(full, *clip, 0);
  ASSERT_FALSE(pasted);
  EXPECT_EQ(pasted.error().id, msg::NoMoreCanBeAdded);
  EXPECT_EQ(fixtures::FileBytes(full), before);

  Document crowded = TwoSlides();
  crowded.SetObjectCount(kMaxObjects - 1);  // one place left, the clip holds two
  before = fixtures::FileBytes(crowded);
  pasted = PasteSlide(crowded, *clip, 1);
  ASSERT_FALSE(pasted);
  EXPECT_EQ(pasted.error().id, msg::TooManyObjects);
  EXPECT_EQ(fixtures::FileBytes(crowded), before);
}

TEST(SlideClip, DamagedOrForeignClipsAreRefusedAsBadData) {
  const Document source = TwoSlides();
  const QByteArray good = ClipBytes(source, 1);
  QByteArray badClass = good;
  badClass[12] = '\x77';  // the first record's class
  QByteArray tooMany = good;
  tooMany[11] = '\x09';
  QByteArray badSlide = good;
  badSlide[12 + 8] = '\x70';  // Slide 112
  const struct {
    const char* name;
    QByteArray bytes;
  } rows[] = {
      {"empty", QByteArray()},
      {"only the time", good.left(4)},
      {"cut inside a record", good.left(2000)},
      {"cut inside a picture", good.left(good.size() - 10)},
      {"trailing bytes", good + "x"},
      {"unknown class", badClass},
      {"more records than bytes", tooMany},
      {"slide beyond any document", badSlide},
      {"a data file", fixtures::FileBytes(source)},
  };
  for (const auto& row : rows) {
    const Result<SlideClip> clip = ReadClip(source, row.bytes);
    ASSERT_FALSE(clip) << row.name;
    EXPECT_EQ(clip.error().id, msg::BadData) << row.name;
  }
}

TEST(SlideClip, TheFileIsReplacedWholeAndAMissingOneCannotBeOpened) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Copy.tmp");
  const Document doc = TwoSlides();
  ASSERT_TRUE(CopySlideToFile(doc, 0, path));
  ASSERT_TRUE(CopySlideToFile(doc, 1, path));
  Result<SlideClip> clip = ReadSlideClipFile(doc, path);
  ASSERT_TRUE(clip);
  EXPECT_EQ(clip->objects.ObjCount(), 2);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Copy.tmp"});

  const Result<SlideClip> missing = ReadSlideClipFile(doc, dir.filePath("none.tmp"));
  ASSERT_FALSE(missing);
  EXPECT_EQ(missing.error().id, msg::OpenFailed);
}

}  // namespace
