#include "editor/FlipTurn.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/editor/EditorFixtures.h"

namespace {

using editorfixtures::Add;
using editorfixtures::Shape;

std::vector<QPoint> Pts(const ObjectRecord& r) { return StoredPoints(r); }

TEST(FlipTurnTest, FlipsMirrorFiguresAboutTheirCentreAndOnlyFlagTheOthers) {
  struct Case {
    const char* what;
    ObjectRecord rec;
    MirrorAxis axis;
    std::vector<QPoint> points;  // after the flip
    int flipH, flipV;
  };
  const ObjectRecord triangle = Shape(objkind::Polygon, {{100, 100}, {200, 100}, {100, 160}});  // centre (150, 130)
  ObjectRecord image = editorfixtures::Rect(objclass::Image, objkind::Image, QRect(100, 100, 50, 40));
  const Case cases[] = {
      {"left-right", triangle, MirrorAxis::LeftRight, {{200, 100}, {100, 100}, {200, 160}}, 1, 0},
      {"upside down", triangle, MirrorAxis::UpsideDown, {{100, 160}, {200, 160}, {100, 100}}, 0, 1},
      {"image", image, MirrorAxis::LeftRight, Pts(image), 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Document doc;
    editorfixtures::Reset(doc);
    const int i = Add(doc, c.rec, true);
    Add(doc, triangle, false);
    EXPECT_TRUE(FlipSelected(doc, 0, c.axis));
    const ObjectRecord& r = doc.Object(i);
    EXPECT_EQ(Pts(r), c.points);
    EXPECT_EQ(QPoint(r.CenterX, r.CenterY), QPoint(c.rec.CenterX, c.rec.CenterY));
    EXPECT_EQ(r.FlipH, c.flipH);
    EXPECT_EQ(r.FlipV, c.flipV);
    EXPECT_EQ(Pts(doc.Object(1)), Pts(triangle)) << "an unselected object flipped";
  }
}

TEST(FlipTurnTest, AFlipThatLeavesTheSlideIsPushedBack) {
  Document doc;
  editorfixtures::Reset(doc);
  // Rotated a quarter turn about a centre near the left edge: mirrored, it would stick out.
  ObjectRecord r = Shape(objkind::Polygon, {{10, 100}, {200, 100}, {10, 120}});
  r.CenterX = 20;
  r.CenterY = 110;
  const int i = Add(doc, r, true);
  EXPECT_TRUE(FlipSelected(doc, 0, MirrorAxis::LeftRight));
  const Bounds b = CMathSub::BoundingRect(DrawnPoints(doc.Object(i)));
  EXPECT_GE(b.left, 0);
  EXPECT_EQ(b.right - b.left, 190);
}

TEST(FlipTurnTest, QuarterTurnsAddTheirAngleUnlessTheOutlineWouldLeaveTheSlide) {
  struct Case {
    QuarterTurn turn;
    double start;
    QRect box;
    double expected;
  };
  const Case cases[] = {
      {QuarterTurn::Right90, 0, QRect(300, 300, 100, 40), kThreeHalfPi},
      {QuarterTurn::Turn180, kThreeHalfPi, QRect(300, 300, 100, 40), kHalfPi},  // wraps
      {QuarterTurn::Turn180, kHalfPi, QRect(300, 300, 100, 40), kPi + kHalfPi},
      {QuarterTurn::Right90, 0, QRect(0, 0, 400, 20), 0},  // turned upright it would pass the top
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    Document doc;
    editorfixtures::Reset(doc);
    ObjectRecord r = editorfixtures::Rect(objclass::Figure, objkind::Polygon, c.box);
    r.Angle = c.start;
    const int i = Add(doc, r, true);
    EXPECT_EQ(TurnSelected(doc, 0, c.turn), c.start != c.expected);
    EXPECT_NEAR(doc.Object(i).Angle, c.expected, 1e-9);
    EXPECT_EQ(QPoint(doc.Object(i).CenterX, doc.Object(i).CenterY), QPoint(r.CenterX, r.CenterY));
  }
}

TEST(FlipTurnTest, NoTiltSquaresNearlyEqualCornersOfAFourPointOutline) {
  Document doc;
  editorfixtures::Reset(doc);
  ObjectRecord skewed = Shape(objkind::Polygon, {{100, 100}, {300, 105}, {309, 200}, {95, 195}});
  skewed.Angle = 0.3;
  ObjectRecord far = Shape(objkind::Polygon, {{100, 100}, {300, 120}, {300, 200}, {100, 200}});
  far.Angle = 0.3;
  ObjectRecord outside = Shape(objkind::Polygon, {{-5, 100}, {300, 100}, {300, 200}, {-5, 200}});
  outside.Angle = 0.3;
  const int a = Add(doc, skewed, true);
  const int b = Add(doc, far, true);
  const int c = Add(doc, outside, true);
  EXPECT_TRUE(StraightenSelected(doc, 0));
  EXPECT_EQ(Pts(doc.Object(a)), (std::vector<QPoint>{{100, 100}, {300, 100}, {300, 195}, {100, 195}}));
  EXPECT_EQ(doc.Object(a).Angle, 0);
  EXPECT_EQ(Pts(doc.Object(b)), Pts(far));  // 20 apart: left as it is
  EXPECT_EQ(doc.Object(b).Angle, 0);
  EXPECT_EQ(doc.Object(c).Angle, 0.3);
}

}  // namespace
