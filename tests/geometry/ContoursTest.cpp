// Splitting vertex lists into closed contours.
#include <gtest/gtest.h>

#include "geometry/Contours.h"

TEST(Contours, StraightListRestartsRightAfterTheClosingVertex) {
  const QPoint A(0, 0), B(10, 0), C(0, 10), D(50, 50), E(60, 50), F(50, 60), G(99, 99);
  const std::vector<QPoint> pts = {A, B, C, A, D, E, F, D, G};
  EXPECT_EQ(SplitContours(pts, false), (std::vector<Contour>{{0, 4}, {4, 4}}));
}

TEST(Contours, NothingClosesWithoutARepeatedStart) {
  const std::vector<QPoint> pts = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  EXPECT_TRUE(SplitContours(pts, false).empty());
  EXPECT_TRUE(SplitContours(pts, true).empty());
  EXPECT_TRUE(SplitContours({}, false).empty());
}

TEST(Contours, CurvedListClosesOnlyOnAnchorsAndSkipsTheConnector) {
  std::vector<QPoint> pts;
  for (int i = 0; i < 27; ++i) pts.emplace_back(i * 10, i % 2);
  pts[4] = pts[0];    // not an anchor: cannot close the first contour
  pts[12] = pts[0];   // closes contour 0..12
  pts[13] = pts[15];  // connector controls 13 and 14 are never a start
  pts[24] = pts[15];  // closes contour 15..24
  EXPECT_EQ(SplitContours(pts, true), (std::vector<Contour>{{0, 13}, {15, 10}}));
  // Read as a straight list the same points close at vertex 4 instead.
  EXPECT_EQ(SplitContours(pts, false).front(), (Contour{0, 5}));
}

TEST(Contours, AHoleIsOutsideAndTheStepBetweenContoursIsNoEdge) {
  // A 100 x 100 square with a 40 x 40 hole, closed as a character's straight list.
  const std::vector<QPoint> pts = {{0, 0},   {100, 0},  {100, 100}, {0, 100}, {0, 0},
                                   {30, 30}, {30, 70},  {70, 70},   {70, 30}, {30, 30}};
  struct Case {
    QPoint p;
    bool inside;
  } cases[] = {{{10, 50}, true}, {{50, 50}, false}, {{90, 50}, true}, {{50, 15}, true},
               {{20, 25}, true},  // beside the step from (0, 0) to (30, 30), which a single polygon would cross
               {{150, 50}, false}};
  for (const Case& c : cases) EXPECT_EQ(PointInContours(pts, false, c.p), c.inside) << c.p.x() << "," << c.p.y();
  // Without a closed contour the list is one polygon.
  const std::vector<QPoint> square = {{0, 0}, {100, 0}, {100, 100}, {0, 100}};
  EXPECT_TRUE(PointInContours(square, false, {50, 50}));
}
