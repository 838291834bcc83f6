// Stroke paths: the general contour rule and the rules of the special kinds.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "OutlineFixtures.h"
#include "geometry/Angles.h"
#include "geometry/Rotation.h"
#include "geometry/StrokePath.h"

namespace {

std::vector<QPoint> AllPoints(const std::vector<PathPiece>& path) {
  std::vector<QPoint> pts;
  for (const PathPiece& p : path) {
    if (p.kind == PieceKind::Arc) {
      pts.insert(pts.end(), {QPoint(p.box.left, p.box.top), QPoint(p.box.right, p.box.bottom)});
    } else {
      pts.insert(pts.end(), p.points.begin(), p.points.end());
    }
  }
  return pts;
}

// Closed when every piece end meets another piece end (each end point is used
// an even number of times); an arc always closes on itself.
bool EndsPair(const std::vector<PathPiece>& path) {
  std::map<std::pair<int, int>, int> uses;
  for (const PathPiece& p : path) {
    if (p.kind == PieceKind::Arc) continue;
    ++uses[{p.points.front().x(), p.points.front().y()}];
    ++uses[{p.points.back().x(), p.points.back().y()}];
  }
  for (const auto& [pt, n] : uses) {
    if (n % 2) return false;
  }
  return true;
}

StrokeInput Input(int kind, const std::vector<QPoint>& pts, bool closed, bool curved) {
  StrokeInput in;
  in.kind = kind;
  in.points = pts;
  in.closed = closed;
  in.curved = curved;
  return in;
}

}  // namespace

TEST(StrokePath, EveryFactoryShapeGivesAWellFormedPathInsideItsBounds) {
  const std::set<int> openKinds = {objkind::Line, objkind::Cylinder, objkind::Cube, objkind::Pyramid};
  for (const FactoryShape& s : FactoryShapes()) {
    SCOPED_TRACE(testing::Message() << "kind " << s.kind << " variant " << s.variant);
    for (double angle : {0.0, 0.9}) {
      ObjectRecord rec = MakeFigure(s.kind, s.variant, s.n);
      rec.Angle = angle;
      const float zoom = 1.5f;
      const QPoint origin(100, 50);
      const std::vector<PathPiece> path = StrokePath(rec, zoom, origin);
      ASSERT_FALSE(path.empty());
      for (const PathPiece& p : path) {
        if (p.kind == PieceKind::Bezier) {
          EXPECT_EQ(p.points.size() % 3, 1u);
        }
        if (p.kind != PieceKind::Arc) {
          EXPECT_GE(p.points.size(), 2u);
        }
      }
      Bounds b = CMathSub::BoundingRect(RotatePoints(rec, zoom));
      b = {b.left - origin.x(), b.top - origin.y(), b.right - origin.x(), b.bottom - origin.y()};
      for (const QPoint& p : AllPoints(path)) {
        EXPECT_TRUE(p.x() >= b.left - 1 && p.x() <= b.right + 1 && p.y() >= b.top - 1 &&
                    p.y() <= b.bottom + 1)
            << p.x() << "," << p.y();
      }
      if (s.kind == objkind::Memo) {
        // The outline closes; the fold is a separate stroke on top.
        EXPECT_TRUE(EndsPair({path[0], path[1]}));
      } else if (!openKinds.contains(s.kind)) {
        EXPECT_TRUE(EndsPair(path));
      }
      if (s.kind == objkind::Line) {
        EXPECT_EQ(path.size(), 1u);
        EXPECT_NE(path[0].points.front(), path[0].points.back());
      }
    }
  }
}

TEST(StrokePath, GeneralRuleDrawsEachClosedContourAndDropsTheRest) {
  const QPoint A(0, 0), B(10, 0), C(0, 10), D(50, 50), E(60, 50), F(50, 60), G(99, 99);
  const std::vector<QPoint> pts = {A, B, C, A, D, E, F, D, G};
  const auto path = StrokeOutline(Input(objkind::Polygon, pts, true, false));
  ASSERT_EQ(path.size(), 2u);
  EXPECT_EQ(path[0].points, (std::vector<QPoint>{A, B, C, A}));
  EXPECT_EQ(path[1].points, (std::vector<QPoint>{D, E, F, D}));
}

TEST(StrokePath, WithoutAClosedContourTheWholeListIsOnePath) {
  const std::vector<QPoint> square = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  const auto closed = StrokeOutline(Input(objkind::Polygon, square, true, false));
  ASSERT_EQ(closed.size(), 1u);
  EXPECT_EQ(closed[0].kind, PieceKind::Polyline);
  EXPECT_EQ(closed[0].points.size(), 5u);
  EXPECT_EQ(closed[0].points.back(), QPoint(0, 0));
  const auto open = StrokeOutline(Input(objkind::Line, square, false, false));
  EXPECT_EQ(open[0].points, square);

  // A closed curved list of 3n points gets its first point as the last anchor.
  std::vector<QPoint> curve;
  for (int i = 0; i < 6; ++i) curve.emplace_back(i * 10, i % 2 * 10);
  const auto bez = StrokeOutline(Input(objkind::Polygon, curve, true, true));
  ASSERT_EQ(bez.size(), 1u);
  EXPECT_EQ(bez[0].kind, PieceKind::Bezier);
  EXPECT_EQ(bez[0].points.size(), 7u);
  // A damaged curved line (not 3k + 1 points) keeps its longest valid start.
  const auto damaged = StrokeOutline(Input(objkind::Line, curve, false, true));
  EXPECT_EQ(damaged[0].points.size(), 4u);
}

TEST(StrokePath, CurvedContoursRestartThreeAfterTheirClose) {
  std::vector<QPoint> pts;
  for (int i = 0; i < 25; ++i) pts.emplace_back(i * 10, i % 2);
  pts[12] = pts[0];
  pts[24] = pts[15];
  const auto path = StrokeOutline(Input(objkind::Char, pts, true, true));
  ASSERT_EQ(path.size(), 2u);
  EXPECT_EQ(path[0].points.size(), 13u);
  EXPECT_EQ(path[1].points.front(), pts[15]);
  EXPECT_EQ(path[1].points.size(), 10u);
}

TEST(StrokePath, RoundRectCornersAreCubicsThroughTheCornerMidpoints) {
  const ObjectRecord rec = MakeFigure(objkind::RoundRect, 0, 0, {0, 0});
  const auto path = StrokePath(rec, 1.0f, {0, 0});
  ASSERT_EQ(path.size(), 8u);
  EXPECT_EQ(path[0].points, (std::vector<QPoint>{{-130, -100}, {130, -100}}));
  EXPECT_EQ(path[1].points,
            (std::vector<QPoint>{{-130, -100}, {-140, -100}, {-150, -90}, {-150, -80}}));
  EXPECT_EQ(path[3].points, (std::vector<QPoint>{{150, -80}, {150, -90}, {140, -100}, {130, -100}}));
}

TEST(StrokePath, MemoIsOutlineCurlAndFold) {
  const ObjectRecord rec = MakeFigure(objkind::Memo, 0, 0, {0, 0});
  const auto path = StrokePath(rec, 1.0f, {0, 0});
  ASSERT_EQ(path.size(), 3u);
  EXPECT_EQ(path[0].points.size(), 6u);
  EXPECT_EQ(path[1].points, (std::vector<QPoint>{{30, 30}, {45, 35}, {50, 40}, {50, 50}}));
  EXPECT_EQ(path[2].points, (std::vector<QPoint>{{50, 50}, {100, 0}}));
}

TEST(StrokePath, CircleIsAnArcWhileItsDiametersStayEqualAfterZoom) {
  ObjectRecord circle = MakeFigure(objkind::Ellipse, 10, 0, {300, 200});
  circle.Angle = 1.2;  // a circle looks the same turned
  const auto path = StrokePath(circle, 1.0f, {100, 100});
  ASSERT_EQ(path.size(), 1u);
  ASSERT_EQ(path[0].kind, PieceKind::Arc);
  const Bounds b = CMathSub::BoundingRect(RotatePoints(circle, 1.0f));
  const QPoint centre((b.left + b.right) / 2 - 100, (b.top + b.bottom) / 2 - 100);
  EXPECT_EQ(path[0].box, (Bounds{centre.x() - 100, centre.y() - 100, centre.x() + 100, centre.y() + 100}));
  EXPECT_EQ(path[0].start, centre + QPoint(0, 50));
  EXPECT_EQ(path[0].end, path[0].start);

  // 201 across and 200 down differ at zoom 1 but not at zoom 0.5.
  ObjectRecord nearly = MakeFigure(objkind::Ellipse, 10, 0, {0, 0});
  nearly.Points[3].x = 101;
  EXPECT_EQ(EllipseCircleDiameter(nearly, 1.0f), -1);
  EXPECT_EQ(EllipseCircleDiameter(nearly, 0.5f), 100);
  const auto bez = StrokePath(nearly, 1.0f, {0, 0});
  ASSERT_EQ(bez.size(), 1u);
  EXPECT_EQ(bez[0].kind, PieceKind::Bezier);
  EXPECT_EQ(bez[0].points.size(), 13u);

  const ObjectRecord oval = MakeFigure(objkind::Ellipse, 11);
  EXPECT_EQ(StrokePath(oval, 1.0f, {0, 0})[0].kind, PieceKind::Bezier);
}

TEST(StrokePath, FixedLayoutKindsWithDamagedCountsFallBackSafely) {
  const std::vector<QPoint> five = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {5, 5}};
  for (int kind : {objkind::RoundRect, objkind::Ellipse, objkind::Memo, objkind::Cylinder}) {
    const auto path = StrokeOutline(Input(kind, five, true, false));
    ASSERT_EQ(path.size(), 1u) << kind;
    EXPECT_EQ(path[0].points.size(), 6u) << kind;
  }
  EXPECT_TRUE(StrokeOutline(Input(objkind::Polygon, {}, true, false)).empty());
}
