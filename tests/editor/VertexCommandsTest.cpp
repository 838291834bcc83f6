#include "editor/VertexCommands.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/MessageIds.h"
#include "editor/OutlineDrags.h"
#include "geometry/Angles.h"
#include "tests/editor/EditorFixtures.h"

namespace {

using editorfixtures::Shape;

std::vector<QPoint> Points(const ObjectRecord& r) {
  std::vector<QPoint> out;
  for (int k = 0; k < r.PointNum; ++k) out.emplace_back(r.Points[k].x, r.Points[k].y);
  return out;
}

TEST(VertexCommandsTest, InsertPutsPointsOnTheEdge) {
  struct Case {
    const char* name;
    std::uint16_t kind;
    int a, b, n;
    std::vector<QPoint> expected;
  };
  const Case cases[] = {
      {"one on an open line", objkind::Line, 0, 1, 1, {{0, 0}, {50, 0}, {100, 0}, {100, 100}}},
      {"two at the quarters", objkind::Line, 0, 1, 2, {{0, 0}, {25, 0}, {75, 0}, {100, 0}, {100, 100}}},
      {"three, edge given backwards", objkind::Line, 2, 1, 3,
       {{0, 0}, {100, 0}, {100, 25}, {100, 50}, {100, 75}, {100, 100}}},
      {"closing edge goes after the last", objkind::Polygon, 0, 2, 1, {{0, 0}, {100, 0}, {100, 100}, {50, 50}}},
      {"closing edge given backwards", objkind::Polygon, 2, 0, 2,
       {{0, 0}, {100, 0}, {100, 100}, {75, 75}, {25, 25}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ObjectRecord r = Shape(c.kind, {{0, 0}, {100, 0}, {100, 100}});
    r.PointFixed[2] = 1;
    ASSERT_TRUE(InsertVertices(r, c.a, c.b, c.n));
    EXPECT_EQ(Points(r), c.expected);
    const int last = r.PointNum - 1;
    const bool lastMoved = Points(r)[last] == QPoint(100, 100);
    EXPECT_EQ(r.PointFixed[lastMoved ? last : 2], 1) << "the fixed flag follows its vertex";
  }
}

TEST(VertexCommandsTest, InsertChecksTheLimitBeforeChanging) {
  ObjectRecord r = Shape(objkind::Line, {{0, 0}, {100, 0}});
  r.PointNum = kMaxPoints - 1;
  const ObjectRecord before = r;
  const Result<void> refused = InsertVertices(r, 0, 1, 2);
  ASSERT_FALSE(refused);
  EXPECT_EQ(refused.error().id, msg::NoMoreCanBeAdded);
  EXPECT_EQ(std::memcmp(&r, &before, sizeof r), 0);
  EXPECT_TRUE(InsertVertices(r, 0, 1, 1)) << "exactly 200 is allowed";
  EXPECT_EQ(r.PointNum, kMaxPoints);
}

TEST(VertexCommandsTest, DeleteDownToTwoPoints) {
  ObjectRecord r = Shape(objkind::Line, {{0, 0}, {50, 5}, {100, 0}});
  r.PointFixed[2] = 1;
  ASSERT_TRUE(DeleteVertex(r, 1));
  EXPECT_EQ(Points(r), (std::vector<QPoint>{{0, 0}, {100, 0}}));
  EXPECT_EQ(r.PointFixed[1], 1);
  EXPECT_EQ(r.PointFixed[2], 0);
  const Result<void> refused = DeleteVertex(r, 0);
  ASSERT_FALSE(refused);
  EXPECT_EQ(refused.error().id, msg::FewerThanTwoPoints);
  EXPECT_EQ(r.PointNum, 2);
}

// Curved outlines: x is the vertex number, so the survivors are easy to read.
TEST(VertexCommandsTest, DeleteOnACurveRemovesAWholeSegment) {
  struct Case {
    const char* name;
    std::uint16_t kind;
    int count, v;
    std::vector<int> kept;
  };
  const Case cases[] = {
      {"line, first anchor", objkind::Line, 7, 0, {3, 4, 5, 6}},
      {"line, control", objkind::Line, 7, 1, {0, 4, 5, 6}},
      {"line, middle anchor", objkind::Line, 7, 3, {0, 4, 5, 6}},
      {"line, last anchor", objkind::Line, 7, 6, {0, 1, 2, 3}},
      {"closed, closing control", objkind::Polygon, 6, 5, {3, 4, 5}},
      {"closed, anchor", objkind::Polygon, 6, 3, {0, 4, 5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ObjectRecord r = Shape(c.kind, {{0, 0}, {1, 0}});
    r.Curve = 1;
    r.PointNum = static_cast<std::uint16_t>(c.count);
    for (int k = 0; k < c.count; ++k) r.Points[k] = {k, 0};
    ASSERT_TRUE(DeleteVertex(r, c.v));
    std::vector<int> kept;
    for (int k = 0; k < r.PointNum; ++k) kept.push_back(r.Points[k].x);
    EXPECT_EQ(kept, c.kept);
    EXPECT_EQ(r.PointNum % 3, c.kind == objkind::Line ? 1 : 0);
  }
  ObjectRecord single = Shape(objkind::Line, {{0, 0}, {1, 0}, {2, 0}, {3, 0}});
  single.Curve = 1;
  EXPECT_FALSE(DeleteVertex(single, 1)) << "one segment cannot go";
}

}  // namespace

namespace {

TEST(VertexCommandsTest, CurveOnBringsTheCountToItsStructure) {
  struct Case {
    const char* name;
    std::uint16_t kind;
    int count;
    int expected;
  };
  const Case cases[] = {
      {"line of 2 gains 2", objkind::Line, 2, 4},      {"line of 3 gains 1", objkind::Line, 3, 4},
      {"line of 4 stays", objkind::Line, 4, 4},        {"closed 4 gains 2", objkind::Polygon, 4, 6},
      {"closed 200 drops 2", objkind::Polygon, 200, 198}, {"line of 200 drops 1", objkind::Line, 200, 199},
      {"line of 199 stays", objkind::Line, 199, 199},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ObjectRecord r = Shape(c.kind, {{0, 0}, {1, 0}});
    r.PointNum = static_cast<std::uint16_t>(c.count);
    for (int k = 0; k < c.count; ++k) r.Points[k] = {4 * k, 0};
    ASSERT_TRUE(SetCurve(r, true));
    EXPECT_EQ(r.PointNum, c.expected);
    EXPECT_EQ(r.Points[r.PointNum - 1].x, 4 * (c.count - 1)) << "the last point stays last";
    EXPECT_EQ(r.PointNum % 3, c.kind == objkind::Line ? 1 : 0);
    EXPECT_FALSE(SetCurve(r, true));
    EXPECT_TRUE(SetCurve(r, false));
    EXPECT_EQ(r.PointNum, c.expected) << "switching off keeps the points";
  }
  ObjectRecord r = Shape(objkind::Line, {{0, 0}, {100, 0}});
  ASSERT_TRUE(SetCurve(r, true));
  EXPECT_EQ(Points(r), (std::vector<QPoint>{{0, 0}, {50, 0}, {75, 0}, {100, 0}}));
}

}  // namespace

namespace {

// Levelling works on the drawn outline, also of a turned object.
TEST(VertexCommandsTest, LevelWorksWhereTheVertexIsDrawn) {
  struct Case {
    double angle;
    bool horizontal, smaller;
  };
  const Case cases[] = {{0, true, true}, {0, false, false}, {kHalfPi, true, false}, {0.4, false, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.angle);
    ObjectRecord r = editorfixtures::Shape(objkind::Line, {{100, 100}, {300, 160}, {500, 100}});
    r.Angle = c.angle;
    const QPoint ref = DrawnVertex(r, c.smaller ? 0 : 1);
    const QPoint other = DrawnVertex(r, c.smaller ? 1 : 0);
    EXPECT_TRUE(LevelEdge(r, 1, 0, c.horizontal, c.smaller));
    const QPoint moved = DrawnVertex(r, c.smaller ? 1 : 0);
    EXPECT_NEAR(c.horizontal ? moved.y() : moved.x(), c.horizontal ? ref.y() : ref.x(), 1);
    EXPECT_NEAR(c.horizontal ? moved.x() : moved.y(), c.horizontal ? other.x() : other.y(), 1);
    EXPECT_EQ(DrawnVertex(r, c.smaller ? 0 : 1), ref) << "the reference stays";
  }
}

}  // namespace
