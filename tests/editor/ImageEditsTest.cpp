#include "editor/ImageEdits.h"

#include <gtest/gtest.h>

#include "ImageBytes.h"
#include "core/Document.h"
#include "core/picture/Picture.h"
#include "render/gdi/Color.h"
#include "tests/core/DocFixtures.h"

namespace {

std::shared_ptr<const Picture> Solid(int w, int h, QRgb colour) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(colour);
  return Picture::Wrap(image);
}

// An image on slide 0 framed by (x, y, w, h).
int AddFramed(Document& doc, QRect frame, bool selected = true) {
  ObjectRecord r = fixtures::Image(doc.Pictures().Add(Solid(4, 4, qRgb(1, 2, 3))));
  r.Points[0] = {frame.left(), frame.top()};
  r.Points[1] = {frame.left() + frame.width(), frame.top()};
  r.Points[2] = {frame.left() + frame.width(), frame.top() + frame.height()};
  r.Points[3] = {frame.left(), frame.top() + frame.height()};
  r.CenterX = frame.center().x();
  r.CenterY = frame.center().y();
  r.TransOn = 1;
  r.refTrans = 0x123456;
  r.ImageKind = 2;
  const int i = *doc.AddObject(r);
  doc.View(i).Selected = selected ? 1 : 0;
  return i;
}

TEST(ImageEdits, DropTargetIsTheTopmostImageUnderThePoint) {
  Document doc;
  AddFramed(doc, QRect(0, 0, 100, 100));
  const int upper = AddFramed(doc, QRect(50, 50, 100, 100));
  EXPECT_EQ(ImageAt(doc, 0, QPoint(60, 60), 1.0f), upper);
  EXPECT_EQ(ImageAt(doc, 0, QPoint(10, 10), 1.0f), 0);
  EXPECT_EQ(ImageAt(doc, 0, QPoint(300, 300), 1.0f), -1);
  EXPECT_EQ(ImageAt(doc, 0, QPoint(20, 20), 2.0f), 0);  // view pixels at zoom 2
  EXPECT_EQ(ImageAt(doc, 1, QPoint(60, 60), 1.0f), -1);
}

TEST(ImageEdits, NewPictureComesInBeforeTheOldGoes) {
  Document doc;
  const int i = AddFramed(doc, QRect(0, 0, 10, 10));
  const PictureHandle old = doc.Object(i).Picture;
  doc.Pictures().AddRef(old);  // another record shares it
  const auto next = Solid(8, 6, qRgb(9, 9, 9));
  ASSERT_TRUE(SetImagePicture(doc, i, next, kNoColor));
  EXPECT_EQ(doc.PictureOf(i), next.get());
  EXPECT_EQ(doc.Pictures().RefCount(old), 1);
  EXPECT_EQ(doc.Object(i).ImageKind, 0);
  EXPECT_EQ(doc.Object(i).refTrans, kNoColor);
  EXPECT_EQ(doc.Object(i).TransOn, 1);  // left as it was
  ASSERT_TRUE(SetImagePicture(doc, i, Solid(2, 2, 0), gdi::Rgb(0, 0, 255)));
  EXPECT_EQ(doc.Object(i).ImageKind, 1);

  const ObjectRecord before = doc.Object(i);
  const Picture* shown = doc.PictureOf(i);
  EXPECT_FALSE(SetImagePicture(doc, i, nullptr, kNoColor));
  EXPECT_EQ(doc.PictureOf(i), shown);
  EXPECT_EQ(doc.Object(i).Picture, before.Picture);
}

TEST(ImageEdits, TransparencyOffTouchesSelectedImagesOfTheSlideOnly) {
  Document doc;
  const int chosen = AddFramed(doc, QRect(0, 0, 10, 10));
  const int other = AddFramed(doc, QRect(0, 0, 10, 10), false);
  EXPECT_TRUE(TransparencyOff(doc, 0));
  EXPECT_EQ(doc.Object(chosen).TransOn, 0);
  EXPECT_EQ(doc.Object(chosen).refTrans, 0x123456);
  EXPECT_EQ(doc.Object(chosen).ImageKind, 2);
  EXPECT_EQ(doc.Object(other).TransOn, 1);
  EXPECT_FALSE(TransparencyOff(doc, 0));
}

TEST(ImageEdits, DropPlans) {
  const auto folder = [](const QString& p) { return p.endsWith("/dir.png"); };
  struct Case {
    const char* name;
    QStringList paths;
    bool onImage;
    QStringList inserts, refused;
    QString replacement;
  };
  const Case cases[] = {
      {"two images on empty space", {"a.JPG", "b.png"}, false, {"a.JPG", "b.png"}, {}, ""},
      {"text files only", {"a.txt", "b"}, false, {}, {"a.txt", "b"}, ""},
      {"folder skipped", {"x/dir.png", "c.tif"}, false, {"c.tif"}, {}, ""},
      {"on an image the first image wins", {"a.gif", "b.bmp"}, true, {}, {}, "a.gif"},
      {"on an image after a text file", {"a.txt", "b.bmp", "c.gif"}, true, {}, {"a.txt"}, "b.bmp"},
      {"on an image without images", {"a.txt"}, true, {}, {"a.txt"}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const DropPlan plan = PlanDrop(c.paths, c.onImage, folder);
    EXPECT_EQ(plan.inserts, c.inserts);
    EXPECT_EQ(plan.refused, c.refused);
    EXPECT_EQ(plan.replacement, c.replacement);
  }
}

TEST(ImageEdits, ColourCountSnapAndKind) {
  QImage image(3, 2, QImage::Format_RGB32);
  image.fill(qRgb(10, 10, 10));
  image.setPixel(1, 0, qRgb(100, 0, 0));
  image.setPixel(2, 1, qRgb(0, 100, 0));
  EXPECT_EQ(CountColours(image), 3);
  EXPECT_EQ(CountColours(support::PatternImage(64, 64), 256), 256);
  EXPECT_EQ(SnapColour(image, gdi::Rgb(0, 100, 0)), gdi::Rgb(0, 100, 0));
  EXPECT_EQ(SnapColour(image, gdi::Rgb(90, 5, 0)), gdi::Rgb(100, 0, 0));
  // (55, 5, 5) is 55 from both (10, 10, 10) and (100, 0, 0): the first in reading order wins.
  EXPECT_EQ(SnapColour(image, gdi::Rgb(55, 5, 5)), gdi::Rgb(10, 10, 10));

  EXPECT_EQ(PickedKind(12, QSize(400, 400)), 2);
  EXPECT_EQ(PickedKind(256, QSize(100, 100)), 1);
  EXPECT_EQ(PickedKind(256, QSize(400, 390)), 1);
  EXPECT_EQ(PickedKind(256, QSize(400, 400)), std::nullopt);
  EXPECT_EQ(CountColours(DrawnOnWhite(*Solid(5, 4, qRgb(7, 8, 9)), 96)), 1);
}

}  // namespace
