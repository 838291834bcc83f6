#include "render/ZoomConsole.h"

#include <gtest/gtest.h>

#include "RenderFixtures.h"

namespace {

TEST(ZoomConsole, DigitsStartFurtherLeftTheMoreThereAre) {
  EXPECT_EQ(DigitPositions(8), (std::vector<int>{49}));
  EXPECT_EQ(DigitPositions(50), (std::vector<int>{31, 65}));
  EXPECT_EQ(DigitPositions(100), (std::vector<int>{15, 49, 83}));
}

TEST(ZoomConsole, ImagesHaveTheirSizesAndKeys) {
  const QImage dial = MakeConsoleDial();
  const QImage digits = MakeDigitStrip();
  EXPECT_EQ(dial.size(), QSize(130, 130));
  EXPECT_EQ(digits.size(), QSize(32 * 11, 50));
  EXPECT_EQ(renderfixtures::At(dial, 0, 0), kTransKey);
  EXPECT_EQ(renderfixtures::At(digits, 0, 0), 0x808000u);
}

TEST(ZoomConsole, TheZoomIsWrittenOnTheDialWithoutTheDigitBackground) {
  const QImage dial = MakeConsoleDial();
  const QImage digits = MakeDigitStrip();
  const QImage console = BuildConsoleImage(dial, digits, 1.0f);  // "100"
  int red = 0, teal = 0;
  for (int y = 40; y < 90; ++y)
    for (int x = 15; x < 15 + 3 * 34; ++x) {
      const COLORREF c = renderfixtures::At(console, x, y);
      red += c == 0x0000FF;
      teal += c == 0x808000;
    }
  EXPECT_GT(red, 100);
  EXPECT_EQ(teal, 0);
  // The single digit of 8% stands at x 49.
  const QImage eight = BuildConsoleImage(dial, digits, 0.08f);
  int redLeft = 0;
  for (int y = 40; y < 90; ++y)
    for (int x = 15; x < 49; ++x) redLeft += renderfixtures::At(eight, x, y) == 0x0000FF;
  EXPECT_EQ(redLeft, 0);
}

}  // namespace
