// CMathSub: truncation, single-precision steps and the even-odd rule.
#include <gtest/gtest.h>

#include "geometry/Angles.h"
#include "geometry/MathSub.h"

using namespace CMathSub;

TEST(MathSub, MidPointHalvesTheDifferenceFromTheSmaller) {
  struct Case { QPoint a, b, want; };
  const Case cases[] = {
      {{0, 0}, {10, 7}, {5, 3}},
      {{-5, -2}, {-2, -5}, {-4, -4}},  // not (a + b) / 2, which gives -3
      {{-3, 4}, {4, -3}, {0, 0}},
      {{2147483000, 0}, {2147483600, 0}, {2147483300, 0}},  // no overflow near the limit
  };
  for (const Case& c : cases) EXPECT_EQ(MidPoint(c.a, c.b), c.want) << c.a.x() << "," << c.b.x();
}

TEST(MathSub, PointAlongWalksTowardTheTargetAndBeyondTheStart) {
  EXPECT_EQ(PointAlong(3, {0, 0}, {10, 0}), QPoint(3, 0));
  EXPECT_EQ(PointAlong(-5, {0, 0}, {10, 0}), QPoint(-5, 0));
  EXPECT_EQ(PointAlong(5, {0, 0}, {3, 4}), QPoint(3, 4));
  EXPECT_EQ(PointAlong(0, {7, 7}, {100, 3}), QPoint(7, 7));
  EXPECT_EQ(PointAlong(9, {7, 7}, {7, 7}), QPoint(7, 7));
  EXPECT_EQ(PointAlong(10, {0, 0}, {-30, -40}), QPoint(-6, -8));
}

TEST(MathSub, ThirdPointsMakeAStraightCubic) {
  const auto [c1, c2] = ThirdPoints({0, 0}, {100, 0});
  EXPECT_EQ(c1, QPoint(33, 0));
  EXPECT_EQ(c2, QPoint(67, 0));
  const auto [d1, d2] = ThirdPoints({0, -50}, {0, -100});
  EXPECT_EQ(d1, QPoint(0, -66));
  EXPECT_EQ(d2, QPoint(0, -84));
}

TEST(MathSub, RotationByExactlyTwoPiOrZeroCopiesThePoints) {
  // A computed full turn truncates these by one unit; the shortcut must not.
  const QPoint pts[] = {{7, 3}, {10, -5}, {-3, 8}, {100, 33}};
  for (const QPoint& p : pts) {
    EXPECT_EQ(RotatePoint({0, 0}, p, kTwoPi), p);
    EXPECT_EQ(RotatePoint({0, 0}, p, 0.0), p);
  }
  EXPECT_EQ(RotatePoint({0, 0}, {7, 3}, 6.283185307179586), QPoint(7, 2));
  EXPECT_EQ(RotatePoints({0, 0}, kTwoPi, pts), std::vector<QPoint>(std::begin(pts), std::end(pts)));
}

TEST(MathSub, RotationTurnsClockwiseOnScreenAndTruncates) {
  for (double a : {0.3, kHalfPi, kPi, 5.9}) EXPECT_EQ(RotatePoint({40, -7}, {40, -7}, a), QPoint(40, -7));
  EXPECT_EQ(RotatePoint({500, 400}, {600, 400}, kTwoPi - kHalfPi), QPoint(500, 300));
  EXPECT_EQ(RotatePoint({500, 400}, {600, 450}, kPi), QPoint(400, 351));
  EXPECT_EQ(OffsetFromEdge(10, {0, 0}, {100, 0}), QPoint(50, -10));
}

TEST(MathSub, PointInPolygonUsesTheEvenOddRule) {
  const std::vector<QPoint> square = {{0, 0}, {100, 0}, {100, 100}, {0, 100}};
  EXPECT_TRUE(PointInPolygon(square, {50, 50}));
  EXPECT_FALSE(PointInPolygon(square, {150, 50}));
  EXPECT_FALSE(PointInPolygon(square, {-1, 50}));
  // A pentagram drawn in one stroke: its centre is covered twice, so outside.
  const std::vector<QPoint> pentagram = {{0, -100}, {59, 81}, {-95, -31}, {95, -31}, {-59, 81}};
  EXPECT_FALSE(PointInPolygon(pentagram, {0, 0}));
  EXPECT_TRUE(PointInPolygon(pentagram, {0, -80}));
  // Two triangles in one list (the closing vertices repeated) are both inside.
  const std::vector<QPoint> twoTriangles = {{0, 0}, {10, 0}, {0, 10}, {0, 0},
                                            {50, 50}, {60, 50}, {50, 60}, {50, 50}};
  EXPECT_TRUE(PointInPolygon(twoTriangles, {2, 2}));
  EXPECT_TRUE(PointInPolygon(twoTriangles, {52, 52}));
  EXPECT_FALSE(PointInPolygon(twoTriangles, {30, 30}));
  EXPECT_FALSE(PointInPolygon(std::vector<QPoint>{{0, 0}, {10, 10}}, {5, 5}));
}

TEST(MathSub, BoundingRectAndRectPointsFollowTheHandleOrder) {
  const std::vector<QPoint> pts = {{5, -3}, {-7, 12}, {20, 4}};
  const Bounds b = BoundingRect(pts);
  EXPECT_EQ(b, (Bounds{-7, -3, 20, 12}));
  EXPECT_EQ(BoundingRect({}), Bounds{});
  const auto r = RectPoints({0, 0, 11, 21});
  const std::array<QPoint, 8> want = {QPoint(0, 0),   QPoint(11, 0), QPoint(11, 21), QPoint(0, 21),
                                      QPoint(5, 0),   QPoint(11, 10), QPoint(5, 21), QPoint(0, 10)};
  EXPECT_EQ(r, want);
}

TEST(MathSub, NearSegmentAndSegmentIntersection) {
  EXPECT_TRUE(NearSegment(3, {50, 3}, {0, 0}, {100, 0}));
  EXPECT_FALSE(NearSegment(3, {50, 5}, {0, 0}, {100, 0}));
  EXPECT_FALSE(NearSegment(3, {110, 0}, {0, 0}, {100, 0}));  // on the line but past the box
  EXPECT_TRUE(NearSegment(2, {1, 1}, {0, 0}, {0, 0}));

  const auto x = SegmentIntersection({0, 0}, {10, 10}, {0, 10}, {10, 0});
  ASSERT_TRUE(x);
  EXPECT_EQ(x->at, QPoint(5, 5));
  EXPECT_TRUE(x->onBoth);
  const auto off = SegmentIntersection({0, 0}, {1, 1}, {0, 10}, {10, 0});
  ASSERT_TRUE(off);
  EXPECT_EQ(off->at, QPoint(5, 5));
  EXPECT_FALSE(off->onBoth);
  EXPECT_FALSE(SegmentIntersection({0, 0}, {10, 0}, {0, 5}, {10, 5}));
}

TEST(MathSub, ProjectionAndPercentAlong) {
  EXPECT_EQ(ProjectOnSegment({5, 5}, {0, 0}, {10, 0}), QPoint(5, 0));
  EXPECT_EQ(ProjectOnSegment({-5, 5}, {0, 0}, {10, 0}), QPoint(-5, 0));
  EXPECT_EQ(ProjectOnSegment({3, 3}, {4, 4}, {4, 4}), QPoint(4, 4));
  EXPECT_EQ(PercentAlong({0, 0}, {100, 0}, {50, 0}), 50);
  EXPECT_EQ(PercentAlong({0, 0}, {100, 0}, {33, 1}), 33);
  EXPECT_EQ(PercentAlong({0, 0}, {100, 0}, {50, 40}), 0);  // too far from the segment
  EXPECT_EQ(PercentAlong({4, 4}, {4, 4}, {4, 4}), 0);
}
