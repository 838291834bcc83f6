// Nearest-neighbour rotation: result size, pixel mapping, background and bit depths.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "GdiFixtures.h"
#include "render/gdi/Rotate.h"

namespace {

using namespace fixtures;

// 3 x 2: red green blue / white black red.
QImage ThreeByTwo() {
  QImage image = Blank(3, 2);
  const COLORREF colours[2][3] = {{kRed, kGreen, kBlue}, {kWhite, kBlack, kRed}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) gdi::Row(image, y)[x] = gdi::ToQRgb(colours[y][x]);
  return image;
}

TEST(RotateImage, AQuarterTurnCounterClockwiseSwapsTheSides) {
  const auto rotated = gdi::RotateImage(ThreeByTwo(), std::numbers::pi / 2, kGreen);
  ASSERT_TRUE(rotated);
  EXPECT_EQ(rotated->size(), QSize(2, 3));
  const std::string expected = Rows({
      "br",
      "g#",
      "r.",
  });
  EXPECT_EQ(Picture(*rotated, kLegend), expected);
}

TEST(RotateImage, NoTurnCopiesAndAHalfTurnReverses) {
  const auto same = gdi::RotateImage(ThreeByTwo(), 0, kGreen);
  const auto half = gdi::RotateImage(ThreeByTwo(), std::numbers::pi, kGreen);
  ASSERT_TRUE(same && half);
  EXPECT_EQ(Picture(*same, kLegend), Picture(ThreeByTwo(), kLegend));
  EXPECT_EQ(Picture(*half, kLegend), Rows({"r#.", "bgr"}));
}

TEST(RotateImage, TheCornersOfAnEighthTurnShowTheBackground) {
  // The corners of 3 x 3 reach 2 sqrt(2) across: trunc(2.83 + 1.5) = 4 each way. Source
  // positions just left of or above the image (-1 < u < 0) still truncate to pixel 0, so
  // the background shows on the right and at the bottom only.
  const auto rotated = gdi::RotateImage(Blank(3, 3, kBlack), std::numbers::pi / 4, kRed);
  ASSERT_TRUE(rotated);
  const std::string expected = Rows({
      "###r",
      "####",
      "###r",
      "##rr",
  });
  EXPECT_EQ(Picture(*rotated, kLegend), expected);
}

TEST(RotateImage, ABackgroundOfNoColourLeavesPixelsWithoutColour) {
  const auto rotated = gdi::RotateImage(Blank(3, 3, kBlack), std::numbers::pi / 4, kNoColor);
  ASSERT_TRUE(rotated);
  EXPECT_EQ(gdi::ConstRow(*rotated, 0)[3], gdi::kNoColorPixel);
  EXPECT_EQ(gdi::ConstRow(*rotated, 0)[0], gdi::ToQRgb(kBlack));
}

TEST(RotateImage, HandlesSixteenTwentyFourAndThirtyTwoBitsOnly) {
  const QImage image = ThreeByTwo();
  EXPECT_TRUE(gdi::RotateImage(image.convertToFormat(QImage::Format_RGB16), 1.0, kWhite));
  EXPECT_TRUE(gdi::RotateImage(image.convertToFormat(QImage::Format_RGB888), 1.0, kWhite));
  EXPECT_TRUE(gdi::RotateImage(image.convertToFormat(QImage::Format_ARGB32), 1.0, kWhite));
  EXPECT_FALSE(gdi::RotateImage(image.convertToFormat(QImage::Format_Indexed8), 1.0, kWhite));
  EXPECT_FALSE(gdi::RotateImage(image.convertToFormat(QImage::Format_Mono), 1.0, kWhite));
  EXPECT_FALSE(gdi::RotateImage(QImage(), 1.0, kWhite));
}

}  // namespace
