#include <gtest/gtest.h>

#include "show/ShowSettings.h"
#include "show/TransitionPlayer.h"
#include "show/Transitions.h"

namespace {

// Keeps every frame put on the screen.
class FilmScreen : public TransitionScreen {
 public:
  explicit FilmScreen(const QImage& current) : current_(current) {}
  void ShowFrame() override { frames.push_back(current_.copy()); }
  void Repaint() override { ++repaints; }
  void Wait(int ms) override { waits.push_back(ms); }
  std::vector<QImage> frames;
  int repaints = 0;
  std::vector<int> waits;

 private:
  const QImage& current_;
};

QImage Filled(int w, int h, QRgb colour) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

}  // namespace

TEST(TransitionPlayerTest, EachPatternPlaysItsFramesAndEndsOnTheSlide) {
  struct Case {
    int pattern;
    size_t frames;
    int repaints;
    size_t waits;
  };
  // 23 x 20: wipes update at rows 0, 8, 16 and 19, at columns 0, 10, 20 and 22.
  const Case cases[] = {
      {TransitionFade, 32, 0, 0},      {TransitionCrossFade, 32, 1, 0},
      {TransitionWipeTop, 4, 0, 0},    {TransitionWipeBottom, 4, 0, 0},
      {TransitionWipeLeft, 4, 0, 0},   {TransitionWipeRight, 4, 0, 0},
      {TransitionInterlace, 16, 1, 16},
  };
  const QImage slide = Filled(23, 20, qRgb(200, 150, 100));
  for (const Case& c : cases) {
    QImage previous = Filled(23, 20, qRgb(5, 6, 7));
    QImage current = slide.copy();
    FilmScreen screen(current);
    ASSERT_TRUE(PlayTransition(c.pattern, previous, current, screen)) << c.pattern;
    EXPECT_EQ(screen.frames.size(), c.frames) << c.pattern;
    EXPECT_EQ(screen.repaints, c.repaints) << c.pattern;
    EXPECT_EQ(screen.waits, std::vector<int>(c.waits, kInterlaceWaitMs)) << c.pattern;
    EXPECT_EQ(current, slide) << c.pattern;
    EXPECT_EQ(screen.frames.back(), slide) << c.pattern;
  }
}

TEST(TransitionPlayerTest, WipeFromTheTopShowsEveryEighthRow) {
  QImage previous = Filled(3, 20, qRgb(0, 0, 0));
  QImage current = Filled(3, 20, qRgb(255, 255, 255));
  FilmScreen screen(current);
  ASSERT_TRUE(PlayTransition(TransitionWipeTop, previous, current, screen));
  const int newRows[] = {1, 9, 17, 20};
  for (size_t f = 0; f < screen.frames.size(); ++f)
    for (int y = 0; y < 20; ++y)
      EXPECT_EQ(screen.frames[f].pixel(0, y) == qRgb(255, 255, 255), y < newRows[f]) << f << " " << y;
}

TEST(TransitionPlayerTest, FadeOutEndsBlackAndFadeInStartsNearBlack) {
  const QImage previous = Filled(4, 4, qRgb(255, 100, 7));
  QImage current = previous.copy();
  FilmScreen screen(current);
  ASSERT_TRUE(PlayFadeOut(previous, current, screen));
  ASSERT_EQ(screen.frames.size(), 32u);
  EXPECT_EQ(screen.frames[0].pixel(0, 0), qRgb(247, 92, 0));
  EXPECT_EQ(screen.frames[31].pixel(0, 0), qRgb(0, 0, 0));
}

TEST(TransitionPlayerTest, DirectUnknownAndUnusableImagesPlayNothing) {
  for (int pattern : {TransitionDirect, 3, 14, 21, -1}) {
    QImage previous = Filled(4, 4, 0), current = Filled(4, 4, qRgb(9, 9, 9));
    FilmScreen screen(current);
    EXPECT_FALSE(PlayTransition(pattern, previous, current, screen)) << pattern;
    EXPECT_TRUE(screen.frames.empty());
  }
  QImage previous = Filled(4, 4, 0).convertToFormat(QImage::Format_RGB16);
  QImage current = previous.copy();
  FilmScreen screen(current);
  EXPECT_FALSE(PlayTransition(TransitionCrossFade, previous, current, screen));
  EXPECT_TRUE(screen.frames.empty());
}
