#include "editor/ConsoleControl.h"

#include <gtest/gtest.h>

#include "core/Records.h"

namespace {

TEST(ConsoleControl, PartsOfTheDisc) {
  const QPoint c(200, 200);
  const QPoint origin = c - QPoint(65, 65);  // console-local (0, 0)
  struct Case { QPoint local; ConsolePart part; } cases[] = {
      {{65, 20}, ConsolePart::ZoomIn},  {{59, 5}, ConsolePart::ZoomIn},   {{70, 34}, ConsolePart::ZoomIn},
      {{50, 14}, ConsolePart::ZoomIn},  {{79, 25}, ConsolePart::ZoomIn},  {{71, 10}, ConsolePart::Body},
      {{55, 10}, ConsolePart::Body},    {{80, 20}, ConsolePart::Body},    {{65, 110}, ConsolePart::ZoomOut},
      {{50, 104}, ConsolePart::ZoomOut}, {{80, 110}, ConsolePart::Body},  {{65, 65}, ConsolePart::Body},
      {{131, 65}, ConsolePart::None},   {{130, 65}, ConsolePart::Body},   {{5, 5}, ConsolePart::None},
  };
  for (const Case& k : cases) EXPECT_EQ(HitConsole(c, origin + k.local), k.part) << k.local.x() << "," << k.local.y();
}

TEST(ConsoleControl, RingIsTheBandFrom65To73) {
  const QPoint c(200, 200);
  EXPECT_FALSE(OnConsoleRing(c, c + QPoint(64, 0)));
  EXPECT_TRUE(OnConsoleRing(c, c + QPoint(65, 0)));
  EXPECT_TRUE(OnConsoleRing(c, c + QPoint(0, -73)));
  EXPECT_FALSE(OnConsoleRing(c, c + QPoint(74, 0)));
}

TEST(ConsoleControl, ShownAndActiveStates) {
  DocHeader h{};
  h.ConsoleX = 100;
  ConsoleState s = ConsoleState::Of(h, QSize(800, 600), false, false);
  EXPECT_FALSE(s.Visible());
  EXPECT_TRUE(s.Show());
  EXPECT_FALSE(s.Show());  // already shown
  s.PressedOnConsole();
  EXPECT_TRUE(s.active);
  s.PressedElsewhere();
  EXPECT_FALSE(s.Visible());
  EXPECT_FALSE(s.active);

  h.ConsoleAlways = 1;
  s = ConsoleState::Of(h, QSize(800, 600), false, true);
  EXPECT_TRUE(s.Visible());
  EXPECT_FALSE(s.Show());
  s.PressedElsewhere();
  EXPECT_TRUE(s.Visible());
  EXPECT_FALSE(s.active);
}

TEST(ConsoleControl, ZoomStepsByWholePercentPoints) {
  EXPECT_FLOAT_EQ(StepZoom(1.0f, 1), 1.01f);
  EXPECT_FLOAT_EQ(StepZoom(1.01f, 1), 1.02f);  // 1.01f x 100 is 100.99...
  EXPECT_FLOAT_EQ(StepZoom(0.5f, -1), 0.49f);
  EXPECT_FLOAT_EQ(StepZoom(4.0f, 1), 4.0f);
  EXPECT_FLOAT_EQ(StepZoom(0.08f, -1), 0.08f);
  EXPECT_FLOAT_EQ(FitZoom(QSize(523, 800), 1046, 718), 0.5f);
  EXPECT_FLOAT_EQ(FitZoom(QSize(100000, 100000), 1046, 718), 4.0f);
}

}  // namespace
