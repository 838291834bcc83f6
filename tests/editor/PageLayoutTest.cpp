#include "editor/PageLayout.h"

#include <gtest/gtest.h>

#include "editor/PageMenu.h"

namespace {

TEST(PageLayout, MarginAndThumbnailFollowThePaneHeight) {
  struct Row {
    int height, width;
    int m, th, tw;
    bool collapsed;
  };
  const Row rows[] = {
      {100, 2000, 4, 92, 134, false},  // 8 + (100 - 150) / 10 = 3, raised to 4
      {150, 2000, 8, 134, 195, false},
      {140, 2000, 7, 126, 183, false},
      {300, 2000, 8, 284, 413, false},
      {49, 2000, 8, 0, 0, true},
  };
  for (const Row& r : rows) {
    const PageLayout l = ComputePageLayout(3, 1046, 718, QSize(r.width, r.height), 17);
    EXPECT_EQ(l.collapsed, r.collapsed) << r.height;
    if (r.collapsed) continue;
    EXPECT_EQ(l.m, r.m) << r.height;
    EXPECT_EQ(l.th, r.th) << r.height;
    EXPECT_EQ(l.tw, r.tw) << r.height;
    EXPECT_EQ(l.scrollSize, QSize(3 * (r.tw + 2 * r.m), r.height)) << r.height;
  }
}

TEST(PageLayout, AStripWiderThanThePaneMakesRoomForTheScrollBar) {
  const PageLayout l = ComputePageLayout(20, 1046, 718, QSize(800, 117), 17);
  EXPECT_EQ(l.m, 4);  // the height left is 100
  EXPECT_EQ(l.th, 92);
  EXPECT_EQ(l.scrollSize.height(), 100);
}

TEST(PageLayout, PointsFindThumbnailsGapsAndMenus) {
  const PageLayout l = ComputePageLayout(3, 1046, 718, QSize(2000, 100), 17);
  ASSERT_EQ(l.Step(), 142);  // tw 134 + 2 × 4
  struct Row {
    int x, y;
    int thumb, gap;
    PageArea area;
  };
  const Row rows[] = {
      {2, 50, -1, 0, PageArea::Gap},       // before the first
      {4, 50, 0, 0, PageArea::Thumb},      // a thumbnail wins over its gap
      {60, 50, 0, -1, PageArea::Thumb},
      {139, 50, -1, 1, PageArea::Gap},     // the margin after slide 1
      {142, 50, -1, -1, PageArea::None},   // the margin before slide 2
      {200, 50, 1, -1, PageArea::Thumb},
      {425, 50, -1, 3, PageArea::Gap},     // after the last
      {430, 50, -1, -1, PageArea::Empty},
      {60, 2, -1, -1, PageArea::None},     // above the band
      {60, 97, -1, -1, PageArea::None},    // below it
  };
  for (const Row& r : rows) {
    const QPoint p(r.x, r.y);
    EXPECT_EQ(l.ThumbAt(p), r.thumb) << r.x << "," << r.y;
    if (r.gap >= 0 || l.InBand(r.y)) {
      EXPECT_EQ(l.GapAt(r.x), r.gap) << r.x;
    }
    EXPECT_EQ(PageAreaAt(l, p), r.area) << r.x << "," << r.y;
  }
}

TEST(PageMenu, ItemsAreGreyedByTheLimits) {
  EXPECT_TRUE(PageItemGreyed(ID_PAGE_PASTE, 5, false));
  EXPECT_FALSE(PageItemGreyed(ID_PAGE_PASTE, 5, true));
  EXPECT_TRUE(PageItemGreyed(ID_PAGE_PASTE_CUR, 100, true));
  EXPECT_TRUE(PageItemGreyed(ID_ADD_MAE, 100, true));
  EXPECT_TRUE(PageItemGreyed(ID_PAGE_COPY, 100, true));
  EXPECT_TRUE(PageItemGreyed(ID_PAGE_DELETE, 1, true));
  EXPECT_FALSE(PageItemGreyed(ID_PAGE_DELETE, 2, true));
  EXPECT_STREQ(TransitionName(20), "インターレス");
  EXPECT_STREQ(TransitionName(7), "");
}

}  // namespace
