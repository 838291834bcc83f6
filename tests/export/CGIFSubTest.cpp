#include "export/CGIFSub.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <set>

#include "tests/core/DocFixtures.h"
#include "ImageBytes.h"
#include "core/Document.h"
#include "core/picture/Picture.h"
#include "export/ColorQuantizer.h"
#include "export/GifWriter.h"
#include "render/gdi/Color.h"

namespace {

QImage Decode(const QByteArray& bytes) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  return QImageReader(&buffer, "gif").read();
}

// A 3 x 1 GIF of red, green and blue written by our own writer.
QByteArray ThreeColourGif() {
  IndexedImage image{3, 1, {0, 1, 2}, {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)}};
  return *WriteGif(image);
}

// A GIF89a whose only colour table belongs to its image: screen, control
// block, image descriptor with a 4-entry table, image data of one pixel.
QByteArray LocalTableGif() {
  return QByteArray::fromHex(
      "474946383961" "01000100" "000000"  // signature, 1 x 1, no global table
      "21F90400000000" "00"                // graphic control block
      "2C000000000100010081"               // descriptor: local table of 4 entries
      "000000" "FFFFFF" "FF0000" "00FF00"  // black, white, red, green
      "0202" "4401" "00" "3B");            // image data, trailer
}

TEST(CGIFSub, MakesTheNearestGlobalEntryTransparent) {
  QByteArray gif = ThreeColourGif();
  ASSERT_EQ(static_cast<unsigned char>(gif[10]) & 0x87, 0x81);  // global table of 4 entries
  ASSERT_TRUE(CGIFSub::MakeTransparent(gif, gdi::Rgb(10, 240, 20)));  // nearest: green
  const qsizetype control = 13 + 3 * 4;
  EXPECT_EQ(gif.mid(control, 3), QByteArray::fromHex("21F904"));
  EXPECT_EQ(gif[control + 3] & 1, 1);
  EXPECT_EQ(gif[control + 6], 1);
  const QImage decoded = Decode(gif);
  EXPECT_EQ(qAlpha(decoded.pixel(0, 0)), 255);
  EXPECT_EQ(qAlpha(decoded.pixel(1, 0)), 0);
  EXPECT_EQ(qAlpha(decoded.pixel(2, 0)), 255);
}

TEST(CGIFSub, TiesGoToTheFirstEntry) {
  QByteArray gif = ThreeColourGif();
  // (128, 128, 0) is 255 away from both red and green.
  ASSERT_TRUE(CGIFSub::MakeTransparent(gif, gdi::Rgb(128, 128, 0)));
  EXPECT_EQ(gif[13 + 12 + 6], 0);
}

TEST(CGIFSub, PatchesALocalTableAtOffsets16And19) {
  QByteArray gif = LocalTableGif();
  const QByteArray before = gif;
  ASSERT_TRUE(CGIFSub::MakeTransparent(gif, gdi::Rgb(250, 5, 5)));  // red, entry 2
  EXPECT_EQ(gif[16], 1);
  EXPECT_EQ(gif[19], 2);
  gif[16] = before[16];
  gif[19] = before[19];
  EXPECT_EQ(gif, before);  // nothing else touched
}

TEST(CGIFSub, LeavesAGifWithoutItsControlBlockAlone) {
  struct Case {
    const char* name;
    QByteArray gif;
  } cases[] = {
      // a global table of 2 entries followed directly by the image
      {"no control block", QByteArray::fromHex("474946383761" "01000100" "800000" "000000FFFFFF"
                                               "2C00000000010001000002024401003B")},
      {"local table without control block",
       QByteArray::fromHex("474946383961" "01000100" "000000" "2C000000000100010081" "000000FFFFFFFF000000FF00"
                           "02024401003B")},
      {"no table at all", QByteArray::fromHex("474946383961" "01000100" "000000" "21F90400000000" "00"
                                              "2C000000000100010000" "02024401003B")},
      {"table past the end", QByteArray::fromHex("474946383961" "01000100" "870000" "000000")},
      {"control block cut short", ThreeColourGif().left(13 + 12 + 5)},
      {"not a GIF", QByteArray("BM") + QByteArray(40, '\0')},
      {"empty", QByteArray()},
  };
  for (Case& c : cases) {
    const QByteArray before = c.gif;
    EXPECT_FALSE(CGIFSub::MakeTransparent(c.gif, 0xFFFFFF)) << c.name;
    EXPECT_EQ(c.gif, before) << c.name;
  }
}

// A picture of many colours: a gradient with a pure white band meant to be transparent.
std::shared_ptr<const Picture> RichPicture() {
  QImage image = support::PatternImage(64, 48, 3);
  QPainter(&image).fillRect(0, 20, 64, 4, Qt::white);
  return Picture::Load(support::EncodeImage(image, "bmp"));
}

TEST(CGIFSub, ReductionKeepsTheTransparentColourExactly) {
  const std::shared_ptr<const Picture> original = RichPicture();
  ASSERT_TRUE(original);
  const Result<ReducedPicture> reduced = CGIFSub::ReduceColors(*original, 0xFFFFFF, 96);
  ASSERT_TRUE(reduced);
  EXPECT_EQ(reduced->picture->Encoding(), PictureEncoding::Gif);
  EXPECT_EQ(reduced->picture->NaturalSize(), original->NaturalSize());
  EXPECT_EQ(reduced->transColor, 0xFFFFFF);
  const QImage pixels = reduced->picture->Image().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(pixels.pixel(10, 21), qRgb(255, 255, 255));
  std::set<QRgb> distinct;
  for (int y = 0; y < pixels.height(); ++y)
    for (int x = 0; x < pixels.width(); ++x) distinct.insert(pixels.pixel(x, y));
  EXPECT_GT(distinct.size(), 200u);
  EXPECT_LE(distinct.size(), 256u);
}

TEST(CGIFSub, ATransparentColourThePictureLacksBecomesTheNearestListedOne) {
  QImage image(4, 1, QImage::Format_RGB32);
  const QRgb colours[] = {qRgb(0, 0, 0), qRgb(200, 10, 10), qRgb(10, 10, 200), qRgb(200, 10, 10)};
  for (int x = 0; x < 4; ++x) image.setPixel(x, 0, colours[x]);
  const std::shared_ptr<const Picture> picture = Picture::Wrap(image);
  const Result<ReducedPicture> reduced = CGIFSub::ReduceColors(*picture, gdi::Rgb(190, 30, 30), 96);
  ASSERT_TRUE(reduced);
  EXPECT_EQ(reduced->transColor, gdi::Rgb(200, 10, 10));
  EXPECT_EQ(CGIFSub::ReduceColors(*picture, kNoColor, 96)->transColor, kNoColor);
}

TEST(CGIFSub, TheObjectGetsItsNewPictureOnlyWhenItLoaded) {
  Document doc;
  const int good = fixtures::AddImage(doc, support::EncodeImage(support::PatternImage(40, 30), "bmp"));
  doc.Object(good).TransOn = 1;
  doc.Object(good).refTrans = gdi::Rgb(1, 2, 3);
  const PictureHandle before = doc.Object(good).Picture;
  EXPECT_TRUE(CGIFSub::ReduceObjectColors(doc, good));
  EXPECT_NE(doc.Object(good).Picture, before);
  EXPECT_EQ(doc.PictureOf(good)->Encoding(), PictureEncoding::Gif);
  EXPECT_EQ(doc.Pictures().Count(), 1u);  // the old picture was released

  // Wider than a GIF can be: the reduction fails and nothing changes.
  const PictureHandle wide = doc.Pictures().Add(Picture::Wrap(QImage(70000, 1, QImage::Format_RGB32)));
  const int failing = *doc.AddObject(fixtures::Image(wide));
  doc.Object(failing).TransOn = 1;
  doc.Object(failing).refTrans = gdi::Rgb(1, 2, 3);
  const Result<void> failed = CGIFSub::ReduceObjectColors(doc, failing);
  ASSERT_FALSE(failed);
  EXPECT_EQ(failed.error().id, 30001);
  EXPECT_EQ(doc.Object(failing).Picture, wide);
  EXPECT_NE(doc.PictureOf(failing), nullptr);
  EXPECT_EQ(doc.Object(failing).refTrans, gdi::Rgb(1, 2, 3));
}

}  // namespace
