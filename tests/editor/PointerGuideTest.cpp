#include "editor/PointerGuide.h"

#include <gtest/gtest.h>

#include "EditorFixtures.h"

namespace {

using editorfixtures::Add;
using editorfixtures::Shape;

QString U(const char* s) { return QString::fromUtf8(s); }

// A slide of 1046 x 718 at zoom 1 in a 1200 x 800 client area, the console
// hidden far right.
class PointerGuide : public ::testing::Test {
 protected:
  void SetUp() override {
    editorfixtures::Reset(doc);
    doc.Header().ConsoleX = 1100;
    doc.Header().ConsoleY = 700;
  }
  PointerReport At(QPoint client) {
    PointerScene scene{editorfixtures::Scene(doc, sel.primary), sel,
                       ConsoleState::Of(doc.Header(), QSize(1200, 800), shown, active), QPoint(0, 0), QSize(1200, 800)};
    scene.guideOn = guideOn;
    return ClassifyPointer(scene, client);
  }
  Document doc;
  SelectionState sel;
  bool shown = false, active = false, guideOn = true;
};

TEST_F(PointerGuide, PositionInSlideUnitsInsideTheSlideOnly) {
  doc.Header().Zoom = 2.0f;
  EXPECT_EQ(At({201, 101}).position, "100, 50");
  doc.Header().Zoom = 1.0f;
  EXPECT_EQ(At({1045, 717}).position, "1045, 717");
  EXPECT_EQ(At({1046, 100}).position, "");
  EXPECT_EQ(At({100, 718}).position, "");
  EXPECT_EQ(At({-1, 100}).row, PointerRow::Outside);
  EXPECT_EQ(At({-1, 100}).position, "");
}

TEST_F(PointerGuide, SlideEdgesGiveTipsAndSizeCursors) {
  PointerReport r = At({1049, 300});
  EXPECT_EQ(r.row, PointerRow::SlideWidth);
  EXPECT_EQ(r.cursor, CursorId::SlideWidth);
  EXPECT_EQ(r.tip, "Width=1046");
  EXPECT_EQ(r.guide, U("左右にドラッグ＆ドロップしてビューの幅を変更することができます"));
  EXPECT_EQ(At({1050, 300}).row, PointerRow::Nothing);
  r = At({300, 721});
  EXPECT_EQ(r.row, PointerRow::SlideHeight);
  EXPECT_EQ(r.cursor, CursorId::SlideHeight);
  EXPECT_EQ(r.tip, "Height=718");
  EXPECT_EQ(At({300, 722}).tip, "");
  EXPECT_EQ(At({300, 300}).cursor, CursorId::Arrow);
}

TEST_F(PointerGuide, VertexGuideAlternatesWithTheRow) {
  const int line = Add(doc, Shape(objkind::Line, {{100, 100}, {250, 150}, {300, 300}}), true);
  sel.primary = line;
  const PointerReport odd = At({250, 151});
  const PointerReport even = At({250, 152});
  EXPECT_EQ(odd.row, PointerRow::Vertex);
  EXPECT_EQ(odd.cursor, CursorId::Vertex);
  EXPECT_EQ(odd.guide, U("ドラッグ＆ドロップして、この折点を移動することができます"));
  EXPECT_EQ(even.guide, U("方向キーの操作で、この折点を移動することができます。Ctrlキー押下時は、微移動します"));
  doc.Object(line).PointFixed[1] = 1;
  EXPECT_EQ(At({250, 151}).guide, At({250, 152}).guide);
  guideOn = false;
  EXPECT_EQ(At({250, 151}).guide, "");
  EXPECT_EQ(At({250, 151}).cursor, CursorId::Vertex);
}

TEST_F(PointerGuide, ObjectRowsBySelectionAndPartHit) {
  const int poly = Add(doc, Shape(objkind::Polygon, {{100, 100}, {400, 100}, {400, 400}, {100, 400}}));
  EXPECT_EQ(At({250, 250}).row, PointerRow::Unselected);
  EXPECT_EQ(At({250, 250}).cursor, CursorId::Hand);
  EXPECT_EQ(At({250, 250}).object, poly);
  doc.View(poly).Selected = 1;
  sel = SelectionState{poly};
  EXPECT_EQ(At({200, 200}).row, PointerRow::Move);
  EXPECT_EQ(At({200, 200}).cursor, CursorId::Move);
  EXPECT_EQ(At({150, 401}).row, PointerRow::OtherEdge);
  sel.edgeA = 2;
  sel.edgeB = 3;
  PointerReport r = At({150, 401});
  EXPECT_EQ(r.row, PointerRow::SelectedEdge);
  EXPECT_EQ(r.cursor, CursorId::EdgeMove);
  EXPECT_EQ(At({150, 402}).guide, U("ドラッグ＆ドロップして、この辺の移動ができます"));
  doc.Object(poly).PointFixed[3] = 1;
  EXPECT_EQ(At({150, 402}).guide,
            U("左右の折点が（固定されていない）黄色のときは、ドラッグ＆ドロップで『辺』の移動ができます"));
}

TEST_F(PointerGuide, HandlesComeBeforeTheBody) {
  ObjectRecord box = renderfixtures::Box(QRect(100, 100, 301, 301), 0xFFFFFF, 0);  // centre (250, 250)
  box.RoundR = 40;
  const int i = Add(doc, box, true);
  sel.primary = i;
  EXPECT_EQ(At({250, 250}).row, PointerRow::RotationCentre);
  EXPECT_EQ(At({250, 250}).cursor, CursorId::CentreMove);
  EXPECT_EQ(At({400, 400}).row, PointerRow::ResizeHandle);
  EXPECT_EQ(At({400, 400}).cursor, CursorId::Size331);
  EXPECT_EQ(At({290, 250}).row, PointerRow::RotationRadius);
  EXPECT_EQ(At({250, 290}).row, PointerRow::RotationCircle);
  EXPECT_EQ(At({250, 290}).cursor, CursorId::Rotate);
  EXPECT_NE(At({250, 291}).guide, At({250, 290}).guide);
}

TEST_F(PointerGuide, HoverShowsTheConsoleAndItsButtons) {
  PointerReport r = At({1100, 700});
  EXPECT_EQ(r.row, PointerRow::Console);
  EXPECT_TRUE(r.showConsole);
  EXPECT_EQ(r.cursor, CursorId::Hand);
  shown = true;
  EXPECT_FALSE(At({1100, 700}).showConsole);
  EXPECT_EQ(At({1100, 655}).cursor, CursorId::ZoomIn);
  EXPECT_EQ(At({1100, 745}).cursor, CursorId::ZoomOut);
  active = true;
  EXPECT_EQ(At({1100, 700}).cursor, CursorId::Move);
  EXPECT_EQ(At({1100 + 70, 700}).row, PointerRow::Ring);
  EXPECT_EQ(At({1100 + 70, 700}).cursor, CursorId::Rotate);
}

}  // namespace
