#include <gtest/gtest.h>

#include "ShowFakes.h"

namespace {

ShowSettings Settings(int count) {
  ShowSettings s;
  s.slideSize = QSize(40, 30);
  s.switchTime.assign(static_cast<size_t>(count), 0);
  s.transition.assign(static_cast<size_t>(count), TransitionDirect);
  return s;
}

// An engine on an 80 x 60 screen with `count` plain slides.
struct Show {
  explicit Show(int count, ShowSettings s, ShowMode mode = ShowMode::Production)
      : slides(count), engine(std::move(s), mode, slides, view, time) {
    view.engine = &engine;
  }
  bool Run() {
    if (engine.Prepare(QSize(80, 60)) != ShowEngine::Prepared::Ready) return false;
    engine.Begin();
    return true;
  }
  QRgb Shown() const { return engine.CurrentImage().pixel(0, 0); }

  ColourSlides slides;
  RecordingView view;
  StepTime time;
  ShowEngine engine;
};

}  // namespace

TEST(ShowEngineTest, OneSlideShowReachesTheClosingScreenAndBack) {
  Show show(1, Settings(1));
  ASSERT_TRUE(show.Run());
  EXPECT_EQ(show.slides.lastScale, 2.0f);
  EXPECT_EQ(show.engine.CurrentImage().size(), QSize(80, 60));
  show.engine.Previous();
  EXPECT_EQ(show.engine.Index(), 0);
  show.engine.Next();
  EXPECT_TRUE(show.engine.AtClosingScreen());
  show.engine.Next();
  EXPECT_EQ(show.engine.Index(), 1);
  show.engine.Previous();
  EXPECT_EQ(show.engine.Index(), 0);
  EXPECT_EQ(show.Shown(), ColourSlides::Colour(0));
  show.engine.GoTo(1);
  EXPECT_EQ(show.engine.Index(), 0);
}

TEST(ShowEngineTest, StartSlideFollowsTheMode) {
  struct Case {
    ShowMode mode;
    int curSlide;
    int start;
    bool clock;
  };
  const Case cases[] = {
      {ShowMode::Production, 2, 0, false},
      {ShowMode::ProductionFromCurrent, 2, 2, false},
      {ShowMode::ProductionFromCurrent, 3, 0, false},  // beyond the end
      {ShowMode::RehearsalMeasure, 2, 0, true},
      {ShowMode::RehearsalAuto, 2, 0, false},
  };
  for (const Case& c : cases) {
    ShowSettings s = Settings(3);
    s.curSlide = c.curSlide;
    Show show(3, s, c.mode);
    ASSERT_TRUE(show.Run());
    EXPECT_EQ(show.engine.Index(), c.start) << static_cast<int>(c.mode);
    EXPECT_EQ(show.engine.ClockShown(), c.clock) << static_cast<int>(c.mode);
    EXPECT_EQ(show.Shown(), ColourSlides::Colour(c.start));
  }
}

TEST(ShowEngineTest, ResultsOnlyOpensTheResultsWithTheStoredTimes) {
  ShowSettings s = Settings(2);
  s.switchTime = {4, 7};
  Show show(2, s, ShowMode::ResultsOnly);
  EXPECT_EQ(show.engine.Prepare(QSize(80, 60)), ShowEngine::Prepared::Ended);
  EXPECT_EQ(show.view.results, (std::vector<std::vector<int>>{{4, 7}}));
  EXPECT_TRUE(show.slides.rendered.empty());
}

TEST(ShowEngineTest, FirstSlideFadesInWithoutFadeOut) {
  ShowSettings s = Settings(2);
  s.transition = {TransitionFade, TransitionFade};
  Show show(2, s);
  show.view.keepFrames = true;
  ASSERT_TRUE(show.Run());
  ASSERT_EQ(show.view.frames, 32);
  EXPECT_EQ(show.view.frameImages.front().pixel(0, 0), qRgb(0, 0, 0));
  EXPECT_EQ(show.view.frameImages.back().pixel(0, 0), ColourSlides::Colour(0));
  show.engine.Next();
  EXPECT_EQ(show.view.frames, 96);  // fade-out and fade-in
  EXPECT_EQ(show.view.frameImages[32].pixel(0, 0), qRgb(2, 92, 192));
  EXPECT_EQ(show.view.frameImages[63].pixel(0, 0), qRgb(0, 0, 0));
  EXPECT_EQ(show.Shown(), ColourSlides::Colour(1));
}

TEST(ShowEngineTest, InterlaceWaitsThroughTheClockAndFailedSlidesJustRepaint) {
  ShowSettings s = Settings(2);
  s.transition = {TransitionInterlace, TransitionCrossFade};
  Show show(2, s);
  ASSERT_TRUE(show.Run());
  EXPECT_EQ(show.time.waits, std::vector<int>(16, 30));
  show.slides.failing = true;
  const int repaints = show.view.repaints, frames = show.view.frames;
  show.engine.Next();
  EXPECT_EQ(show.view.frames, frames);
  EXPECT_EQ(show.view.repaints, repaints + 1);
}

TEST(ShowEngineTest, AutomaticSwitchingFollowsTheTimes) {
  ShowSettings s = Settings(4);
  s.switchTime = {2, 0, 3, 1};  // slide 1 is passed over at once
  s.repeatOnce = 1;
  Show show(4, s, ShowMode::RehearsalAuto);
  ASSERT_TRUE(show.Run());
  const int expected[] = {0, 2, 2, 2, 3, 4, 4};
  for (int second = 1; second <= 7; ++second) {
    show.time.Fire();
    EXPECT_EQ(show.engine.Index(), expected[second - 1]) << second;
  }
  EXPECT_EQ(show.engine.Elapsed(), 7);
}

TEST(ShowEngineTest, RepeatStartsAgainFromTheFirstSlide) {
  ShowSettings s = Settings(2);
  s.switchTime = {1, 2};
  s.repeatOnce = 0;
  s.bell2 = {2, 2};
  Show show(2, s, ShowMode::RehearsalAuto);
  ASSERT_TRUE(show.Run());
  show.time.Fire(2);
  EXPECT_TRUE(show.engine.Bell(2).blinking);
  show.time.Fire();
  EXPECT_EQ(show.engine.Index(), 0);
  EXPECT_EQ(show.engine.Elapsed(), 0);
  EXPECT_FALSE(show.engine.Bell(2).blinking);
  show.time.Fire();
  EXPECT_EQ(show.engine.Index(), 1);
}

TEST(ShowEngineTest, ZeroTimesNeverSwitch) {
  Show show(3, Settings(3), ShowMode::RehearsalAuto);
  ASSERT_TRUE(show.Run());
  show.time.Fire(5);
  EXPECT_EQ(show.engine.Index(), 0);
}

TEST(ShowEngineTest, ProductionCountsSecondsButDoesNotSwitch) {
  ShowSettings s = Settings(2);
  s.switchTime = {1, 1};
  s.bell1 = {1, 1};
  Show show(2, s);
  ASSERT_TRUE(show.Run());
  show.time.Fire(3);
  EXPECT_EQ(show.engine.Elapsed(), 3);
  EXPECT_EQ(show.engine.Index(), 0);
  EXPECT_TRUE(show.view.sounds.empty());
}

TEST(ShowEngineTest, PlayerSwitchesOnlyWhenThePackageSaysSo) {
  for (bool autoSwitch : {false, true}) {
    ShowSettings s = Settings(2);
    s.player = true;
    s.autoSwitch = autoSwitch;
    s.switchTime = {1, 1};
    s.bell1 = {3, 1};
    Show show(2, s, ShowMode::RehearsalAuto);
    ASSERT_TRUE(show.Run());
    EXPECT_EQ(show.engine.CurrentImage().size(), QSize(80, 60));
    EXPECT_EQ(show.engine.Fit().offset, QPoint(0, 0));
    EXPECT_EQ(show.time.Running(), autoSwitch);
    show.time.Fire();
    EXPECT_EQ(show.engine.Index(), autoSwitch ? 1 : 0);
    EXPECT_TRUE(show.view.sounds.empty());
    EXPECT_FALSE(show.engine.BellPictureVisible());
  }
}

TEST(ShowEngineTest, MeasuringCountsSecondsPerSlideAndEndsWithTheResults) {
  ShowSettings s = Settings(2);
  s.switchTime = {9, 9};
  Show show(2, s, ShowMode::RehearsalMeasure);
  ASSERT_TRUE(show.Run());
  show.time.Fire(3);
  show.engine.Next();
  show.time.Fire(2);
  show.engine.Previous();
  show.time.Fire();
  EXPECT_EQ(show.engine.Times(), (std::vector<int>{4, 2}));
  show.engine.Next();
  show.engine.Next();
  EXPECT_EQ(show.view.results, (std::vector<std::vector<int>>{{4, 2}}));
  EXPECT_FALSE(show.time.Running());
  EXPECT_FALSE(show.engine.ClockShown());
}

TEST(ShowEngineTest, BellsRingAndBlinkTheirCount) {
  struct Case {
    int kind;
    int bell;
    int shown;  // seconds with the picture visible
    bool sound;
  };
  const Case cases[] = {
      {1, 1, 0, true}, {2, 1, 3, false}, {3, 1, 3, true}, {2, 2, 10, false}, {3, 2, 10, true},
  };
  for (const Case& c : cases) {
    ShowSettings s = Settings(1);
    (c.bell == 1 ? s.bell1 : s.bell2) = {c.kind, 2};
    Show show(1, s, ShowMode::RehearsalAuto);
    ASSERT_TRUE(show.Run());
    int shown = 0, flips = 0;
    bool was = false;
    for (int second = 1; second <= 30; ++second) {
      show.time.Fire();
      const bool visible = show.engine.BellPictureVisible();
      shown += visible;
      flips += visible != was;
      was = visible;
    }
    EXPECT_EQ(shown, c.shown) << c.kind << " " << c.bell;
    EXPECT_EQ(flips, 2 * c.shown) << c.kind << " " << c.bell;
    EXPECT_EQ(show.view.sounds, c.sound ? std::vector<int>{c.bell} : std::vector<int>{});
    EXPECT_FALSE(show.engine.Bell(c.bell).blinking);
  }
}
