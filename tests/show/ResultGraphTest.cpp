#include <gtest/gtest.h>

#include "show/ResultGraph.h"

TEST(ResultGraphTest, CellsFillFiveColumnsAndCentreShortPages) {
  const QSize client(478, 508);  // the smallest window: cells of 74 x 67
  EXPECT_EQ(ResultCell(client, 20, 0), QRect(18, 58, 74, 67));
  EXPECT_EQ(ResultCell(client, 20, 4), QRect(18 + 4 * 92, 58, 74, 67));
  EXPECT_EQ(ResultCell(client, 20, 19), QRect(18 + 4 * 92, 58 + 3 * 85, 74, 67));
  // One row of three is centred among the four rows' height.
  EXPECT_EQ(ResultCell(client, 3, 2), QRect(18 + 2 * 92, 58 + 3 * 85 / 2, 74, 67));
  EXPECT_EQ(ResultCell(client, 6, 5).y(), 58 + 85 + 85);  // two rows, shifted by one
}

TEST(ResultGraphTest, ThumbnailsKeepTheSlideShapeInTheirCell) {
  const QRect cell(18, 58, 100, 100);
  EXPECT_FLOAT_EQ(ThumbnailScale(cell.size(), QSize(400, 200)), 0.25f);
  EXPECT_EQ(ThumbnailRect(cell, QSize(400, 200)), QRect(18, 58 + 25, 100, 50));
  EXPECT_EQ(ThumbnailRect(cell, QSize(100, 400)), QRect(18 + 37, 58, 25, 100));
  EXPECT_EQ(ThumbnailScale(cell.size(), QSize(0, 10)), 0.0f);
}

TEST(ResultGraphTest, BarsShareTheGraphAndTheLastTakesTheRest) {
  const QRect graph(18, 100, 100, 90);
  const std::vector<QRect> bars = ResultBars({1, 1, 1}, graph);
  ASSERT_EQ(bars.size(), 3u);
  EXPECT_EQ(bars[0], QRect(18, 100, 33, 90));
  EXPECT_EQ(bars[1], QRect(51, 100, 33, 90));
  EXPECT_EQ(bars[2], QRect(84, 100, 34, 90));
  // The largest times of 100 slides do not overflow the proportion.
  const std::vector<QRect> big = ResultBars(std::vector<int>(100, 65535), QRect(0, 0, 2000, 90));
  EXPECT_EQ(big[0].width(), 20);
  EXPECT_EQ(big[99].x() + big[99].width(), 2000);
}

TEST(ResultGraphTest, HandlesSitOnTheBarEnds) {
  const QRect graph(18, 100, 100, 90);
  const std::vector<QRect> bars = ResultBars({1, 1, 1}, graph);
  EXPECT_EQ(ResultHandle(bars[0]), QRect(49, 100, 4, 90));
  const struct {
    QPoint point;
    int slide;
  } rows[] = {{{48, 120}, -1}, {{49, 120}, 0}, {{52, 189}, 0}, {{53, 120}, -1},
              {{83, 100}, 1},  {{117, 150}, 2}, {{119, 150}, 2}, {{50, 99}, -1}, {{50, 190}, -1}};
  for (const auto& row : rows)
    EXPECT_EQ(ResultHandleAt(bars, row.point), row.slide) << row.point.x() << "," << row.point.y();
}

TEST(ResultGraphTest, ButtonsLieInTheStripRightOfTheGraph) {
  const QSize client(478, 508);
  const QRect graph = ResultGraphRect(client);
  EXPECT_EQ(graph, QRect(18, 407, 282, 90));
  EXPECT_EQ(ResultButtonStrip(client), QRect(318, 467, 142, 30));
  EXPECT_EQ(ResultButtonRect(client, ResultButton::NextPage), QRect(320, 469, 26, 26));
  EXPECT_EQ(ResultButtonRect(client, ResultButton::End), QRect(320 + 112, 469, 26, 26));
  EXPECT_EQ(ResultButtonAt(client, QPoint(320 + 28 * 3 + 5, 480)), ResultButton::Save);
  EXPECT_EQ(ResultButtonAt(client, QPoint(320 + 26, 480)), ResultButton::None);  // between two
  EXPECT_EQ(ResultButtonAt(client, QPoint(10, 10)), ResultButton::None);
}

TEST(ResultGraphTest, LabelsGrowWithTheWindow) {
  EXPECT_EQ(ResultLabelPointSize(599), 9);
  EXPECT_EQ(ResultLabelPointSize(600), 10);
  EXPECT_EQ(ResultLabelPointSize(1199), 10);
  EXPECT_EQ(ResultLabelPointSize(1200), 11);
  EXPECT_EQ(ResultNumberColour(0), QColor(247, 247, 8));
  EXPECT_EQ(ResultNumberColour(3), QColor(0, 0, 0));
  EXPECT_EQ(ResultColumnColour(9), QColor(0, 49, 189));
}
