// Drawn points of a record, mirroring and quarter turns.
#include <gtest/gtest.h>

#include <cstring>

#include "OutlineFixtures.h"
#include "geometry/Angles.h"
#include "geometry/Rotation.h"

TEST(Rotation, UnrotatedRecordIsCopiedThenZoomedTowardZero) {
  // Angle 0 draws with exactly 2π, so truncation cannot shift the points.
  const ObjectRecord rec = FigureWith(objkind::Polygon, {{7, 3}, {-7, -3}, {10, -5}});
  EXPECT_EQ(RotatePoints(rec, 1.0f), (std::vector<QPoint>{{7, 3}, {-7, -3}, {10, -5}}));
  EXPECT_EQ(RotatePoints(rec, 1.5f), (std::vector<QPoint>{{10, 4}, {-10, -4}, {15, -7}}));
  EXPECT_EQ(ToView(100, 0.3f), 30);
}

TEST(Rotation, StoredAngleTurnsCounterClockwiseOnScreen) {
  ObjectRecord rec = FigureWith(objkind::Polygon, {{600, 400}, {500, 400}}, {500, 400});
  rec.Angle = kHalfPi;
  EXPECT_EQ(DrawnPoints(rec), (std::vector<QPoint>{{500, 300}, {500, 400}}));
  EXPECT_EQ(RotatePoints(rec, 2.0f), (std::vector<QPoint>{{1000, 600}, {1000, 800}}));
}

TEST(Rotation, PointCountNeverReadsPastTheRecord) {
  ObjectRecord rec = FigureWith(objkind::Polygon, {{1, 1}});
  rec.PointNum = 60000;
  EXPECT_EQ(StoredPoints(rec).size(), static_cast<std::size_t>(kMaxPoints));
}

TEST(Rotation, UnrotateIsTheCommitOfADrag) {
  ObjectRecord rec = FigureWith(objkind::Polygon, {{0, 0}}, {500, 400});
  rec.Angle = kHalfPi;
  // A view point at zoom 2 straight above the centre is stored to its right.
  const std::vector<QPoint> view = {{1000, 600}};
  EXPECT_EQ(UnrotatePoints(rec, view, 2.0f), (std::vector<QPoint>{{600, 400}}));
}

TEST(Rotation, MirrorFlipsAboutTheCentreAsSeenOnScreen) {
  ObjectRecord rec = FigureWith(objkind::Polygon, {{510, 405}, {480, 390}, {500, 450}}, {500, 400});
  Mirror(rec, MirrorAxis::LeftRight);
  EXPECT_EQ(StoredPoints(rec), (std::vector<QPoint>{{490, 405}, {520, 390}, {500, 450}}));
  EXPECT_EQ(rec.FlipH, 1);
  Mirror(rec, MirrorAxis::UpsideDown);
  EXPECT_EQ(StoredPoints(rec), (std::vector<QPoint>{{490, 395}, {520, 410}, {500, 350}}));
  EXPECT_EQ(rec.FlipV, 1);
  Mirror(rec, MirrorAxis::LeftRight);
  EXPECT_EQ(rec.FlipH, 0);
}

TEST(Rotation, MirrorOfARotatedFigureMirrorsWhatTheUserSees) {
  ObjectRecord rec = FigureWith(objkind::Polygon, {{600, 400}, {500, 350}, {420, 470}}, {500, 400});
  rec.Angle = 0.7;
  const std::vector<QPoint> before = DrawnPoints(rec);
  Mirror(rec, MirrorAxis::LeftRight);
  EXPECT_DOUBLE_EQ(rec.Angle, 0.7);
  const std::vector<QPoint> after = DrawnPoints(rec);
  ASSERT_EQ(after.size(), before.size());
  for (std::size_t i = 0; i < before.size(); ++i) {
    // Two truncating rotations may each lose a unit.
    EXPECT_NEAR(after[i].x(), 1000 - before[i].x(), 2) << i;
    EXPECT_NEAR(after[i].y(), before[i].y(), 2) << i;
  }
}

TEST(Rotation, MirrorOfAnImageOnlyTogglesTheFlag) {
  ObjectRecord rec = FigureWith(objkind::Image, {{0, 0}, {100, 0}, {100, 50}, {0, 50}});
  rec.ObjClass = objclass::Image;
  ObjectRecord want = rec;
  want.FlipV = 1;
  Mirror(rec, MirrorAxis::UpsideDown);
  EXPECT_EQ(std::memcmp(&rec, &want, sizeof rec), 0);
}

TEST(Rotation, QuarterTurnsWrapOnceIntoTheStoredRange) {
  struct Case { double angle; QuarterTurn turn; double want; };
  const Case cases[] = {
      {0.0, QuarterTurn::Right90, kThreeHalfPi},
      {kThreeHalfPi, QuarterTurn::Right90, kPi},
      {kPi, QuarterTurn::Turn180, 0.0},  // exactly 2π wraps to 0
      {0.0, QuarterTurn::Left90, kHalfPi},
      {5.0, QuarterTurn::Left90, 5.0 + kHalfPi - kTwoPi},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(QuarterTurnAngle(c.angle, c.turn), c.want, 1e-12) << c.angle;
    EXPECT_GE(QuarterTurnAngle(c.angle, c.turn), 0.0);
    EXPECT_LT(QuarterTurnAngle(c.angle, c.turn), kTwoPi);
  }
  EXPECT_NEAR(AddAngle(0.1, -0.3), kTwoPi - 0.2, 1e-12);
}
