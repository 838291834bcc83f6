#include "editor/CSeiretu.h"

#include <gtest/gtest.h>

#include <numbers>

#include "editor/ObjectPlacement.h"
#include "geometry/ObjectFrame.h"
#include "tests/editor/EditorFixtures.h"

namespace {

using editorfixtures::Add;

ObjectRecord BoxAt(int l, int t, int r, int b, double angle = 0) {
  ObjectRecord o = renderfixtures::Box(QRect(QPoint(l, t), QPoint(r, b)), 0xFFFFFF, 0);
  o.CenterX = (l + r) / 2;
  o.CenterY = (t + b) / 2;
  o.Angle = angle;
  return o;
}

class SeiretuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    editorfixtures::Reset(doc);
    doc.Header().Zoom = 1.0f;
  }
  Bounds Box(int i) const { return UnitBox(doc.Object(i), 1.0f); }
  bool Run(SeiretuOp op, int primary) { return CSeiretu(doc, primary).Run(op); }
  Document doc;
};

// A plain box, a box turned a quarter (its frame 50 x 100) and the primary.
TEST_F(SeiretuTest, EdgesMeetThePrimaryAndOnlyThatAxisMoves) {
  struct Case {
    const char* name;
    SeiretuOp op;
    int Bounds::*edge;
  };
  const Case cases[] = {
      {"left", SeiretuOp::ToLeft, &Bounds::left},
      {"right", SeiretuOp::ToRight, &Bounds::right},
      {"top", SeiretuOp::ToTop, &Bounds::top},
      {"bottom", SeiretuOp::ToBottom, &Bounds::bottom},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    const int a = Add(doc, BoxAt(40, 300, 140, 340), true);
    const int b = Add(doc, BoxAt(500, 100, 600, 150, std::numbers::pi / 2), true);
    const int p = Add(doc, BoxAt(300, 400, 420, 480), true);
    const Bounds before[] = {Box(a), Box(b), Box(p)};
    EXPECT_TRUE(Run(c.op, p));
    EXPECT_EQ(Box(p), before[2]) << "the primary stays";
    const bool horizontal = c.op == SeiretuOp::ToLeft || c.op == SeiretuOp::ToRight;
    for (int i : {a, b}) {
      EXPECT_EQ(Box(i).*c.edge, Box(p).*c.edge);
      if (horizontal) EXPECT_EQ(Box(i).top, before[i].top);
      else EXPECT_EQ(Box(i).left, before[i].left);
      EXPECT_EQ(Box(i).right - Box(i).left, before[i].right - before[i].left) << "shape kept";
    }
    EXPECT_FALSE(Run(c.op, p)) << "already aligned";
  }
}

TEST_F(SeiretuTest, CentringMovesTheGroupAndKeepsItsSpacing) {
  const int a = Add(doc, BoxAt(10, 10, 60, 60), true);
  const int b = Add(doc, BoxAt(160, 200, 210, 250), true);
  Add(doc, BoxAt(0, 0, 20, 20), false);
  EXPECT_TRUE(Run(SeiretuOp::ToHCen, a));
  EXPECT_EQ(Box(b).left - Box(a).left, 150);
  EXPECT_NEAR((Box(a).left + Box(b).right) / 2.0, doc.Header().SlideW / 2.0, 1.0);
  EXPECT_EQ(Box(a).top, 10) << "vertical place kept";
  EXPECT_EQ(doc.Object(2).Points[0].x, 0) << "unselected objects stay";
  EXPECT_TRUE(Run(SeiretuOp::ToVCen, a));
  EXPECT_EQ(Box(b).top - Box(a).top, 190);
  EXPECT_NEAR((Box(a).top + Box(b).bottom) / 2.0, doc.Header().SlideH / 2.0, 1.0);
}

TEST_F(SeiretuTest, ASingleObjectIsCentredOnTheSlide) {
  const int a = Add(doc, BoxAt(10, 10, 110, 60), true);
  EXPECT_TRUE(CSeiretu::IsEnabled(doc, SeiretuOp::ToHCen));
  EXPECT_FALSE(CSeiretu::IsEnabled(doc, SeiretuOp::ToLeft));
  EXPECT_TRUE(Run(SeiretuOp::ToHCen, a));
  EXPECT_NEAR((Box(a).left + Box(a).right) / 2.0, doc.Header().SlideW / 2.0, 1.0);
}

TEST_F(SeiretuTest, SpacingKeepsTheEndsAndEvensTheGaps) {
  // Table order differs from the left-to-right order; one box is rotated.
  const int c = Add(doc, BoxAt(600, 50, 700, 100), true);
  const int a = Add(doc, BoxAt(0, 300, 50, 350), true);
  const int b = Add(doc, BoxAt(90, 200, 190, 230, std::numbers::pi / 2), true);
  const int d = Add(doc, BoxAt(120, 10, 140, 30), true);
  const Bounds firstBefore = Box(a);
  const Bounds lastBefore = Box(c);
  EXPECT_TRUE(Run(SeiretuOp::ToHKin, c));
  EXPECT_EQ(Box(a), firstBefore);
  EXPECT_EQ(Box(c), lastBefore);
  // Left to right: a, d, then b (its turned frame starts at 125).
  const int gap1 = Box(d).left - Box(a).right;
  const int gap2 = Box(b).left - Box(d).right;
  const int gap3 = Box(c).left - Box(b).right;
  EXPECT_EQ(gap1, 166);
  EXPECT_EQ(gap1, gap2);
  EXPECT_LE(std::abs(gap3 - gap1), 2) << "the last gap takes the truncation";
  EXPECT_EQ(Box(b).top, 165) << "vertical places kept";
}

TEST_F(SeiretuTest, OverlappingObjectsGetANegativeGap) {
  const int x = Add(doc, BoxAt(100, 0, 200, 50), true);
  const int y = Add(doc, BoxAt(130, 0, 230, 50), true);
  const int z = Add(doc, BoxAt(150, 0, 250, 50), true);
  EXPECT_TRUE(Run(SeiretuOp::ToHKin, x));
  // (150 + 100 - 100 - 300) / 2
  EXPECT_EQ(Box(y).left - Box(x).right, -75);
  EXPECT_EQ(Box(z).left - Box(y).right, -75);
}

TEST_F(SeiretuTest, SameSizeScalesTheOutlineAboutItsBoxCorner) {
  const int p = Add(doc, BoxAt(100, 100, 300, 200), true);
  const int a = Add(doc, BoxAt(400, 300, 450, 400), true);
  EXPECT_TRUE(Run(SeiretuOp::SameWH, p));
  EXPECT_EQ(Box(a).left, 400);
  EXPECT_EQ(Box(a).top, 300);
  EXPECT_EQ(Box(a).right - Box(a).left, 200);
  EXPECT_EQ(Box(a).bottom - Box(a).top, 100);
  EXPECT_EQ(doc.Object(a).CenterX, 425) << "the centre is not changed";
}

TEST_F(SeiretuTest, SameWidthOfARotatedObjectScalesItsStoredOutline) {
  const int p = Add(doc, BoxAt(100, 100, 300, 200), true);
  const int a = Add(doc, BoxAt(400, 300, 500, 350, std::numbers::pi / 4), true);
  const Bounds before = Box(a);
  EXPECT_TRUE(Run(SeiretuOp::SameW, p));
  EXPECT_NE(Box(a), before);
  EXPECT_EQ(doc.Object(a).Points[0].y, 300) << "height untouched";
}

TEST_F(SeiretuTest, SameSizePushesAGrownObjectBackOntoTheSlide) {
  const int p = Add(doc, BoxAt(0, 0, 600, 100), true);
  const int a = Add(doc, BoxAt(900, 300, 950, 400), true);
  EXPECT_TRUE(Run(SeiretuOp::SameW, p));
  EXPECT_LE(MarginBounds(doc.Object(a)).right, doc.Header().SlideW);
  EXPECT_EQ(Box(a).right - Box(a).left, 600);
}

TEST_F(SeiretuTest, NothingHappensWithoutAPrimaryOrWithTooFewObjects) {
  Add(doc, BoxAt(10, 10, 60, 60), true);
  Add(doc, BoxAt(100, 100, 160, 160), true);
  const QByteArray before = renderfixtures::DocumentBytes(doc);
  for (SeiretuOp op : {SeiretuOp::ToLeft, SeiretuOp::ToHCen, SeiretuOp::ToHKin, SeiretuOp::SameWH})
    EXPECT_FALSE(Run(op, -1));
  EXPECT_FALSE(Run(SeiretuOp::ToHKin, 0)) << "spacing needs three";
  EXPECT_EQ(renderfixtures::DocumentBytes(doc), before);
  EXPECT_TRUE(CSeiretu::IsEnabled(doc, SeiretuOp::SameW));
  EXPECT_FALSE(CSeiretu::IsEnabled(doc, SeiretuOp::ToVKin));
}

}  // namespace
