// Shape handles: which vertex each handle sits on, as stored and as drawn.
#include <gtest/gtest.h>

#include "OutlineFixtures.h"
#include "geometry/Angles.h"
#include "geometry/ShapeHandles.h"

TEST(ShapeHandles, EachKindTakesItsVertices) {
  struct Case { int kind; int variant; int n; std::vector<QPoint> want; };
  const Case cases[] = {
      {objkind::RoundRect, 0, 0, {{-130, 100}, {-150, 80}}},
      {objkind::Ellipse, 10, 0, {{-65, 100}, {-100, 65}}},
      {objkind::Star, 0, 6, {{24, -43}}},
      {objkind::Job, 0, 0, {{-80, -50}}},
      {objkind::Memo, 0, 0, {{50, 50}, {100, 0}}},
      {objkind::Arrow, 0, 0, {{-100, -50}, {0, -50}, {0, -100}}},
      {objkind::CurveLArrow, 0, 0, {{50, -50}, {50, -100}, {-150, 150}}},
      {objkind::CurveArrow, 0, 0, {{0, -50}, {0, -100}, {-300, 150}}},
      {objkind::Cylinder, 0, 0, {{0, -70}}},
      {objkind::Cube, 0, 0, {{-50, 75}}},
      {objkind::Button, 0, 0, {{150, 100}}},
      {objkind::Pyramid, 0, 0, {{0, 150}}},
      {objkind::SlipRect, 0, 0, {{-150, 150}}},
      {objkind::SlipRound, 0, 0, {{-150, 150}}},
      {objkind::SlipCloud, 0, 0, {{-150, 200}}},
      {objkind::SlipSCloud, 0, 0, {{-150, 166}}},
  };
  for (const Case& c : cases) {
    const ObjectRecord rec = MakeFigure(c.kind, c.variant, c.n, {0, 0});
    EXPECT_TRUE(HasShapeHandles(c.kind));
    EXPECT_EQ(ShapeHandles(rec, 1.0f), c.want) << "kind " << c.kind;
  }
}

TEST(ShapeHandles, EditableKindsHaveNone) {
  for (int kind : {int{objkind::Line}, int{objkind::Polygon}, int{objkind::Char}, 3, 99}) {
    EXPECT_FALSE(HasShapeHandles(kind));
    EXPECT_TRUE(ShapeHandlePoints(kind, std::vector<QPoint>(20, QPoint(1, 1))).empty());
  }
}

TEST(ShapeHandles, HandlesTurnAndZoomWithTheOutline) {
  ObjectRecord rec = MakeFigure(objkind::Arrow, 0, 0, {500, 400});
  rec.Angle = kPi;  // half a turn: each handle lands opposite the centre
  const std::vector<QPoint> h = ShapeHandles(rec, 2.0f);
  const QPoint want[] = {{1200, 900}, {1000, 900}, {1000, 1000}};
  ASSERT_EQ(h.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(h[i].x(), want[i].x(), 2) << i;
    EXPECT_NEAR(h[i].y(), want[i].y(), 2) << i;
  }
}

TEST(ShapeHandles, ShortListsLoseOnlyTheMissingHandles) {
  const std::vector<QPoint> three = {{1, 1}, {2, 2}, {3, 3}};
  EXPECT_EQ(ShapeHandlePoints(objkind::CurveLArrow, three), (std::vector<QPoint>{{2, 2}, {3, 3}}));
  EXPECT_TRUE(ShapeHandlePoints(objkind::Cylinder, three).empty());
}
