// Rectangles, ellipses, polygons, polylines, Bézier chains and arcs, pixel by pixel.
#include <gtest/gtest.h>

#include <vector>

#include "GdiFixtures.h"
#include "render/gdi/Dc.h"

namespace {

using namespace fixtures;
using gdi::Pen;
using gdi::PenStyle;

const Pen kThinBlack(PenStyle::Solid, 1, kBlack);
const Pen kNoPen(PenStyle::Null, 1, kBlack);

TEST(Rectangle, OutlineOnTheOutermostPixelsAndRightAndBottomExcluded) {
  QImage image = Blank(6, 5);
  gdi::Dc dc(image);
  dc.SelectPen(kThinBlack);
  dc.SelectBrush({kRed});
  dc.Rectangle(0, 0, 4, 3);
  const std::string expected = Rows({
      "####..",
      "#rr#..",
      "####..",
      "......",
      "......",
  });
  EXPECT_EQ(Picture(image, kLegend), expected);
}

TEST(Rectangle, CornersInAnyOrderDrawTheSameBox) {
  QImage a = Blank(6, 5), b = Blank(6, 5);
  gdi::Dc da(a), db(b);
  for (gdi::Dc* dc : {&da, &db}) {
    dc->SelectPen(kThinBlack);
    dc->SelectBrush({kRed});
  }
  da.Rectangle(1, 1, 5, 4);
  db.Rectangle(5, 4, 1, 1);
  EXPECT_EQ(Picture(a, kLegend), Picture(b, kLegend));
}

TEST(Rectangle, WithoutAPenTheBrushCoversOnePixelLess) {
  QImage image = Blank(6, 5);
  gdi::Dc dc(image);
  dc.SelectPen(kNoPen);
  dc.SelectBrush({kRed});
  dc.Rectangle(1, 1, 5, 4);
  const std::string expected = Rows({
      "......",
      ".rrr..",
      ".rrr..",
      "......",
      "......",
  });
  EXPECT_EQ(Picture(image, kLegend), expected);
}

TEST(Rectangle, AHollowBrushLeavesTheInside) {
  QImage image = Blank(5, 4, kGreen);
  gdi::Dc dc(image);
  dc.SelectPen(kThinBlack);
  dc.SelectBrush({kNoColor, true});
  dc.Rectangle(0, 0, 5, 4);
  const std::string expected = Rows({
      "#####",
      "#ggg#",
      "#ggg#",
      "#####",
  });
  EXPECT_EQ(Picture(image, kLegend), expected);
}

TEST(Rectangle, WithoutWidthOrHeightDrawsNothing) {
  QImage image = Blank(4, 4);
  gdi::Dc dc(image);
  dc.SelectPen(kThinBlack);
  dc.SelectBrush({kRed});
  dc.Rectangle(1, 1, 1, 3);
  dc.Rectangle(0, 2, 4, 2);
  EXPECT_EQ(Picture(image, kLegend), Picture(Blank(4, 4), kLegend));
}

TEST(Ellipse, FitsInsideTheBoxWithRightAndBottomExcluded) {
  QImage image = Blank(6, 6);
  gdi::Dc dc(image);
  dc.SelectPen(kThinBlack);
  dc.SelectBrush({kRed});
  dc.Ellipse(0, 0, 5, 5);
  const std::string expected = Rows({
      ".###..",
      "#rrr#.",
      "#rrr#.",
      "#rrr#.",
      ".###..",
      "......",
  });
  EXPECT_EQ(Picture(image, kLegend), expected);
}

TEST(Ellipse, EvenAndOddSizesAreSymmetric) {
  QImage image = Blank(12, 7);
  gdi::Dc dc(image);
  dc.SelectPen(kThinBlack);
  dc.SelectBrush({kRed});
  dc.Ellipse(0, 0, 12, 7);
  const std::string expected = Rows({
      "...######...",
      ".##rrrrrr##.",
      "#rrrrrrrrrr#",
      "#rrrrrrrrrr#",
      "#rrrrrrrrrr#",
      ".##rrrrrr##.",
      "...######...",
  });
  EXPECT_EQ(Picture(image, kLegend), expected);
}

TEST(Ellipse, WithoutAPenTheBrushFillsTheWholeShape) {
  QImage image = Blank(12, 7);
  gdi::Dc dc(image);
  dc.SelectPen(kNoPen);
  dc.SelectBrush({kRed});
  dc.Ellipse(0, 0, 12, 7);
  const std::string expected = Rows({
      "...rrrrrr...",
      ".rrrrrrrrrr.",
      "rrrrrrrrrrrr",
      "rrrrrrrrrrrr",
      "rrrrrrrrrrrr",
      ".rrrrrrrrrr.",
      "...rrrrrr...",
  });
  EXPECT_EQ(Picture(image, kLegend), expected);
}

TEST(Ellipse, TwoPixelsWideOrLessIsARectangle) {
  QImage a = Blank(5, 6), b = Blank(5, 6);
  gdi::Dc da(a), db(b);
  for (gdi::Dc* dc : {&da, &db}) {
    dc->SelectPen(kThinBlack);
    dc->SelectBrush({kRed});
  }
  da.Ellipse(1, 0, 3, 6);
  db.Rectangle(1, 0, 3, 6);
  EXPECT_EQ(Picture(a, kLegend), Picture(b, kLegend));
}

// A pentagram drawn in one stroke: its middle is crossed twice.
const std::vector<QPoint> kStar = {{5, 0}, {8, 10}, {0, 3}, {10, 3}, {2, 10}};

TEST(Polygon, AlternateLeavesTheMiddleOfASelfOverlappingStar) {
  QImage image = Blank(11, 11);
  gdi::Dc dc(image);
  dc.SelectPen(kThinBlack);
  dc.SelectBrush({kRed});
  dc.Polygon(kStar);
  const std::string expected = Rows({
      ".....#.....",
      ".....#.....",
      "....#r#....",
      "###########",
      ".#rr#.#rr#.",
      "..##..#r#..",
      "...##.##...",
      "...#r#r#...",
      "...##.##...",
      "..##...##..",
      "..#.....#..",
  });
  EXPECT_EQ(Picture(image, kLegend), expected);
}

TEST(Polygon, WindingFillsTheMiddleToo) {
  QImage image = Blank(11, 11);
  gdi::Dc dc(image);
  dc.SelectPen(kThinBlack);
  dc.SelectBrush({kRed});
  dc.SetPolyFillMode(gdi::FillMode::Winding);
  dc.Polygon(kStar);
  const std::string expected = Rows({
      ".....#.....",
      ".....#.....",
      "....#r#....",
      "###########",
      ".#rr#r#rr#.",
      "..##rr#r#..",
      "...##r##...",
      "...#r#r#...",
      "...##.##...",
      "..##...##..",
      "..#.....#..",
  });
  EXPECT_EQ(Picture(image, kLegend), expected);
}

TEST(Polygon, FillCoversLeftAndTopEdgesButNotRightAndBottom) {
  QImage image = Blank(8, 6);
  gdi::Dc dc(image);
  dc.SelectPen(kNoPen);
  dc.SelectBrush({kRed});
  const QPoint triangle[] = {{1, 0}, {7, 0}, {1, 6}};
  dc.Polygon(triangle);
  const std::string expected = Rows({
      ".rrrrrr.",
      ".rrrrr..",
      ".rrrr...",
      ".rrr....",
      ".rr.....",
      ".r......",
  });
  EXPECT_EQ(Picture(image, kLegend), expected);
}

TEST(PolyPolygon, AnInnerPolygonMakesAHoleWithAlternate) {
  QImage image = Blank(8, 8);
  gdi::Dc dc(image);
  dc.SelectPen(kNoPen);
  dc.SelectBrush({kRed});
  const QPoint points[] = {{1, 1}, {7, 1}, {7, 7}, {1, 7}, {3, 3}, {5, 3}, {5, 5}, {3, 5}};
  const int counts[] = {4, 4};
  dc.PolyPolygon(points, counts);
  const std::string expected = Rows({
      "........",
      ".rrrrrr.",
      ".rrrrrr.",
      ".rr..rr.",
      ".rr..rr.",
      ".rrrrrr.",
      ".rrrrrr.",
      "........",
  });
  EXPECT_EQ(Picture(image, kLegend), expected);
}

TEST(PolyPolygon, APolygonOfFewerThanTwoPointsDrawsNothing) {
  QImage image = Blank(8, 8);
  gdi::Dc dc(image);
  dc.SelectPen(kThinBlack);
  dc.SelectBrush({kRed});
  const QPoint points[] = {{1, 1}, {7, 1}, {7, 7}, {3, 3}};
  const int counts[] = {3, 1};
  dc.PolyPolygon(points, counts);
  const int tooMany[] = {3, 3};
  dc.PolyPolygon(points, tooMany);
  EXPECT_EQ(Picture(image, kLegend), Picture(Blank(8, 8), kLegend));
}

TEST(Polyline, LeavesOutTheLastPoint) {
  QImage image = Blank(12, 8);
  gdi::Dc dc(image);
  dc.SelectPen(kThinBlack);
  const QPoint down[] = {{0, 0}, {11, 3}};
  const QPoint up[] = {{11, 7}, {0, 4}};
  dc.Polyline(down);
  dc.Polyline(up);
  const std::string expected = Rows({
      "##..........",
      "..####......",
      "......####..",
      "..........#.",
      ".#..........",
      "..####......",
      "......####..",
      "..........##",
  });
  EXPECT_EQ(Picture(image, kLegend), expected);
}

TEST(Polyline, ALineAndItsReverseShareTheirPixelsBarTheEnds) {
  // Where the ideal line runs exactly between two pixels (x = 1 and x = 3 here) GDI picks
  // the same one in both directions: the minor step comes early in octants 3, 5, 6 and 8.
  QImage forward = Blank(5, 3), backward = Blank(5, 3);
  gdi::Dc df(forward), db(backward);
  df.SelectPen(kThinBlack);
  db.SelectPen(kThinBlack);
  const QPoint there[] = {{0, 0}, {4, 2}};
  const QPoint back[] = {{4, 2}, {0, 0}};
  df.Polyline(there);
  db.Polyline(back);
  const std::string forwardPixels = Rows({
      "##...",
      "..##.",
      ".....",
  });
  const std::string backwardPixels = Rows({
      ".#...",
      "..##.",
      "....#",
  });
  EXPECT_EQ(Picture(forward, kLegend), forwardPixels);
  EXPECT_EQ(Picture(backward, kLegend), backwardPixels);
}

TEST(PolyBezier, StraightControlPointsGiveTheLine) {
  QImage curve = Blank(10, 3), line = Blank(10, 3);
  gdi::Dc dc(curve), dl(line);
  dc.SelectPen(kThinBlack);
  dl.SelectPen(kThinBlack);
  const QPoint bezier[] = {{0, 1}, {3, 1}, {6, 1}, {9, 1}};
  const QPoint straight[] = {{0, 1}, {9, 1}};
  dc.PolyBezier(bezier);
  dl.Polyline(straight);
  EXPECT_EQ(Picture(curve, kLegend), Picture(line, kLegend));
}

TEST(PolyBezier, ACurveStaysBetweenItsEndsAndLeavesOutTheLast) {
  QImage image = Blank(14, 8);
  gdi::Dc dc(image);
  dc.SelectPen(kThinBlack);
  const QPoint arch[] = {{0, 7}, {4, -3}, {9, -3}, {13, 7}};
  dc.PolyBezier(arch);
  const std::string expected = Rows({
      "....######....",
      "...#......#...",
      "..#.......#...",
      "..#........#..",
      ".#.........#..",
      ".#..........#.",
      "#...........#.",
      "#.............",
  });
  EXPECT_EQ(Picture(image, kLegend), expected);
}

TEST(PolyBezier, ACountOtherThanThreeKPlusOneDrawsNothing) {
  QImage image = Blank(6, 6);
  gdi::Dc dc(image);
  dc.SelectPen(kThinBlack);
  const QPoint five[] = {{0, 0}, {5, 0}, {5, 5}, {0, 5}, {2, 2}};
  dc.PolyBezier(five);
  EXPECT_EQ(Picture(image, kLegend), Picture(Blank(6, 6), kLegend));
}

int CountDifferences(const QImage& a, const QImage& b) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
  return n;
}

TEST(Arc, AFullTurnIsTheEllipseOutlineBarItsLastPixel) {
  QImage arc = Blank(12, 12), ellipse = Blank(12, 12);
  gdi::Dc da(arc), de(ellipse);
  da.SelectPen(kThinBlack);
  de.SelectPen(kThinBlack);
  de.SelectBrush({kNoColor, true});
  da.Arc(0, 0, 12, 12, {6, 56}, {6, 56});
  de.Ellipse(0, 0, 12, 12);
  EXPECT_EQ(CountDifferences(arc, ellipse), 1);
}

TEST(Arc, RunsCounterClockwiseFromStartToEnd) {
  QImage image = Blank(12, 12);
  gdi::Dc dc(image);
  dc.SelectPen(kThinBlack);
  dc.Arc(0, 0, 12, 12, {12, 6}, {6, 0});  // from the right to the top
  const std::string expected = Rows({
      "............",
      "........##..",
      "..........#.",
      "..........#.",
      "...........#",
      "...........#",
      "............",
      "............",
      "............",
      "............",
      "............",
      "............",
  });
  EXPECT_EQ(Picture(image, kLegend), expected);
}

}  // namespace
