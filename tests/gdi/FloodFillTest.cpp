// Flood fills: 4-connected, exact colours, up to a border or over one surface colour.
#include <gtest/gtest.h>

#include "GdiFixtures.h"
#include "render/gdi/Dc.h"

namespace {

using namespace fixtures;

// A black frame whose lower right corner touches only diagonally.
QImage DiagonalGap() {
  QImage image = Blank(6, 6);
  gdi::Dc dc(image);
  for (QPoint p : {QPoint(1, 1), QPoint(2, 1), QPoint(3, 1), QPoint(4, 1), QPoint(1, 2), QPoint(4, 2),
                   QPoint(1, 3), QPoint(4, 3), QPoint(1, 4), QPoint(2, 4), QPoint(3, 4)})
    dc.SetPixel(p.x(), p.y(), kBlack);
  return image;
}

TEST(FloodFill, DoesNotLeakThroughADiagonalGap) {
  QImage image = DiagonalGap();
  gdi::Dc dc(image);
  dc.SelectBrush({kRed});
  EXPECT_TRUE(dc.FloodFill(2, 2, kBlack));
  const std::string expected = Rows({
      "......",
      ".####.",
      ".#rr#.",
      ".#rr#.",
      ".###..",
      "......",
  });
  EXPECT_EQ(Picture(image, kLegend), expected);
}

TEST(FloodFill, FillsAroundTheBorderFromOutside) {
  QImage image = DiagonalGap();
  gdi::Dc dc(image);
  dc.SelectBrush({kGreen});
  EXPECT_TRUE(dc.FloodFill(0, 0, kBlack));
  const std::string expected = Rows({
      "gggggg",
      "g####g",
      "g#..#g",
      "g#..#g",
      "g###gg",
      "gggggg",
  });
  EXPECT_EQ(Picture(image, kLegend), expected);
}

TEST(FloodFill, StartingOnTheBorderOrOutsideFillsNothing) {
  QImage image = DiagonalGap();
  gdi::Dc dc(image);
  dc.SelectBrush({kRed});
  EXPECT_FALSE(dc.FloodFill(1, 1, kBlack));
  EXPECT_FALSE(dc.FloodFill(-1, 2, kBlack));
  EXPECT_FALSE(dc.FloodFill(6, 0, kBlack));
  EXPECT_EQ(Picture(image, kLegend), Picture(DiagonalGap(), kLegend));
}

TEST(FloodFill, TheBrushColourMayEqualTheArea) {
  QImage image = DiagonalGap();
  gdi::Dc dc(image);
  dc.SelectBrush({kWhite});
  EXPECT_TRUE(dc.FloodFill(2, 2, kBlack));
  EXPECT_EQ(Picture(image, kLegend), Picture(DiagonalGap(), kLegend));
}

TEST(ExtFloodFill, SurfaceFillsOnlyExactlyThatColour) {
  QImage image = Blank(5, 1);
  gdi::Dc dc(image);
  dc.SetPixel(0, 0, gdi::kTransparentKey);
  dc.SetPixel(1, 0, gdi::kTransparentKey);
  dc.SetPixel(2, 0, 0xFFF7FE);
  dc.SetPixel(3, 0, gdi::kTransparentKey);
  dc.SelectBrush({kBlue});
  EXPECT_TRUE(dc.ExtFloodFill(0, 0, gdi::kTransparentKey, gdi::FloodType::Surface));
  EXPECT_EQ(Picture(image, {{'b', kBlue}, {'k', gdi::kTransparentKey}, {'n', 0xFFF7FE}, {'.', kWhite}}),
            Rows({"bbnk."}));
  EXPECT_FALSE(dc.ExtFloodFill(4, 0, gdi::kTransparentKey, gdi::FloodType::Surface));
}

TEST(ExtFloodFill, NoColourPixelsAreAColourOfTheirOwn) {
  QImage image = Blank(4, 1, kBlack);
  gdi::Dc dc(image);
  dc.MarkNoColor(QRect(1, 0, 2, 1));
  dc.SelectBrush({kRed});
  EXPECT_TRUE(dc.ExtFloodFill(1, 0, kNoColor, gdi::FloodType::Surface));
  EXPECT_EQ(Picture(image, kLegend), Rows({"#rr#"}));
}

TEST(FloodFill, WorksInViewCoordinates) {
  QImage image = DiagonalGap();
  gdi::Dc dc(image);
  dc.SetWindowOrg(QPoint(100, 200));
  dc.SelectBrush({kRed});
  EXPECT_TRUE(dc.FloodFill(102, 202, kBlack));
  EXPECT_EQ(gdi::FromQRgb(image.pixel(3, 3)), kRed);
}

TEST(FloodFill, APatternBrushIsAlignedWithTheSurfaceNotTheView) {
  QImage pattern = Blank(2, 1, kRed);
  gdi::Row(pattern, 0)[1] = gdi::ToQRgb(kGreen);
  QImage image = Blank(5, 2);
  gdi::Dc dc(image);
  dc.SetWindowOrg(QPoint(1, 0));
  dc.SelectBrush(gdi::Brush::Pattern(pattern));
  EXPECT_TRUE(dc.FloodFill(3, 0, kBlack));
  EXPECT_EQ(Picture(image, kLegend), Rows({"rgrgr", "rgrgr"}));
}

}  // namespace
