// Default outlines of every kind and variant the object factory asks for.
#include <gtest/gtest.h>

#include <cstring>

#include "OutlineFixtures.h"
#include "geometry/DefaultOutline.h"
#include "geometry/MathSub.h"

namespace {

struct Sample {
  int index;
  QPoint at;  // offset from the creation point
};

struct Case {
  int kind;
  int variant;
  int n;
  int count;
  bool curved;
  std::vector<Sample> samples;
};

const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      {objkind::Line, 1, 0, 4, false, {{0, {-100, -100}}, {3, {100, 100}}}},
      {objkind::Line, 3, 0, 7, true, {{1, {-75, -5}}, {6, {100, 25}}}},
      {objkind::Line, 4, 0, 7, false, {{0, {-100, 50}}, {6, {100, -50}}}},
      {objkind::Polygon, 6, 0, 3, false, {{0, {0, -50}}, {2, {-100, 50}}}},
      {objkind::Polygon, 7, 0, 4, false, {{1, {100, -100}}, {3, {-100, 100}}}},
      {objkind::Polygon, 8, 4, 4, false, {{0, {-100, -50}}, {2, {100, 50}}}},
      // The hexagon shows the truncated constants: exact π would give (-86, -50).
      {objkind::Polygon, 0, 6, 6, false,
       {{0, {0, -100}}, {1, {86, -50}}, {2, {86, 49}}, {3, {0, 100}}, {4, {-86, 50}}, {5, {-86, -49}}}},
      {objkind::RoundRect, 0, 0, 12, false, {{0, {-150, -100}}, {8, {-130, 100}}, {11, {-150, -80}}}},
      {objkind::Ellipse, 10, 0, 13, false, {{2, {100, -65}}, {9, {-100, 0}}, {12, {0, -100}}}},
      {objkind::Ellipse, 11, 0, 13, false, {{2, {150, -65}}, {9, {-150, 0}}, {11, {-65, -100}}}},
      // Star of 6: outer point straight up, inner one at 50 and 30° on clockwise.
      {objkind::Star, 0, 6, 12, false, {{0, {0, -100}}, {1, {24, -43}}, {2, {86, -50}}, {11, {-25, -43}}}},
      {objkind::Job, 0, 0, 12, false, {{6, {80, -50}}, {11, {-100, 50}}}},
      {objkind::Memo, 0, 0, 8, false, {{0, {50, 50}}, {7, {50, 40}}}},
      {objkind::Arrow, 0, 0, 7, false, {{3, {100, 0}}, {6, {-100, 50}}}},
      {objkind::CurveLArrow, 0, 0, 9, false, {{3, {150, 0}}, {8, {-150, 150}}}},
      {objkind::CurveArrow, 0, 0, 24, true,
       {{0, {0, -50}}, {1, {0, -66}}, {2, {0, -84}}, {18, {-300, 150}}, {23, {-33, -50}}}},
      {objkind::Cylinder, 0, 0, 16, false, {{1, {-80, -130}}, {15, {100, -100}}}},
      {objkind::Cube, 0, 0, 12, false, {{2, {50, -50}}, {11, {150, 0}}}},
      {objkind::Button, 0, 0, 17, false, {{9, {180, -130}}, {16, {-150, 100}}}},
      {objkind::Pyramid, 0, 0, 6, false, {{2, {150, 50}}, {4, {-150, 100}}}},
      {objkind::SlipRect, 0, 0, 21, true, {{0, {-150, 150}}, {9, {-150, -100}}, {18, {0, 100}}}},
      {objkind::SlipRound, 0, 0, 30, true, {{11, {-125, -100}}, {16, {125, -100}}, {29, {-100, 134}}}},
      {objkind::SlipCloud, 0, 0, 51, true,
       {{0, {-150, 200}}, {5, {-225, 150}}, {18, {-150, -100}}, {30, {150, -100}}, {42, {150, 100}},
        {48, {0, 100}}, {50, {-112, 175}}}},
      {objkind::SlipSCloud, 0, 0, 18, true, {{9, {0, -100}}, {10, {150, -100}}, {15, {25, 66}}}},
  };
  return cases;
}

}  // namespace

TEST(DefaultOutline, EveryKindHasItsCountFlagAndVertices) {
  const QPoint centre(300, 200);
  for (const Case& c : Cases()) {
    SCOPED_TRACE(testing::Message() << "kind " << c.kind << " variant " << c.variant);
    const auto shape = DefaultOutline(c.kind, c.variant, c.n, centre);
    ASSERT_TRUE(shape);
    EXPECT_EQ(static_cast<int>(shape->points.size()), c.count);
    EXPECT_EQ(shape->curved, c.curved);
    for (const Sample& s : c.samples) EXPECT_EQ(shape->points[s.index], centre + s.at) << s.index;
  }
}

TEST(DefaultOutline, StraightSegmentsOfCurvedKindsGetThirdPointControls) {
  const auto rect = DefaultOutline(objkind::SlipRect, 0, 0, {0, 0});
  ASSERT_TRUE(rect);
  // The closing segment runs from the last anchor back to vertex 0.
  const auto [c1, c2] = CMathSub::ThirdPoints({0, 100}, {-150, 150});
  EXPECT_EQ(rect->points[19], c1);
  EXPECT_EQ(rect->points[20], c2);

  const auto cloud = DefaultOutline(objkind::SlipCloud, 0, 0, {0, 0});
  ASSERT_TRUE(cloud);
  const auto [t1, t2] = CMathSub::ThirdPoints({-150, 200}, {-75, 100});
  EXPECT_EQ(cloud->points[1], t1);
  // Each bump starts with the control the previous one ended with.
  EXPECT_EQ(cloud->points[4], t2);
  for (int k = 7; k <= 49; k += 3) EXPECT_EQ(cloud->points[k], cloud->points[k - 2]) << k;

  const auto scloud = DefaultOutline(objkind::SlipSCloud, 0, 0, {0, 0});
  ASSERT_TRUE(scloud);
  const auto [s1, s2] = CMathSub::ThirdPoints({25, 66}, {-150, 166});
  EXPECT_EQ(scloud->points[16], s1);
  EXPECT_EQ(scloud->points[17], s2);
}

TEST(DefaultOutline, EveryRegularVertexLiesOnItsCircle) {
  for (int n : {3, 5, 8, 100}) {
    const auto shape = DefaultOutline(objkind::Star, 0, n, {0, 0});
    ASSERT_TRUE(shape);
    ASSERT_EQ(static_cast<int>(shape->points.size()), 2 * n);
    for (int i = 0; i < 2 * n; ++i) {
      const double r = CMathSub::Distance({0, 0}, shape->points[i]);
      EXPECT_NEAR(r, i % 2 ? 50 : 100, 1.5) << n << " " << i;
    }
  }
}

TEST(DefaultOutline, OutlinesThatWouldNotFitTheRecordAreRefused) {
  struct Limit { int kind, variant, n; bool ok; };
  const Limit limits[] = {
      {objkind::Polygon, 0, 200, true},  {objkind::Polygon, 0, 201, false},
      {objkind::Polygon, 0, 2, false},   {objkind::Polygon, 0, -5, false},
      {objkind::Star, 0, 100, true},     {objkind::Star, 0, 101, false},
      {objkind::Star, 0, 2, false},      {objkind::Line, 6, 0, false},
      {objkind::Line, -1, 0, false},     {objkind::Char, 0, 4, false},
      {objkind::DText, 0, 4, false},     {3, 0, 0, false},
  };
  for (const Limit& l : limits) {
    EXPECT_EQ(DefaultOutline(l.kind, l.variant, l.n, {0, 0}).has_value(), l.ok)
        << l.kind << " " << l.variant << " " << l.n;
  }
}

TEST(DefaultOutline, RecordIsWrittenAroundItsCentreOrLeftAlone) {
  ObjectRecord rec = MakeFigure(objkind::CurveArrow, 0, 0, {400, 300});
  EXPECT_EQ(rec.PointNum, 24);
  EXPECT_EQ(rec.Curve, 1);
  EXPECT_EQ(rec.Points[18].x, 100);
  EXPECT_EQ(rec.Points[18].y, 450);

  ObjectRecord star = MakeFigure(objkind::Star, 0, 100);
  EXPECT_EQ(star.PointNum, kMaxPoints);
  EXPECT_EQ(star.Curve, 0);

  const ObjectRecord before = star;
  EXPECT_FALSE(DefaultOutline(star, 0, 101));
  star.ObjKind = objkind::Line;
  EXPECT_FALSE(DefaultOutline(star, 9, 0));
  star.ObjKind = objkind::Star;
  EXPECT_EQ(std::memcmp(&star, &before, sizeof star), 0);
}
