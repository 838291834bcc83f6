#include <gtest/gtest.h>

#include "show/FitScale.h"

TEST(FitScaleTest, FitsToTheTighterAxis) {
  struct Case {
    QSize screen, slide;
    bool noEnlarge;
    QSize image;
    QPoint offset;
  };
  const Case cases[] = {
      {{1920, 1080}, {1046, 718}, false, {1573, 1080}, {173, 0}},
      {{1920, 1080}, {1046, 718}, true, {1046, 718}, {437, 181}},
      // Taller screen than slide: touches left and right, centred vertically.
      {{1024, 1024}, {800, 600}, false, {1024, 768}, {0, 128}},
      // Larger than the screen: fitted even with NoEnlarge.
      {{800, 600}, {1046, 718}, true, {800, 549}, {0, 25}},
      // One side equal to the screen's: not smaller, so fitted.
      {{1920, 1080}, {1920, 718}, true, {1920, 718}, {0, 181}},
  };
  for (const Case& c : cases) {
    const ShowFit fit = ComputeShowFit(c.screen, c.slide, c.noEnlarge);
    EXPECT_EQ(fit.image, c.image) << c.slide.width() << "x" << c.slide.height();
    EXPECT_EQ(fit.offset, c.offset) << c.slide.width() << "x" << c.slide.height();
  }
}

TEST(FitScaleTest, ScaleIsTheSinglePrecisionRatio) {
  EXPECT_EQ(ComputeShowFit({1920, 1080}, {1046, 718}, false).scale, 1080.0f / 718.0f);
  EXPECT_EQ(ComputeShowFit({1920, 1080}, {1046, 718}, true).scale, 1.0f);
}
