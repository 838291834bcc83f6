#include "render/CharOutline.h"

#include <gtest/gtest.h>

#include <cstring>

#include "RenderFixtures.h"
#include "core/Records.h"
#include "geometry/MathSub.h"
#include "render/SlideRenderer.h"
#include "render/glyph/GlyphCache.h"

namespace {

TEST(CharOutline, TheFirstCharacterIsTakenWholeOrNotAtAll) {
  struct Case {
    const char* text;
    char32_t code;
  } cases[] = {
      {"AB", U'A'},
      {"\x8a\xbf\x8e\x9a", U'漢'},  // both bytes of a double-byte character
      {"\xb1", U'ｱ'},              // half-width katakana: the byte itself
      {"\x8a", 0},                  // a lead byte before the terminating NUL
      {"\xfd" "A", 0},              // a byte CP932 does not define
      {"", 0},
  };
  for (const Case& c : cases) {
    char text[8] = {};
    std::strcpy(text, c.text);
    EXPECT_EQ(FirstCharacter(text, sizeof text), c.code) << c.text;
  }
}

// n contours of three straight segments each, as GlyphToBlocks lays them out.
std::vector<QPoint> Triangles(int n) {
  std::vector<QPoint> pts;
  for (int k = 0; k < n; ++k) {
    const QPoint a(10 * k, 0), b(10 * k + 8, 0), c(10 * k, -20);
    for (const QPoint& p : {a, b, a, b, c, b, c, a, c, a, a, a}) pts.push_back(p);
  }
  return pts;
}

TEST(CharOutline, StoredOutlinesAreCentredOnTheCreationPoint) {
  ObjectRecord r{};
  std::strcpy(r.Text, "A");
  ASSERT_EQ(StoreCharOutline(r, Triangles(2), true, {300, 200}), CharOutlineStatus::Built);
  EXPECT_EQ(r.PointNum, 24);
  EXPECT_EQ(r.Curve, 1);
  EXPECT_EQ(r.Text[0], '\0');
  EXPECT_EQ(QPoint(r.CenterX, r.CenterY), QPoint(300, 200));
  std::vector<QPoint> stored;
  for (int i = 0; i < r.PointNum; ++i) stored.emplace_back(r.Points[i].x, r.Points[i].y);
  const Bounds b = CMathSub::BoundingRect(stored);
  EXPECT_EQ(QPoint((b.left + b.right) / 2, (b.top + b.bottom) / 2), QPoint(300, 200));

  ASSERT_EQ(StoreCharOutline(r, Triangles(2), false, {300, 200}), CharOutlineStatus::Built);
  EXPECT_EQ(r.PointNum, 8);  // every third point: the anchors and the next contour's start
  EXPECT_EQ(r.Curve, 0);
}

TEST(CharOutline, TheVertexLimitDependsOnTheCurveChoice) {
  struct Case {
    int triangles;  // 12 points, 4 anchors each
    bool curve;
    CharOutlineStatus status;
  } cases[] = {
      {16, true, CharOutlineStatus::Built},            // 192 points
      {17, true, CharOutlineStatus::TooManyForCurve},  // 204 points
      {49, false, CharOutlineStatus::Built},           // 196 anchors
      {50, false, CharOutlineStatus::TooManyForStraight},
      {0, true, CharOutlineStatus::NoOutline},
  };
  for (const Case& c : cases) {
    ObjectRecord r{};
    EXPECT_EQ(StoreCharOutline(r, Triangles(c.triangles), c.curve, {0, 0}), c.status) << c.triangles;
  }
}

TEST(CharOutline, ARealCharacterBecomesAClosedFigure) {
  GlyphCache glyphs;
  ObjectRecord r{};
  std::strcpy(r.Text, "\x8c\xfb");  // 口
  ASSERT_EQ(BuildCharOutline(r, {"IPAPGothic", false, false, true}, {400, 300}, glyphs, 96),
            CharOutlineStatus::Built);
  EXPECT_EQ(r.PointNum % 3, 0);
  std::vector<QPoint> pts;
  for (int i = 0; i < r.PointNum; ++i) pts.emplace_back(r.Points[i].x, r.Points[i].y);
  const Bounds b = CMathSub::BoundingRect(pts);
  EXPECT_GT(b.bottom - b.top, 150);  // a 200-point character is 267 pixels high at 96 dpi

  ObjectRecord space{};
  std::strcpy(space.Text, " ");
  EXPECT_EQ(BuildCharOutline(space, {"IPAPGothic", false, false, true}, {0, 0}, glyphs, 96),
            CharOutlineStatus::NoOutline);
}

TEST(CharOutline, TheHolesOfACharacterStayOpenWhenItIsFilled) {
  Document doc;
  renderfixtures::Reset(doc, 1);
  GlyphCache glyphs;
  constexpr COLORREF kFill = 0x40C0F0;
  for (bool curve : {false, true}) {
    ObjectRecord r = renderfixtures::Box(QRect(0, 0, 10, 10), kFill, 0x804000);
    r.ObjKind = objkind::Char;
    std::strcpy(r.Text, "\x89\xf1");  // 回: a ring of stroke round a hole round a stroked square
    ASSERT_EQ(BuildCharOutline(r, {"IPAPGothic", false, false, curve}, {300, 300}, glyphs, 96),
              CharOutlineStatus::Built);
    doc.AddObject(r);
    const QImage image = RenderSlideImage(doc, 0, 1.0f);
    doc.RemoveObject(0);
    // Across the middle: outer stroke, hole, inner stroke, hole, inner stroke, hole, outer stroke.
    int runs = 0;
    bool in = false;
    for (int x = 0; x < image.width(); ++x) {
      const bool fill = renderfixtures::At(image, x, 300) == kFill;
      if (fill && !in) ++runs;
      in = fill;
    }
    EXPECT_EQ(runs, 4) << (curve ? "curved" : "straight");
  }
}

}  // namespace
