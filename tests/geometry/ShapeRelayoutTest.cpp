// The re-layout after a resize: figures scaled out of shape come back
// regular, with their proportions and a least size of 30 units.
#include "geometry/ShapeRelayout.h"

#include <gtest/gtest.h>

#include "OutlineFixtures.h"
#include "geometry/MathSub.h"
#include "geometry/Rotation.h"

namespace {

using Outline = std::vector<QPoint>;

const ShapeRuleContext kPlain{RefAnglesOf(false, false), QSize(1000, 800), false};

// The factory's outline round (500, 400), scaled about that point as a
// resize by the frame's handles scales it.
Outline Scaled(int kind, double sx, double sy, int variant = 0, int n = 0) {
  Outline p = StoredPoints(MakeFigure(kind, variant, n));
  for (QPoint& q : p) q = QPoint(500 + CMathSub::Trunc((q.x() - 500) * sx), 400 + CMathSub::Trunc((q.y() - 400) * sy));
  return p;
}

// Quarter turns truncate each coordinate: a turned corner lands within a unit or two.
void Near(QPoint got, QPoint want, int tolerance = 2) {
  EXPECT_LE((got - want).manhattanLength(), tolerance) << "(" << got.x() << ", " << got.y() << ") for ("
                                                        << want.x() << ", " << want.y() << ")";
}

TEST(ShapeRelayout, AnEllipseStretchedToAFrameKeepsItsAnchorsOnTheFrame) {
  const Outline p = RelayoutShape(objkind::Ellipse, Scaled(objkind::Ellipse, 1.5, 1.0, 10), kPlain);
  Near(p[0], QPoint(500, 300));
  EXPECT_EQ(p[12], p[0]);
  Near(p[6], QPoint(500, 500));
  EXPECT_EQ(p[3], QPoint(650, 400));
  EXPECT_EQ(p[9], QPoint(350, 400));
  for (int i : {1, 11}) EXPECT_NEAR(p[i].y(), 300, 1) << "p" << i;
  for (int i : {5, 7}) EXPECT_NEAR(p[i].y(), 500, 1) << "p" << i;
  for (int i : {2, 4}) EXPECT_NEAR(p[i].x(), 650, 1) << "p" << i;
  for (int i : {8, 10}) EXPECT_NEAR(p[i].x(), 350, 1) << "p" << i;
}

TEST(ShapeRelayout, SqueezedFiguresKeepTheLeastSize) {
  // A cylinder 50 wide is rebuilt 30 wide.
  const Outline cylinder = RelayoutShape(objkind::Cylinder, Scaled(objkind::Cylinder, 0.25, 1.0), kPlain);
  EXPECT_EQ(CMathSub::Trunc(CMathSub::Distance(cylinder[0], cylinder[3])), 30);
  EXPECT_EQ(cylinder[15], cylinder[3]);
  EXPECT_EQ(cylinder[6], cylinder[0]);

  // A cube whose left face is 20 wide gets a left face 30 wide.
  Outline cube = StoredPoints(MakeFigure(objkind::Cube));
  for (int i : {3, 5, 6}) cube[i].setX(430);  // the left edge, 20 from the front edge
  cube = RelayoutShape(objkind::Cube, cube, kPlain);
  const QPoint left = CMathSub::ProjectOnSegment(cube[7], cube[3], cube[6]);
  EXPECT_EQ(CMathSub::Trunc(CMathSub::Distance(cube[7], left)), 30);
  EXPECT_EQ(cube[9], cube[7]);
  Near(cube[2], cube[1] + cube[3] - cube[0], 4);  // the top face a parallelogram

  // A round rectangle flattened below 30 units is 30 high again.
  const Outline flat = RelayoutShape(objkind::RoundRect, Scaled(objkind::RoundRect, 1.0, 0.1), kPlain);
  EXPECT_NEAR(flat[9].y() - flat[0].y(), 30, 1);
}

TEST(ShapeRelayout, RoundingsAndTailsKeepTheirLengths) {
  // Twice as wide: the scaled roundings (40 across, 20 down) are kept and the corners squared.
  const Outline round = RelayoutShape(objkind::RoundRect, Scaled(objkind::RoundRect, 2.0, 1.0), kPlain);
  EXPECT_EQ(round[8] - round[9], QPoint(40, 0));
  EXPECT_EQ(round[9] - round[10], QPoint(0, 20));
  Near(round[0], QPoint(200, 300));
  Near(round[3], QPoint(800, 300));

  // A rectangular balloon half as high again: the tail tip stays 75 below
  // the body, the body is square to its top edge.
  const Outline balloon = RelayoutShape(objkind::SlipRect, Scaled(objkind::SlipRect, 1.0, 1.5), kPlain);
  EXPECT_EQ(balloon[0], QPoint(350, 625));
  Near(balloon[6], QPoint(350, 550));
  Near(balloon[15], QPoint(650, 550));
  Near(balloon[3], QPoint(425, 550));
  EXPECT_EQ(std::pair(balloon[13], balloon[14]), CMathSub::ThirdPoints(balloon[12], balloon[15]));
}

TEST(ShapeRelayout, FiguresWithoutAConstructionKeepTheirScaledPoints) {
  for (int kind : {int{objkind::Star}, int{objkind::Arrow}, int{objkind::CurveLArrow}, int{objkind::CurveArrow},
                   int{objkind::Polygon}}) {
    const Outline scaled = Scaled(kind, 1.7, 0.6, kind == objkind::Polygon ? 7 : 0, kind == objkind::Star ? 5 : 0);
    EXPECT_EQ(RelayoutShape(kind, scaled, kPlain), scaled) << kind;
  }
  ObjectRecord star = MakeFigure(objkind::Star, 0, 5);
  EXPECT_FALSE(RelayoutAfterResize(star));
}

TEST(ShapeRelayout, EveryLaidOutKindComesBackAsMadeFromItsOwnSize) {
  // Laid out from the outline it was made with, a figure keeps its frame.
  for (int kind : {int{objkind::RoundRect}, int{objkind::Job}, int{objkind::Memo}, int{objkind::Cylinder},
                   int{objkind::Button}, int{objkind::SlipRect}, int{objkind::SlipRound}}) {
    ObjectRecord rec = MakeFigure(kind);
    const Bounds before = CMathSub::BoundingRect(StoredPoints(rec));
    ASSERT_TRUE(RelayoutAfterResize(rec)) << kind;
    const Bounds after = CMathSub::BoundingRect(StoredPoints(rec));
    EXPECT_NEAR(after.left, before.left, 1) << kind;
    EXPECT_NEAR(after.right, before.right, 1) << kind;
    EXPECT_NEAR(after.top, before.top, 1) << kind;
    EXPECT_NEAR(after.bottom, before.bottom, 1) << kind;
  }
}

}  // namespace
