// The text box of each figure kind, its minimum size and its turned corners.
#include "render/TextBox.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "geometry/Angles.h"
#include "geometry/Rotation.h"
#include "tests/geometry/OutlineFixtures.h"

namespace {

Bounds BoxOf(const ObjectRecord& rec, float zoom) {
  const std::vector<QPoint> drawn = RotatePoints(rec, zoom);
  return TextBox(rec, drawn, zoom);
}

TEST(TextBox, ANarrowFigureStillGetsThirtyUnitsOfBox) {
  const ObjectRecord rec = FigureWith(objkind::Polygon, {{100, 100}, {120, 100}, {120, 300}, {100, 300}});
  const Bounds box = BoxOf(rec, 1.5f);
  EXPECT_EQ(box.left, 150);
  EXPECT_EQ(box.right - box.left, 45);  // not 30
  EXPECT_EQ(box.top, 150);
  EXPECT_EQ(box.bottom, 450);
  const Bounds flat = BoxOf(FigureWith(objkind::Line, {{10, 10}, {200, 10}}), 1.0f);
  EXPECT_EQ(flat.bottom - flat.top, 30);
}

TEST(TextBox, ShapedKindsKeepTheirTextOffTheParts) {
  for (const FactoryShape& s : FactoryShapes()) {
    if (s.kind < objkind::Job || s.kind == objkind::Pyramid) continue;
    const ObjectRecord rec = MakeFigure(s.kind, s.variant, s.n);
    const std::vector<QPoint> drawn = RotatePoints(rec, 1.0f);
    const Bounds all = CMathSub::BoundingRect(drawn);
    const Bounds box = TextBox(rec, drawn, 1.0f);
    // Inside the figure's bounds; smaller unless the parts left out lie within them.
    EXPECT_GE(box.left, all.left) << "kind " << s.kind;
    EXPECT_GE(box.top, all.top) << "kind " << s.kind;
    EXPECT_LE(box.right, all.right) << "kind " << s.kind;
    EXPECT_LE(box.bottom, all.bottom) << "kind " << s.kind;
    if (s.kind != objkind::Memo) {
      EXPECT_NE(box, all) << "kind " << s.kind;
    }
  }
}

TEST(TextBox, ARecordWithTooFewPointsForItsKindUsesAllOfThem) {
  const ObjectRecord rec =
      FigureWith(objkind::Cylinder, {{0, 0}, {100, 0}, {100, 80}, {0, 80}});
  EXPECT_EQ(BoxOf(rec, 1.0f), (Bounds{0, 0, 100, 80}));
}

TEST(TurnedBox, UprightCornersLieInsideTheMargins) {
  const auto [tl, tr, br, bl] = TurnedBox({100, 100, 400, 300}, {10, 20, 30, 40}, 0.0);
  EXPECT_EQ(tl, QPoint(110, 120));
  EXPECT_EQ(tr, QPoint(369, 120));
  EXPECT_EQ(br, QPoint(369, 259));
  EXPECT_EQ(bl, QPoint(110, 259));
}

TEST(TurnedBox, TurningUsesTheRightAndBottomMargins) {
  // Upside down, the top-left corner of the text lands at the bottom right of the
  // box inside its margins (give or take the truncation of the turn).
  const auto [tl, tr, br, bl] = TurnedBox({100, 100, 400, 300}, {0, 0, 60, 50}, kPi);
  EXPECT_LE(std::abs(tl.x() - 339), 2) << tl.x();
  EXPECT_LE(std::abs(tl.y() - 249), 2) << tl.y();
  EXPECT_LE(std::abs(br.x() - 100), 2) << br.x();
  EXPECT_LE(std::abs(br.y() - 100), 2) << br.y();
  // A quarter turn counter-clockwise: the lines run upward.
  const auto [qtl, qtr, qbr, qbl] = TurnedBox({0, 0, 200, 100}, {}, kHalfPi);
  EXPECT_LT(qtr.y(), qtl.y());
  EXPECT_LE(std::abs(qtl.y() - qtr.y()), 200);
  EXPECT_LE(std::abs(qtl.x() - qtr.x()), 1);
}

}  // namespace
