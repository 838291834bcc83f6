#include "editor/HitTest.h"

#include <gtest/gtest.h>

#include "EditorFixtures.h"
#include "geometry/Angles.h"
#include "geometry/DefaultOutline.h"
#include "geometry/MathSub.h"
#include "geometry/ShapeHandles.h"

namespace {

using editorfixtures::Add;
using editorfixtures::Rect;
using editorfixtures::Shape;

class HitTest : public ::testing::Test {
 protected:
  void SetUp() override { editorfixtures::Reset(doc); }
  HitScene Scene(int primary = -1) const { return editorfixtures::Scene(doc, primary); }
  Document doc;
};

TEST(HandleSquare, LeftAndTopEdgesInRightAndBottomOut) {
  const QPoint h(100, 100);
  EXPECT_TRUE(InHandleSquare(h, {95, 100}));
  EXPECT_TRUE(InHandleSquare(h, {100, 95}));
  EXPECT_TRUE(InHandleSquare(h, {95, 95}));
  EXPECT_TRUE(InHandleSquare(h, {104, 104}));
  EXPECT_FALSE(InHandleSquare(h, {105, 100}));
  EXPECT_FALSE(InHandleSquare(h, {100, 105}));
  EXPECT_FALSE(InHandleSquare(h, {94, 100}));
}

TEST_F(HitTest, ResizeHandlesComeFromTheRecordWithTheirCursors) {
  Add(doc, renderfixtures::Box(QRect(100, 100, 101, 51), 0xFFFFFF, 0), true);  // 100..200 x 100..150
  struct Case { QPoint p; int handle; CursorId cursor; } cases[] = {
      {{95, 95}, 0, CursorId::Size331},   {{204, 104}, 1, CursorId::Size335},
      {{200, 150}, 2, CursorId::Size331}, {{100, 150}, 3, CursorId::Size335},
      {{150, 100}, 4, CursorId::Size333}, {{200, 125}, 5, CursorId::Size337},
      {{150, 150}, 6, CursorId::Size333}, {{96, 125}, 7, CursorId::Size337},
  };
  for (const Case& c : cases) {
    const HandleHit hit = HitResizeHandle(Scene(0), c.p);
    EXPECT_EQ(hit.index, 0) << c.handle;
    EXPECT_EQ(hit.handle, c.handle);
    EXPECT_EQ(hit.cursor, c.cursor);
  }
  EXPECT_EQ(HitResizeHandle(Scene(0), {205, 150}).index, -1);
  doc.View(0).Selected = 0;
  EXPECT_EQ(HitResizeHandle(Scene(), {200, 150}).index, -1);
}

TEST_F(HitTest, DesignTextHasNoResizeHandles) {
  Add(doc, Rect(objclass::DText, objkind::DText, QRect(100, 100, 101, 51)), true);
  EXPECT_EQ(HitResizeHandle(Scene(0), {200, 150}).index, -1);
  EXPECT_EQ(HitRotationCentre(Scene(0), {150, 125}), -1);
}

TEST_F(HitTest, HandlesPickTheLowestIndexAndBodiesTheHighest) {
  const QRect r(100, 100, 101, 101);
  Add(doc, renderfixtures::Box(r, 0xFFFFFF, 0), true);
  Add(doc, renderfixtures::Box(r, 0xFFFFFF, 0), true);
  ObjectRecord e1 = Rect(objclass::Figure, objkind::Ellipse, r);
  ASSERT_TRUE(DefaultOutline(e1, 11, 0));
  Add(doc, e1, true);
  Add(doc, e1, true);
  EXPECT_EQ(HitResizeHandle(Scene(1), {200, 200}).index, 0);
  EXPECT_EQ(HitObject(Scene(1), {150, 150}).index, 3);
  const std::vector<QPoint> handles = ShapeHandles(doc.Object(2), 1.0f);
  ASSERT_FALSE(handles.empty());
  const HandleHit shape = HitShapeHandle(Scene(1), handles[0]);
  EXPECT_EQ(shape.index, 2);
  EXPECT_EQ(shape.handle, 0);
  EXPECT_EQ(shape.cursor, CursorId::Vertex);
}

TEST_F(HitTest, RotationCircleKeepsItsScreenSizeAtZoomTwo) {
  ObjectRecord box = renderfixtures::Box(QRect(100, 100, 101, 51), 0xFFFFFF, 0);  // centre (150, 125)
  box.RoundR = 40;
  Add(doc, box, true);
  doc.Header().Zoom = 2.0f;
  const CircleHit hit = HitRotationCircle(Scene(0), {340, 250});
  EXPECT_EQ(hit.index, 0);
  EXPECT_EQ(hit.centre, QPoint(300, 250));
  EXPECT_EQ(HitRotationCircle(Scene(0), {300, 294}).index, 0);   // 44 from the centre
  EXPECT_EQ(HitRotationCircle(Scene(0), {380, 250}).index, -1);  // a zoomed radius would be 80
  EXPECT_EQ(HitRotationCircle(Scene(-1), {340, 250}).index, -1);  // only with a primary object
  EXPECT_EQ(HitRotationRadius(Scene(0), {340, 250}), 0);
  EXPECT_EQ(HitRotationRadius(Scene(0), {380, 250}), -1);
  EXPECT_EQ(HitRotationCentre(Scene(0), {305, 250}), 0);
  EXPECT_EQ(HitRotationCentre(Scene(0), {306, 250}), -1);
}

TEST_F(HitTest, VertexWithinEightSlideUnitsAtAnyZoom) {
  Add(doc, Shape(objkind::Line, {{100, 100}, {200, 100}, {200, 200}}), true);
  ObjectHit hit = HitObject(Scene(), {107, 100});
  EXPECT_EQ(hit.index, 0);
  EXPECT_EQ(hit.cls, objclass::Figure);
  EXPECT_EQ(hit.vertex, 0);
  hit = HitObject(Scene(), {108, 100});
  EXPECT_EQ(hit.vertex, kEdge);
  EXPECT_EQ(hit.edgeA, 0);
  EXPECT_EQ(hit.edgeB, 1);
  doc.Header().Zoom = 2.0f;
  EXPECT_EQ(HitObject(Scene(), {410, 210}).vertex, 1);  // slide (205, 105)
  EXPECT_EQ(HitObject(Scene(), {300, 201}).vertex, kEdge);  // slide (150, 100)
  EXPECT_FALSE(HitObject(Scene(), {416, 200}).Hit());       // slide (208, 100), beyond the end
}

TEST_F(HitTest, ClosingEdgeBelongsToPolygonsButNotToLines) {
  const auto points = {QPoint(100, 100), QPoint(200, 100), QPoint(200, 200)};
  Add(doc, Shape(objkind::Polygon, points));
  ObjectHit hit = HitObject(Scene(), {147, 150});  // beside the diagonal, outside the triangle
  EXPECT_EQ(hit.vertex, kEdge);
  EXPECT_EQ(hit.edgeA, 0);
  EXPECT_EQ(hit.edgeB, 2);
  doc.Object(0).ObjKind = objkind::Line;
  EXPECT_FALSE(HitObject(Scene(), {147, 150}).Hit());
}

TEST_F(HitTest, CurvedOutlinesHaveEdgesBetweenAnchorsOnly) {
  ObjectRecord curve = Shape(objkind::Line, {{100, 100}, {150, 300}, {250, 300}, {300, 100}});
  curve.Curve = 1;
  Add(doc, curve);
  ObjectHit hit = HitObject(Scene(), {200, 102});
  EXPECT_EQ(hit.vertex, kEdge);
  EXPECT_EQ(hit.edgeA, 0);
  EXPECT_EQ(hit.edgeB, 3);
  EXPECT_FALSE(HitObject(Scene(), {200, 302}).Hit());  // beside the controls' chord
  doc.Object(0).Curve = 0;
  hit = HitObject(Scene(), {200, 302});
  EXPECT_EQ(hit.edgeA, 1);
  EXPECT_EQ(hit.edgeB, 2);
}

TEST_F(HitTest, ThinLinesStayHittableWhenZoomedOut) {
  Add(doc, Shape(objkind::Line, {{100, 100}, {900, 100}}));
  doc.Header().Zoom = 0.25f;
  EXPECT_EQ(HitObject(Scene(), {125, 27}).vertex, kEdge);  // slide (500, 108): 2 view pixels off
  EXPECT_FALSE(HitObject(Scene(), {125, 30}).Hit());        // 5 view pixels off
  EXPECT_DOUBLE_EQ(EdgeReach(1, 0.25f), 16.0);  // four view pixels
  EXPECT_DOUBLE_EQ(EdgeReach(10, 2.0f), 20.0);  // the line width wins when larger
  EXPECT_DOUBLE_EQ(EdgeReach(1, 1.0f), 4.0);
}

TEST_F(HitTest, ImagesAndDesignTextAreHitInsideTheirRotatedFrame) {
  ObjectRecord text = Rect(objclass::DText, objkind::DText, QRect(100, 100, 201, 101));  // centre (200, 150)
  text.Angle = kPi / 2;
  Add(doc, text);
  EXPECT_EQ(HitObject(Scene(), {200, 240}).index, 0);  // the frame turned upright
  EXPECT_FALSE(HitObject(Scene(), {290, 150}).Hit());
  const ObjectHit hit = HitObject(Scene(), {200, 150});
  EXPECT_EQ(hit.cls, objclass::DText);
  EXPECT_EQ(hit.vertex, kBody);
}

TEST_F(HitTest, FiguresWithoutFillOrLineAreHitInTheirBounds) {
  ObjectRecord tri = Shape(objkind::Polygon, {{100, 100}, {300, 100}, {300, 300}});
  Add(doc, tri);
  EXPECT_FALSE(HitObject(Scene(), {120, 280}).Hit());  // below the diagonal
  doc.Object(0).refMen = doc.Object(0).refLine = kNoColor;
  EXPECT_EQ(HitObject(Scene(), {120, 280}).vertex, kBody);
}

TEST_F(HitTest, ObjectsOfOtherSlidesAreNeverHit) {
  Add(doc, renderfixtures::Box(QRect(100, 100, 101, 101), 0xFFFFFF, 0, 1), true);
  EXPECT_FALSE(HitObject(Scene(), {150, 150}).Hit());
  EXPECT_EQ(HitResizeHandle(Scene(0), {200, 200}).index, -1);
}

TEST(TextBoxHandles, SitAroundTheBoxWithFiveBelow) {
  const Bounds b{100, 100, 200, 150};
  const auto h = TextBoxHandles(b);
  EXPECT_EQ(h[0], QPoint(98, 98));
  EXPECT_EQ(h[2], QPoint(202, 157));
  EXPECT_EQ(HitTextBoxHandle(b, {197, 152}), 2);
  EXPECT_EQ(HitTextBoxHandle(b, {150, 125}), -1);
}

}  // namespace
