// Line pitch and which visual lines are drawn where.
#include "render/TextPlacement.h"

#include <gtest/gtest.h>

namespace {

constexpr int kTop = 0, kCentre = 1, kBottom = 2;

TEST(LinePitch, LineMarginMovesThePitchByTheZoomButNeverBelowOnePixel) {
  struct Case {
    int h, lineMargin;
    float zoom;
    int want;
  };
  const Case cases[] = {
      {20, 5, 1.0f, 20},  {20, 0, 1.5f, 13},  {20, 10, 1.5f, 27}, {20, 50, 1.0f, 65},
      {20, 4, 0.5f, 20},  // trunc(0.5) is 0
      {20, 0, 4.0f, 1},   // 20 - 20 would divide by zero
      {6, 0, 4.0f, 1},    // a small font at a high zoom would go negative
  };
  for (const Case& c : cases)
    EXPECT_EQ(LinePitch(c.h, c.lineMargin, c.zoom), c.want) << c.h << " " << c.lineMargin << " " << c.zoom;
}

TEST(PlaceLines, LinesThatDoNotFitAreDroppedByTheAlignment) {
  struct Case {
    int total, ah, alineV;
    int first;
    std::vector<int> y;
  };
  // Pitch 10, height 12: a box 25 high holds two lines.
  const Case cases[] = {
      {5, 25, kTop, 0, {0, 10}},
      {5, 25, kCentre, 1, {0, 10}},
      {5, 25, kBottom, 3, {0, 10}},
      {6, 25, kCentre, 2, {0, 10}},
      // Two lines and room for one: the kept line stays inside the box.
      {2, 15, kCentre, 0, {0}},
      {2, 15, kBottom, 1, {0}},
      {1, 9, kCentre, 0, {}},  // lower than the pitch: nothing
      {3, -4, kTop, 0, {}},    // margins larger than the box
      {0, 100, kTop, 0, {}},
  };
  for (const Case& c : cases) {
    const LinePlacement got = PlaceLines(c.total, c.ah, 12, 10, c.alineV);
    EXPECT_EQ(got.y, c.y) << c.total << " lines in " << c.ah << ", alignment " << c.alineV;
    if (!c.y.empty()) {
      EXPECT_EQ(got.first, c.first) << c.total << " lines in " << c.ah;
    }
  }
}

TEST(PlaceLines, OneAndTwoLinesCentreToThePixelMoreByWholeLines) {
  struct Case {
    int total, alineV;
    std::vector<int> y;
  };
  // Pitch 10, height 12, box 57 high: five lines fit, with 7 pixels to spare.
  const Case cases[] = {
      {1, kTop, {0}},           {1, kCentre, {22}},      {1, kBottom, {45}},
      {2, kTop, {0, 10}},       {2, kCentre, {18, 28}},  {2, kBottom, {37, 47}},
      {3, kTop, {0, 10, 20}},   {3, kCentre, {10, 20, 30}}, {3, kBottom, {20, 30, 40}},
      {4, kCentre, {0, 10, 20, 30}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PlaceLines(c.total, 57, 12, 10, c.alineV).y, c.y) << c.total << " lines, alignment " << c.alineV;
}

}  // namespace
