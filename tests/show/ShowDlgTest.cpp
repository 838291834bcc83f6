#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLibrary>
#include <QMouseEvent>

#include "ShowFakes.h"
#include "show/ShowDlg.h"

namespace {

class SilentBells : public BellPlayer {
 public:
  void Play(int bell) override { played.push_back(bell); }
  std::vector<int> played;
};

void Key(QWidget& w, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers);
  QApplication::sendEvent(&w, &press);
}

void Click(QWidget& w) {
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&w, &press);
}

ShowSettings Settings(int count) {
  ShowSettings s;
  s.slideSize = QSize(100, 50);
  s.switchTime.assign(static_cast<size_t>(count), 0);
  s.transition.assign(static_cast<size_t>(count), TransitionDirect);
  s.endText = "Bye";
  return s;
}

}  // namespace

TEST(CShowDlgTest, KeysAndClicksMoveAndEscapeEnds) {
  ColourSlides slides(3);
  StepTime time;
  SilentBells bells;
  CShowDlg dlg(Settings(3), ShowMode::Production, slides, nullptr, &time, &bells);
  ASSERT_TRUE(dlg.Start(QRect(0, 0, 200, 160)));
  EXPECT_EQ(dlg.geometry(), QRect(0, 0, 200, 160));
  const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
  const struct {
    int key;
    Qt::KeyboardModifiers modifiers;
    int index;
  } steps[] = {{Qt::Key_Right, {}, 1},  {Qt::Key_N, {}, 2},         {Qt::Key_N, {}, 3},
               {Qt::Key_N, {}, 3},      // nothing after the closing screen
               {Qt::Key_P, {}, 2},      {Qt::Key_Left, {}, 1},       {Qt::Key_N, shift, 0},
               {Qt::Key_P, shift, 1},   {Qt::Key_Down, {}, 1},       // pointer keys without a pointer
               {Qt::Key_Up, {}, 1},     {Qt::Key_Backspace, {}, 0},  {Qt::Key_Space, {}, 1},
               {Qt::Key_Return, {}, 2}, {Qt::Key_Left, {}, 1},       {Qt::Key_Enter, {}, 2}};
  for (const auto& step : steps) {
    Key(dlg, step.key, step.modifiers);
    EXPECT_EQ(dlg.Engine().Index(), step.index) << step.key;
  }
  Click(dlg);
  EXPECT_TRUE(dlg.Engine().AtClosingScreen());
  EXPECT_TRUE(dlg.isVisible());
  Key(dlg, Qt::Key_Escape);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_FALSE(time.Running());
}

TEST(CShowDlgTest, PaintsTheSlideAtItsOffsetThenTheClosingScreen) {
  ColourSlides slides(1);
  StepTime time;
  SilentBells bells;
  CShowDlg dlg(Settings(1), ShowMode::Production, slides, nullptr, &time, &bells);
  ASSERT_TRUE(dlg.Start(QRect(0, 0, 200, 160)));
  // 100 x 50 on 200 x 160: scale 2, image 200 x 100 at y 30.
  QImage shot = dlg.grab().toImage();
  EXPECT_EQ(shot.pixel(0, 29), qRgb(0, 0, 0));
  EXPECT_EQ(shot.pixel(0, 30), ColourSlides::Colour(0));
  EXPECT_EQ(shot.pixel(199, 129), ColourSlides::Colour(0));
  EXPECT_EQ(shot.pixel(0, 130), qRgb(0, 0, 0));
  Key(dlg, Qt::Key_Right);
  shot = dlg.grab().toImage();
  int ink = 0;
  for (int y = 0; y < 160; ++y)
    for (int x = 0; x < 200; ++x) ink += shot.pixel(x, y) == qRgb(247, 247, 222);
  EXPECT_GT(ink, 0);
}

TEST(CShowDlgTest, BellPictureBlinksInTheBottomLeftCorner) {
  ColourSlides slides(1);
  StepTime time;
  SilentBells bells;
  ShowSettings s = Settings(1);
  s.bell1 = {3, 1};
  CShowDlg dlg(s, ShowMode::RehearsalAuto, slides, nullptr, &time, &bells);
  ASSERT_TRUE(dlg.Start(QRect(0, 0, 200, 160)));
  time.Fire();
  EXPECT_EQ(bells.played, std::vector<int>{1});
  ASSERT_TRUE(dlg.Engine().BellPictureVisible());
  const QImage shot = dlg.grab().toImage();
  // The picture's corner is white, hence transparent; its middle is the bell.
  EXPECT_EQ(shot.pixel(20, 66), ColourSlides::Colour(0));
  EXPECT_NE(shot.pixel(20 + 47, 66 + 40), ColourSlides::Colour(0));
  time.Fire();
  EXPECT_EQ(dlg.grab().toImage().pixel(20 + 47, 66 + 40), ColourSlides::Colour(0));
}

TEST(CShowDlgTest, ResultsOnlyNeverShowsTheWindow) {
  ColourSlides slides(2);
  StepTime time;
  SilentBells bells;
  CShowDlg dlg(Settings(2), ShowMode::ResultsOnly, slides, nullptr, &time, &bells);
  EXPECT_FALSE(dlg.Start(QRect(0, 0, 200, 160)));
  EXPECT_FALSE(dlg.isVisible());
}

// The results open over the show with the measured seconds; the show ends
// once they close. With the stored times only, they open over the owner.
TEST(CShowDlgTest, TheRehearsalsEndOpensTheResultsOverTheShow) {
  ColourSlides slides(2);
  StepTime time;
  SilentBells bells;
  QWidget owner;
  std::vector<std::pair<std::vector<int>, QWidget*>> opened;
  const auto results = [&](const std::vector<int>& times, QWidget* over) {
    opened.emplace_back(times, over);
  };
  CShowDlg measure(Settings(2), ShowMode::RehearsalMeasure, slides, &owner, &time, &bells);
  measure.SetResultsWindow(results);
  ASSERT_TRUE(measure.Start(QRect(0, 0, 200, 160)));
  time.Fire(4);
  Key(measure, Qt::Key_N);
  time.Fire(2);
  Key(measure, Qt::Key_N);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].first, (std::vector<int>{4, 2}));
  EXPECT_EQ(opened[0].second, &measure);
  EXPECT_FALSE(measure.isVisible());

  ShowSettings stored = Settings(2);
  stored.switchTime = {9, 70000};
  CShowDlg only(stored, ShowMode::ResultsOnly, slides, &owner, &time, &bells);
  only.SetResultsWindow(results);
  EXPECT_FALSE(only.Start(QRect(0, 0, 200, 160)));
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[1].first, (std::vector<int>{9, 70000}));
  EXPECT_EQ(opened[1].second, &owner);
}

TEST(CShowDlgTest, BellResourcesAreBuiltIn) {
  EXPECT_EQ(BellPicture().size(), kBellPictureSize);
  EXPECT_EQ(qAlpha(BellPicture().pixel(0, 0)), 0);
  // Neither may hang or fail without an audio device or without the module.
  for (const QString& folder : {QStringLiteral(BELL_MODULE_DIR), QStringLiteral("/nonexistent")}) {
    QtBellPlayer player(folder);
    player.Play(1);
    player.Play(2);
    player.Play(7);
  }
  EXPECT_TRUE(QLibrary(QStringLiteral(BELL_MODULE_DIR "/") + QtBellPlayer::kModuleName).load());
}
