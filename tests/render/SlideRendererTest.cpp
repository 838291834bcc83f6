#include "render/SlideRenderer.h"

#include <gtest/gtest.h>

#include <cstring>

#include "RenderFixtures.h"
#include "geometry/MathSub.h"
#include "geometry/Rotation.h"
#include "render/FigurePipeline.h"
#include "render/gdi/Dc.h"
#include "tests/geometry/OutlineFixtures.h"

namespace {

using renderfixtures::At;
using renderfixtures::Box;

class SlideRendererTest : public ::testing::Test {
 protected:
  void SetUp() override { renderfixtures::Reset(doc); }
  Document doc;
};

TEST_F(SlideRendererTest, BackgroundAtHalfZoomHasTheFrameOnItsOutermostPixels) {
  QImage target(600, 400, QImage::Format_RGB32);
  target.fill(qRgb(1, 2, 3));
  doc.Header().refBack = 0x00FFEFEC;
  gdi::Dc dc(target);
  EXPECT_TRUE(DrawSlide(dc, doc, RenderContext{0.5f, 0, 0x0000FF, nullptr}));
  // 1046 x 718 at 0.5: the rectangle (0,0)-(523,359), right and bottom exclusive.
  for (auto [x, y] : {std::pair{0, 0}, {522, 0}, {0, 358}, {522, 358}, {261, 0}, {0, 180}})
    EXPECT_EQ(At(target, x, y), 0x0000FFu) << x << "," << y;
  EXPECT_EQ(At(target, 1, 1), 0x00FFEFECu);
  EXPECT_EQ(At(target, 521, 357), 0x00FFEFECu);
  EXPECT_EQ(target.pixel(523, 10), qRgb(1, 2, 3));
  EXPECT_EQ(target.pixel(10, 359), qRgb(1, 2, 3));
}

TEST_F(SlideRendererTest, DrawsOnlyTheSlideAskedForWithLaterObjectsOnTop) {
  doc.AddObject(Box(QRect(100, 100, 200, 200), 0x0000FF));           // red, below
  doc.AddObject(Box(QRect(200, 200, 200, 200), 0x00FF00));           // green, on top
  doc.AddObject(Box(QRect(500, 100, 100, 100), 0xFF0000, kNoColor, 1));  // blue, slide 2
  const QImage first = RenderSlideImage(doc, 0, 1.0f);
  EXPECT_EQ(first.size(), QSize(1046, 718));
  EXPECT_EQ(At(first, 150, 150), 0x0000FFu);
  EXPECT_EQ(At(first, 250, 250), 0x00FF00u);  // the overlap shows the later object
  EXPECT_EQ(At(first, 550, 150), 0xFFFFFFu);  // another slide's object is never drawn
  const QImage second = RenderSlideImage(doc, 1, 1.0f);
  EXPECT_EQ(At(second, 550, 150), 0xFF0000u);
  EXPECT_EQ(At(second, 150, 150), 0xFFFFFFu);
}

TEST_F(SlideRendererTest, AFillOfTheTransparencyKeyIsTransparent) {
  doc.Header().refBack = 0x00123456;
  doc.AddObject(Box(QRect(100, 100, 100, 100), kTransKey, 0x000000));
  const QImage image = RenderSlideImage(doc, 0, 1.0f);
  EXPECT_EQ(At(image, 150, 150), 0x00123456u);  // inside: the background shows
  EXPECT_EQ(At(image, 100, 150), 0x000000u);    // the outline is drawn
}

TEST_F(SlideRendererTest, OutsideRenderingLeavesTheDocumentAsItWas) {
  doc.Header().Zoom = 1.25f;
  doc.Header().CurSlide = 1;
  doc.Header().refFrame = 0x00ABCDEF;
  doc.AddObject(Box(QRect(10, 10, 50, 50), 0x0000FF));
  const DocHeader before = doc.Header();
  const ObjectViewState viewBefore = doc.View(0);
  const QImage image = RenderSlideImage(doc, 0, 0.5f);
  EXPECT_EQ(std::memcmp(&before, &doc.Header(), sizeof before), 0);
  EXPECT_EQ(std::memcmp(&viewBefore, &doc.View(0), sizeof viewBefore), 0);
  EXPECT_EQ(At(image, 0, 0), kWhite);  // the frame outside the editor is white
  EXPECT_EQ(image.size(), QSize(523, 359));
}

TEST_F(SlideRendererTest, AnImageWithoutAPictureIsNotDrawn) {
  ObjectRecord image = Box(QRect(10, 10, 50, 50), kNoColor, 0x000000);
  image.ObjClass = objclass::Image;
  image.ObjKind = objkind::Image;
  doc.AddObject(image);
  QImage target(100, 100, QImage::Format_RGB32);
  gdi::Dc dc(target);
  EXPECT_FALSE(DrawObject(dc, doc, RenderContext::Outside(0, 1.0f), 0));
}

}  // namespace

namespace {

TEST(FigureMargin, CountsLineWidthAndStyledEndsOnly) {
  ObjectRecord r{};
  r.Futosa = 3;
  r.Ends[0].EndStyle = 1;
  r.Ends[0].EndLen = 5;
  r.Ends[0].EndSize = 7;
  r.Ends[1].EndLen = 100;  // no style: the end draws nothing
  EXPECT_EQ(FigureMargin(r), (3 + 14 + 40) / 2);
}

// Every kind the factory makes draws its own outline: something inside the
// rotated bounds of its vertices, nothing beyond them and the pen.
TEST(FigureOutlines, EveryKindDrawsInsideItsBounds) {
  Document doc;
  for (const FactoryShape& shape : FactoryShapes()) {
    SCOPED_TRACE(testing::Message() << "kind " << shape.kind << " variant " << shape.variant);
    renderfixtures::Reset(doc, 1);
    ObjectRecord r = MakeFigure(shape.kind, shape.variant, shape.n);
    r.refMen = kNoColor;
    r.refLine = 0x000000;
    r.Futosa = 1;
    r.refKage = r.refSecondMen = kNoColor;
    for (LineEnd& e : r.Ends) e = LineEnd{};
    doc.AddObject(r);
    const QImage image = RenderSlideImage(doc, 0, 1.0f);
    const Bounds b = CMathSub::BoundingRect(RotatePoints(r, 1.0f));
    int inside = 0, outside = 0;
    for (int y = 1; y < image.height() - 1; ++y)
      for (int x = 1; x < image.width() - 1; ++x) {
        if (renderfixtures::At(image, x, y) != 0x000000) continue;
        const bool in = x >= b.left - 1 && x <= b.right + 1 && y >= b.top - 1 && y <= b.bottom + 1;
        (in ? inside : outside)++;
      }
    EXPECT_GT(inside, 20);
    EXPECT_EQ(outside, 0);
  }
}

}  // namespace
