#include "editor/HoverHighlight.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace {

TEST(HoverHighlight, SmallObjectsGetAHundredPixelSquare) {
  EXPECT_EQ(HoverBox(Bounds{100, 100, 300, 250}), QRect(QPoint(100, 100), QPoint(300, 250)));
  EXPECT_EQ(HoverBox(Bounds{100, 100, 300, 150}), QRect(150, 75, 100, 100));
  EXPECT_EQ(HoverBox(Bounds{0, 0, 10, 10}), QRect(-45, -45, 100, 100));
  EXPECT_EQ(HoverPeriodMs(0), 5);
  EXPECT_EQ(HoverPeriodMs(3), 35);
}

TEST(HoverHighlight, RunsItsTurnsThenStops) {
  HoverHighlight h;
  h.Start(4, QRect(0, 0, 100, 100), 2, 358);
  ASSERT_TRUE(h.Active());
  EXPECT_EQ(h.Object(), 4);
  EXPECT_EQ(h.HeadDegrees(0), 358);
  EXPECT_EQ(h.HeadDegrees(1), 118);  // 120 apart
  EXPECT_EQ(h.HeadDegrees(2), 238);
  int ticks = 1;
  while (h.Step()) ++ticks;
  EXPECT_EQ(ticks, 2 * 360 / kHoverDegreesPerTick);
  EXPECT_FALSE(h.Active());
  h.Start(4, QRect(0, 0, 100, 100), 0, 0);
  EXPECT_FALSE(h.Active());  // a count of 0 switches the highlight off
}

TEST(HoverHighlight, FadesInAndOut) {
  HoverHighlight h;
  h.Start(1, QRect(0, 0, 100, 100), 1, 0);
  const double first = h.Strength();
  for (int i = 0; i < 45; ++i) h.Step();
  EXPECT_GT(h.Strength(), first);
  EXPECT_DOUBLE_EQ(h.Strength(), 1.0);
  while (h.Active() && h.Strength() == 1.0) h.Step();
  EXPECT_LT(h.Strength(), 1.0);
}

TEST(HoverHighlight, PaintsAroundTheBoxOnly) {
  HoverHighlight h;
  h.Start(1, QRect(50, 50, 100, 100), 1, 0);
  for (int i = 0; i < 30; ++i) h.Step();
  QImage image(200, 200, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  h.Paint(painter, QPoint(0, 0));
  painter.end();
  int changed = 0, inside = 0;
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 200; ++x) {
      if (image.pixel(x, y) == qRgb(255, 255, 255)) continue;
      ++changed;
      if (QRect(60, 60, 80, 80).contains(x, y)) ++inside;
      EXPECT_TRUE(h.Area().contains(x, y));
    }
  EXPECT_GT(changed, 50);
  EXPECT_EQ(inside, 0);  // the object itself stays clear
}

}  // namespace
