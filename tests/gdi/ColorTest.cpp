// COLORREF and QRgb, and the pixel that holds no colour.
#include <gtest/gtest.h>

#include "GdiFixtures.h"
#include "render/gdi/Dc.h"

namespace {

using namespace fixtures;

TEST(Color, ColorrefIsBlueGreenRedFromTheTop) {
  EXPECT_EQ(gdi::ToQRgb(kRed), 0xFFFF0000u);
  EXPECT_EQ(gdi::ToQRgb(kBlue), 0xFF0000FFu);
  EXPECT_EQ(gdi::ToQRgb(0x123456), 0xFF563412u);
  EXPECT_EQ(gdi::FromQRgb(0xFF563412u), 0x123456);
  EXPECT_EQ(gdi::Rgb(0xFF, 0xF7, 0xFF), gdi::kTransparentKey);
  EXPECT_EQ(gdi::ToQColor(kRed), QColor(255, 0, 0));
}

TEST(Color, TheAlphaByteIsIgnoredOnTheWayBack) {
  EXPECT_EQ(gdi::FromQRgb(0x00563412u), 0x123456);
  EXPECT_EQ(gdi::FromQRgb(0x80000000u), kBlack);
}

TEST(NoColor, IsNeitherBlackNorTheKeyNorAnyColour) {
  EXPECT_EQ(gdi::ToQRgb(kNoColor), gdi::kNoColorPixel);
  EXPECT_EQ(gdi::FromQRgb(gdi::kNoColorPixel), kNoColor);
  for (COLORREF c : {kBlack, kWhite, gdi::kTransparentKey}) EXPECT_NE(gdi::ToQRgb(c), gdi::kNoColorPixel);
  EXPECT_EQ(gdi::ToQColor(kNoColor).alpha(), 0);
}

TEST(NoColor, AMarkedPixelReadsAsNoColourAndBlackStaysBlack) {
  QImage image = Blank(2, 1, kBlack);
  gdi::Dc dc(image);
  dc.MarkNoColor(QRect(1, 0, 1, 1));
  EXPECT_EQ(dc.GetPixel(0, 0), kBlack);
  EXPECT_EQ(dc.GetPixel(1, 0), kNoColor);
  EXPECT_EQ(Picture(image, kLegend), Rows({"#_"}));
  // Qt calls that force the alpha byte see the transparency key there, not black.
  EXPECT_EQ(gdi::FromQRgb(image.pixel(1, 0)), gdi::kTransparentKey);
}

TEST(NoColor, PensBrushesAndFillsOfNoColourDrawNothing) {
  QImage image = Blank(4, 4, kGreen);
  gdi::Dc dc(image);
  dc.SelectPen(gdi::Pen(gdi::PenStyle::Solid, 2, kNoColor));
  dc.SelectBrush({kNoColor});
  dc.Rectangle(0, 0, 4, 4);
  dc.Ellipse(0, 0, 4, 4);
  dc.FillRect(QRect(0, 0, 4, 4), kNoColor);
  dc.SetPixel(1, 1, kNoColor);
  EXPECT_TRUE(dc.FloodFill(0, 0, kBlack));
  EXPECT_EQ(Picture(image, kLegend), Picture(Blank(4, 4, kGreen), kLegend));
}

// The ink marks pixels as having no colour: they match kNoColor in fills and are left out
// of keyed copies, so a surface can be cleared back to transparent from them.
TEST(NoColor, InkPaintsTheNoColourPixel) {
  QImage image = Blank(4, 1, kBlack);
  gdi::Dc dc(image);
  dc.SelectPen(gdi::Pen(gdi::PenStyle::Solid, 1, gdi::kNoColorInk));
  dc.Polyline(std::vector<QPoint>{{1, 0}, {3, 0}});
  EXPECT_EQ(Picture(image, kLegend), Rows({"#__#"}));
  dc.SelectBrush({kWhite});
  EXPECT_TRUE(dc.ExtFloodFill(1, 0, kNoColor, gdi::FloodType::Surface));
  EXPECT_EQ(Picture(image, kLegend), Rows({"#..#"}));
}

}  // namespace
