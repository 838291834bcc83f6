#include "export/SheetLayout.h"

#include <gtest/gtest.h>

namespace {

// A4 at 300 dots per inch, as it lies.
constexpr QSize kA4Portrait(2480, 3508);
constexpr QSize kA4Landscape(3508, 2480);

TEST(SheetLayoutTest, TheContentRectangleCountsEachMarginFromThePapersEdge) {
  const struct {
    const char* name;
    QSize paper;
    SheetMargins margins;
    QRect content;
  } cases[] = {
      // 25 mm at 300 dpi is 295.27 pixels, 10 mm 118.1: both truncated.
      {"portrait, the stored margins", kA4Portrait, {25, 25, 10, 10}, QRect(295, 295, 2480 - 295 - 118, 3508 - 295 - 118)},
      {"landscape", kA4Landscape, {25, 25, 10, 10}, QRect(295, 295, 3508 - 295 - 118, 2480 - 295 - 118)},
      {"no margins", kA4Portrait, {0, 0, 0, 0}, QRect(0, 0, 2480, 3508)},
      {"every margin at its most", kA4Portrait, {50, 50, 50, 50}, QRect(590, 590, 2480 - 1180, 3508 - 1180)},
      {"one side only", kA4Portrait, {0, 10, 0, 0}, QRect(0, 118, 2480, 3508 - 118)},
  };
  for (const auto& c : cases) EXPECT_EQ(ContentRect(c.paper, c.margins, 300, 300), c.content) << c.name;
  // A paper smaller than its margins leaves nothing, never a negative size.
  EXPECT_TRUE(ContentRect(QSize(100, 100), {50, 50, 50, 50}, 300, 300).isEmpty());
}

TEST(SheetLayoutTest, MarginsAreBroughtWithinTheDevicesEdgeAndFiftyMillimetres) {
  const struct {
    const char* name;
    SheetMargins in;
    MarginLimits limits;
    SheetMargins out;
  } cases[] = {
      {"within", {25, 25, 10, 10}, {4, 5}, {25, 25, 10, 10}},
      {"above 50", {60, 51, 50, 99}, {0, 0}, {50, 50, 50, 50}},
      {"inside the unprintable edge", {2, 3, 1, 0}, {4, 5}, {4, 5, 4, 5}},
      {"an edge wider than 50", {10, 10, 10, 10}, {70, 0}, {50, 10, 50, 10}},
  };
  for (const auto& c : cases) EXPECT_EQ(ClampMargins(c.in, c.limits), c.out) << c.name;
}

TEST(SheetLayoutTest, SheetsHoldOneTwoOrSixSlides) {
  const struct {
    int slides, perSheet, sheets;
  } cases[] = {{7, 1, 7}, {7, 2, 4}, {7, 6, 2}, {6, 6, 1}, {12, 6, 2}, {1, 2, 1}, {0, 6, 0}, {100, 6, 17}};
  for (const auto& c : cases) EXPECT_EQ(SheetCount(c.slides, c.perSheet), c.sheets) << c.slides << "/" << c.perSheet;
}

// Content of 1700 x 1300 at (100, 200) for 4:3 slides of 640 x 480.
constexpr QRect kContent(100, 200, 1700, 1300);
constexpr QSize kSlide(640, 480);

std::vector<QRect> Images(const std::vector<SheetCell>& cells) {
  std::vector<QRect> images;
  for (const SheetCell& c : cells) images.push_back(c.image);
  return images;
}

TEST(SheetLayoutTest, SlidesFillTheirCellsInTheirProportions) {
  SheetOptions options;
  // One: the width fills (1275 high), centred down.
  options.perSheet = 1;
  EXPECT_EQ(Images(LayOutSheet(kContent, kSlide, 7, 0, options, 0)),
            std::vector<QRect>{QRect(100, 200 + 12, 1700, 1275)});
  // Two: cells 8/17 of the height; the height fills (814 wide), centred across;
  // the second slide is flush with the content's bottom.
  options.perSheet = 2;
  const std::vector<QRect> two = Images(LayOutSheet(kContent, kSlide, 7, 0, options, 0));
  EXPECT_EQ(two, (std::vector<QRect>{QRect(100 + 443, 200, 814, 611), QRect(100 + 443, 200 + 689, 814, 611)}));
  EXPECT_EQ(two[1].bottom(), kContent.bottom());
  // A tall slide in a wide cell: flush left is not asked, it is centred across.
  EXPECT_EQ(Images(LayOutSheet(QRect(0, 0, 1000, 400), QSize(100, 200), 1, 0, {1}, 0)),
            std::vector<QRect>{QRect(400, 0, 200, 400)});
}

TEST(SheetLayoutTest, SixSlidesGoAcrossOrDownInTwoColumnsAndThreeRows) {
  // Cells 800 x 400; columns at 0 and 900, rows at 0, 450 and 900; the slide
  // fills the height (533 wide) and is centred in the cell (133 in).
  const auto at = [](int column, int row) {
    return QRect(100 + (column ? 900 : 0) + 133, 200 + (row == 0 ? 0 : row == 1 ? 450 : 900), 533, 400);
  };
  SheetOptions options;
  options.perSheet = 6;
  options.acrossFirst = true;
  EXPECT_EQ(Images(LayOutSheet(kContent, kSlide, 12, 0, options, 0)),
            (std::vector<QRect>{at(0, 0), at(1, 0), at(0, 1), at(1, 1), at(0, 2), at(1, 2)}));
  options.acrossFirst = false;
  EXPECT_EQ(Images(LayOutSheet(kContent, kSlide, 12, 0, options, 0)),
            (std::vector<QRect>{at(0, 0), at(0, 1), at(0, 2), at(1, 0), at(1, 1), at(1, 2)}));
}

TEST(SheetLayoutTest, TheLastSheetHoldsOnlyTheSlidesLeft) {
  const struct {
    int perSheet;
    bool across;
    int sheet;
    std::vector<int> slides;
  } cases[] = {
      {6, true, 1, {6}}, {6, false, 1, {6}}, {2, true, 3, {6}}, {1, true, 6, {6}}, {6, true, 0, {0, 1, 2, 3, 4, 5}},
      {6, true, 2, {}},  // past the end
  };
  for (const auto& c : cases) {
    SheetOptions options;
    options.perSheet = c.perSheet;
    options.acrossFirst = c.across;
    const std::vector<SheetCell> cells = LayOutSheet(kContent, kSlide, 7, c.sheet, options, 0);
    std::vector<int> slides;
    for (const SheetCell& cell : cells) slides.push_back(cell.slide);
    EXPECT_EQ(slides, c.slides) << c.perSheet << " sheet " << c.sheet;
    // The last slide alone sits in the first cell: top left.
    if (slides == std::vector<int>{6}) EXPECT_EQ(cells[0].image.top(), LayOutSheet(kContent, kSlide, 7, 0, options, 0)[0].image.top());
  }
}

TEST(SheetLayoutTest, EachNumberHasALineDirectlyBelowItsSlide) {
  SheetOptions options;
  options.perSheet = 6;
  for (const SheetCell& cell : LayOutSheet(kContent, kSlide, 6, 0, options, 37)) {
    EXPECT_EQ(cell.number, QRect(cell.image.left(), cell.image.bottom() + 1, cell.image.width(), 37)) << cell.slide;
  }
}

TEST(SheetLayoutTest, ThePreviewPaperKeepsItsProportionsInsideTheArea) {
  // 372 x 272 of room: an upright A4 fills the height, centred across.
  EXPECT_EQ(PreviewPaperRect(QRect(0, 0, 400, 300), QSizeF(210, 297)), QRect(104, 14, 192, 272));
  // A landscape one in a tall area fills the width, centred down.
  const QRect area(10, 20, 300, 500);
  const QRect landscape = PreviewPaperRect(area, QSizeF(297, 210));
  EXPECT_EQ(landscape.width(), 272);
  EXPECT_NEAR(landscape.height(), 272 * 210 / 297.0, 1.0);
  EXPECT_EQ(landscape.left(), 10 + 14);
  EXPECT_NEAR(landscape.center().y(), area.center().y(), 1);
}

}  // namespace
