#include "render/DesignText.h"

#include <gtest/gtest.h>

#include <cstring>

#include "RenderFixtures.h"
#include "base/Cp932.h"
#include "geometry/Angles.h"
#include "render/gdi/Dc.h"
#include "render/glyph/GlyphCache.h"

namespace {

using renderfixtures::At;

constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kBlue = 0xFF0000;

ObjectRecord DesignText(const QString& text, QPoint centre, int size) {
  ObjectRecord r{};
  r.ObjClass = objclass::DText;
  r.ObjKind = objkind::DText;
  StoreCp932(r.Text, sizeof r.Text, text);
  std::strcpy(r.FontName, "IPAPGothic");
  r.FontSize = static_cast<std::uint16_t>(size);
  r.CenterX = centre.x();
  r.CenterY = centre.y();
  r.TextRotate = 1;
  r.refMen = kRed;
  r.refLine = kNoColor;
  r.refKage = kNoColor;
  r.GradePattern = -1;
  r.Futosa = 1;
  r.PointNum = 4;
  return r;
}

// The smallest rectangle holding every pixel of `colour`.
QRect Extent(const QImage& image, COLORREF colour) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (At(image, x, y) == colour) box |= QRect(x, y, 1, 1);
  return box;
}

class DesignTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    renderfixtures::Reset(doc, 1);
    ctx.glyphs = &glyphs;
  }

  QImage Render(float zoom = 1.0f) {
    ctx.zoom = zoom;
    QImage image(ctx.Scale(doc.Header().SlideW), ctx.Scale(doc.Header().SlideH), QImage::Format_RGB32);
    image.fill(Qt::white);
    gdi::Dc dc(image);
    for (int i = 0; i < doc.ObjCount(); ++i) EXPECT_TRUE(DrawDesignText(dc, doc, ctx, i));
    return image;
  }

  Document doc;
  GlyphCache glyphs;
  RenderContext ctx = RenderContext::Outside(0, 1.0f);
};

TEST_F(DesignTextTest, CharactersAreFilledAlongOneLineAroundTheCentre) {
  doc.AddObject(DesignText("ABC", {500, 300}, 48));  // 64 pixels per em at 96 dpi
  const QImage image = Render();
  const QRect red = Extent(image, kRed);
  ASSERT_FALSE(red.isEmpty());
  EXPECT_GT(red.width(), 2 * red.height());  // one line
  EXPECT_NEAR(red.center().x(), 500, 8);
  EXPECT_NEAR(red.center().y(), 300, 8);
  EXPECT_LE(red.height(), 64);
  // The glyphs are shapes, not boxes: much of their extent stays white.
  int filled = 0;
  for (int y = red.top(); y <= red.bottom(); ++y)
    for (int x = red.left(); x <= red.right(); ++x) filled += At(image, x, y) == kRed ? 1 : 0;
  EXPECT_LT(filled, red.width() * red.height() * 6 / 10);
}

TEST_F(DesignTextTest, AQuarterTurnStandsTheLineUp) {
  doc.AddObject(DesignText("ABC", {500, 300}, 48));
  const QRect upright = Extent(Render(), kRed);
  doc.Object(0).Angle = kHalfPi;
  const QRect turned = Extent(Render(), kRed);
  EXPECT_NEAR(turned.width(), upright.height(), 3);
  EXPECT_NEAR(turned.height(), upright.width(), 3);
  EXPECT_NEAR(turned.center().x(), 500, 8);
  EXPECT_NEAR(turned.center().y(), 300, 8);
}

TEST_F(DesignTextTest, AMirroredTextDrawsMirroredGlyphsInTheSamePlace) {
  doc.AddObject(DesignText("F", {300, 300}, 60));
  const QImage upright = Render();
  doc.Object(0).FlipH = 1;
  const QImage mirrored = Render();
  const QRect a = Extent(upright, kRed);
  const QRect b = Extent(mirrored, kRed);
  ASSERT_FALSE(a.isEmpty());
  EXPECT_NEAR(a.center().x(), b.center().x(), 1);
  EXPECT_EQ(a.size(), b.size());
  int differ = 0;
  for (int y = a.top(); y <= a.bottom(); ++y)
    for (int x = 0; x < a.width(); ++x)
      differ += (At(upright, a.left() + x, y) == kRed) != (At(mirrored, b.right() - x, y) == kRed);
  EXPECT_LT(differ, a.width() * a.height() / 50);  // the same F, the other way round
  EXPECT_EQ(doc.Object(0).Points[0].x, 0);        // and drawing stored no frame
}

TEST_F(DesignTextTest, BlackFillStaysBlackAndAnOutlineAloneIsStroked) {
  doc.AddObject(DesignText("H", {200, 200}, 48));
  doc.Object(0).refMen = 0;  // black, which the glyph buffer must not take for see-through
  EXPECT_FALSE(Extent(Render(), 0).isEmpty());

  doc.Object(0).refMen = kNoColor;
  doc.Object(0).refLine = kBlue;
  const QImage outline = Render();
  const QRect blue = Extent(outline, kBlue);
  ASSERT_FALSE(blue.isEmpty());
  // The H's crossbar is outlined, its inside left as the slide.
  EXPECT_EQ(At(outline, blue.center().x(), blue.center().y()), kWhite);
}

TEST_F(DesignTextTest, ShadowAndTextInTextFollowTheGlyphs) {
  ObjectRecord r = DesignText("I", {200, 200}, 72);
  r.KageX = r.KageY = 6;
  r.refKage = 0x808080;
  r.refMen = kNoColor;
  std::strcpy(r.CharaText, "x");
  r.ChararefText = kBlue;
  r.CharaFontSize = 5;
  doc.AddObject(r);
  const QImage image = Render();
  const QRect shadow = Extent(image, 0x808080);
  const QRect chars = Extent(image, kBlue);
  ASSERT_FALSE(shadow.isEmpty());
  ASSERT_FALSE(chars.isEmpty());
  EXPECT_GT(shadow.right(), chars.right());
  EXPECT_GT(shadow.bottom(), chars.bottom());
  // The tiled characters stay inside the I's narrow stem.
  EXPECT_LT(chars.width(), 40);
}

TEST_F(DesignTextTest, AnEmptyTextDrawsNothing) {
  doc.AddObject(DesignText("", {200, 200}, 48));
  const QImage image = Render();
  EXPECT_TRUE(Extent(image, kRed).isEmpty());
}

TEST_F(DesignTextTest, DrawingNeverChangesTheRecordsEvenWhenTheTextDoesNotFit) {
  // Far too large for the slide and half outside it: drawing must neither shrink,
  // cut nor move it.
  ObjectRecord big = DesignText(QString::fromUtf8("とても大きなデザインテキスト"), {1000, 700}, 300);
  big.GradePattern = 1;
  big.refLine = kBlue;
  big.KageX = big.KageY = 4;
  big.refKage = 0x808080;
  doc.AddObject(big);
  doc.AddObject(DesignText("small", {100, 100}, 12));
  std::vector<ObjectRecord> before(doc.Objects(), doc.Objects() + doc.ObjCount());
  const DocHeader header = doc.Header();

  EditOverlay overlay;
  doc.View(1).Selected = 0;  // its handles would hide it
  doc.Header().Zoom = 0.08f;  // the smallest editing zoom
  QImage tiny(100, 80, QImage::Format_RGB32);
  tiny.fill(Qt::white);
  {
    gdi::Dc dc(tiny);
    RenderContext editor = RenderContext::ForEditor(doc, overlay);
    editor.glyphs = &glyphs;
    EXPECT_TRUE(DrawSlide(dc, doc, editor));
  }
  doc.Header().Zoom = header.Zoom;
  const QImage thumbnail = RenderSlideImage(doc, 0, 0.1f);

  EXPECT_EQ(std::memcmp(before.data(), doc.Objects(), before.size() * sizeof(ObjectRecord)), 0);
  EXPECT_EQ(std::memcmp(&header, &doc.Header(), sizeof header), 0);
  // Even at these sizes the small text leaves a mark: glyphs are at least a pixel high.
  EXPECT_FALSE(Extent(tiny, kRed).isEmpty());
  EXPECT_FALSE(Extent(thumbnail, kRed).isEmpty());
}

}  // namespace
