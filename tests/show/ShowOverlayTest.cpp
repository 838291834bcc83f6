// The presenter's controls driven through the real show window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWheelEvent>

#include <QMenu>

#include "SettingsReset.h"
#include "ShowFakes.h"
#include "base/Settings.h"
#include "show/MesDlg.h"
#include "show/ShowDlg.h"
#include "show/ShowTooltip.h"
#include "show/TimeDlg.h"

namespace {

const QRect kScreen(0, 0, 400, 300);
const QColor kPen(255, 130, 0);

class SilentBells : public BellPlayer {
 public:
  void Play(int) override {}
};

ShowSettings Settings(int count, int menuMode = 0) {
  ShowSettings s;
  s.slideSize = QSize(400, 300);
  s.switchTime.assign(static_cast<size_t>(count), 0);
  s.transition.assign(static_cast<size_t>(count), TransitionDirect);
  s.menuMode = menuMode;
  s.endText = "Bye";
  return s;
}

void Mouse(QWidget& w, QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons held) {
  QMouseEvent event(type, QPointF(p), w.mapToGlobal(QPointF(p)), button, held, Qt::NoModifier);
  QApplication::sendEvent(&w, &event);
}

void Press(QWidget& w, QPoint p, Qt::MouseButton b = Qt::LeftButton) {
  Mouse(w, QEvent::MouseButtonPress, p, b, b);
}
void Release(QWidget& w, QPoint p, Qt::MouseButton b = Qt::LeftButton) {
  Mouse(w, QEvent::MouseButtonRelease, p, b, Qt::NoButton);
}
void Move(QWidget& w, QPoint p, Qt::MouseButtons held = Qt::NoButton) {
  Mouse(w, QEvent::MouseMove, p, Qt::NoButton, held);
}
void DoubleClick(QWidget& w, QPoint p, Qt::MouseButton b) {
  Mouse(w, QEvent::MouseButtonDblClick, p, b, b);
}
void Key(QWidget& w, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(&w, &press);
}
void Wheel(QWidget& w, int delta) {
  QWheelEvent event(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, delta), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&w, &event);
}

QPoint ButtonAt(int button) { return MenuButtonRect(button, kScreen.size()).center(); }

// A show of plain coloured slides on a 400 x 300 screen.
struct Show {
  explicit Show(int count, ShowMode mode = ShowMode::Production, int menuMode = 0)
      : Show(Settings(count, menuMode), count, mode) {}
  Show(ShowSettings s, int count, ShowMode mode) : slides(count), dlg(std::move(s), mode, slides, nullptr, &time, &bells) {
    dlg.SetColourDialog([this](QColor current, QWidget*) -> std::optional<QColor> {
      offered = current;
      return chosen;
    });
    started = static_cast<bool>(dlg.Start(kScreen));
  }
  QRgb At(QPoint p) { return dlg.Overlay().Screen().pixel(p); }
  QRgb Slide() { return ColourSlides::Colour(dlg.Engine().Index()); }
  int Count(QRgb colour) {
    const QImage& s = dlg.Overlay().Screen();
    int n = 0;
    for (int y = 0; y < s.height(); ++y)
      for (int x = 0; x < s.width(); ++x) n += s.pixel(x, y) == colour;
    return n;
  }
  void Stroke(QPoint from, QPoint to) {
    Press(dlg, from, Qt::RightButton);
    Drag(from, to);
    Release(dlg, to, Qt::RightButton);
  }
  // Without the press and release, which open the guide when there is no pointer.
  void Drag(QPoint from, QPoint to) {
    Move(dlg, from, Qt::RightButton);
    Move(dlg, to, Qt::RightButton);
  }

  ColourSlides slides;
  StepTime time;
  SilentBells bells;
  CShowDlg dlg;
  bool started = false;
  std::optional<QColor> chosen;
  QColor offered;
};

}  // namespace

TEST(ShowOverlayTest, PenDrawsOnlyWithThePointerShownAndTheRightButtonHeld) {
  Show show(2);
  ASSERT_TRUE(show.started);
  show.Drag(QPoint(50, 50), QPoint(200, 50));  // no pointer: no ink
  EXPECT_EQ(show.Count(kPen.rgb()), 0);
  Press(show.dlg, ButtonAt(3));
  ASSERT_TRUE(show.dlg.Overlay().Pointer().Shown());
  EXPECT_EQ(show.dlg.cursor().shape(), Qt::BlankCursor);
  Move(show.dlg, QPoint(50, 50));
  Move(show.dlg, QPoint(200, 50));  // no button held: no ink
  EXPECT_EQ(show.Count(kPen.rgb()), 0);
  EXPECT_NE(show.At(QPoint(200, 50)), show.Slide());  // the stick's tip under the cursor
  show.Stroke(QPoint(50, 50), QPoint(200, 50));
  EXPECT_FALSE(show.dlg.Overlay().PenDrawing());
  for (int y = 48; y <= 52; ++y) EXPECT_EQ(show.At(QPoint(120, y)), kPen.rgb()) << y;
  EXPECT_EQ(show.At(QPoint(120, 53)), show.Slide());
  // The stick moves away: the stroke under it comes back whole.
  Move(show.dlg, QPoint(300, 200));
  EXPECT_EQ(show.At(QPoint(195, 50)), kPen.rgb());
  // Hidden again: the cursor comes back and strokes stop.
  Press(show.dlg, ButtonAt(3));
  EXPECT_FALSE(show.dlg.Overlay().Pointer().Shown());
  EXPECT_NE(show.dlg.cursor().shape(), Qt::BlankCursor);
  const int ink = show.Count(kPen.rgb());
  show.Drag(QPoint(50, 150), QPoint(200, 150));
  EXPECT_EQ(show.Count(kPen.rgb()), ink);
}

TEST(ShowOverlayTest, CDeleteAndRightDoubleClickEraseTheStrokes) {
  Show show(2);
  Press(show.dlg, ButtonAt(3));
  const struct {
    const char* name;
    std::function<void(Show&)> erase;
  } ways[] = {
      {"C", [](Show& s) { Key(s.dlg, Qt::Key_C); }},
      {"Delete", [](Show& s) { Key(s.dlg, Qt::Key_Delete); }},
      {"right double-click", [](Show& s) { DoubleClick(s.dlg, QPoint(10, 10), Qt::RightButton); }},
      {"menu button", [](Show& s) { Press(s.dlg, ButtonAt(4)); }},
  };
  for (const auto& way : ways) {
    show.Stroke(QPoint(50, 100), QPoint(250, 100));
    ASSERT_GT(show.Count(kPen.rgb()), 500) << way.name;
    way.erase(show);
    EXPECT_EQ(show.Count(kPen.rgb()), 0) << way.name;
    EXPECT_EQ(show.dlg.Engine().Index(), 0) << way.name;
    EXPECT_TRUE(show.dlg.Overlay().Pointer().Shown()) << way.name;
  }
}

TEST(ShowOverlayTest, SparkleWhileTheRightButtonIsDownUntilAStrokeStarts) {
  Show show(1);
  Press(show.dlg, ButtonAt(3));
  Move(show.dlg, QPoint(100, 100));
  const QImage before = show.dlg.Overlay().Screen().copy();
  Press(show.dlg, QPoint(100, 100), Qt::RightButton);
  EXPECT_TRUE(show.dlg.Overlay().Sparkling());
  EXPECT_GT(show.Count(qRgb(255, 255, 0)) + show.Count(qRgb(0, 0, 255)), 50);
  Release(show.dlg, QPoint(100, 100), Qt::RightButton);
  EXPECT_FALSE(show.dlg.Overlay().Sparkling());
  EXPECT_EQ(show.dlg.Overlay().Screen(), before);
}

TEST(ShowOverlayTest, PointerSizeByKeysAndWheelOnlyWhileShown) {
  Show show(1);
  const PointerStick& stick = show.dlg.Overlay().Pointer();
  Key(show.dlg, Qt::Key_Up);
  Wheel(show.dlg, -120);
  EXPECT_EQ(stick.Size(), 1);
  Press(show.dlg, ButtonAt(3));
  const struct {
    std::function<void(Show&)> act;
    int size;
  } steps[] = {
      {[](Show& s) { Key(s.dlg, Qt::Key_Up); }, 2},       {[](Show& s) { Key(s.dlg, Qt::Key_Plus); }, 3},
      {[](Show& s) { Key(s.dlg, Qt::Key_Up); }, 3},       {[](Show& s) { Key(s.dlg, Qt::Key_Down); }, 2},
      {[](Show& s) { Key(s.dlg, Qt::Key_Minus); }, 1},    {[](Show& s) { Key(s.dlg, Qt::Key_Down); }, 1},
      {[](Show& s) { Wheel(s.dlg, -120); }, 2},           // towards the user: larger
      {[](Show& s) { Wheel(s.dlg, -60); }, 2},            // half a notch waits
      {[](Show& s) { Wheel(s.dlg, -60); }, 3},
      {[](Show& s) { Wheel(s.dlg, 120); }, 2},
  };
  for (const auto& step : steps) {
    step.act(show);
    EXPECT_EQ(stick.Size(), step.size);
  }
}

TEST(ShowOverlayTest, MenuShowsAtTheStartForItsSecondsAndWhenHovered) {
  Show show(1, ShowMode::Production, 3);
  const QPoint strip = MenuRect(kScreen.size()).topLeft() + QPoint(1, 1);
  EXPECT_NE(show.At(strip), show.Slide());
  show.time.Advance(2999);
  EXPECT_NE(show.At(strip), show.Slide());
  show.time.Advance(1);
  EXPECT_EQ(show.At(strip), show.Slide());
  // Hovering draws it and lights the button under the mouse.
  Move(show.dlg, ButtonAt(1));
  EXPECT_NE(show.At(strip), show.Slide());
  EXPECT_EQ(show.dlg.Overlay().Menu().Highlighted(), 1);
  const QPoint lit = MenuHighlightTarget(1, kScreen.size()) + QPoint(21, 21);
  const QPoint unlit = MenuHighlightTarget(0, kScreen.size()) + QPoint(21, 21);
  EXPECT_NE(show.At(lit), show.At(unlit));
  Move(show.dlg, QPoint(10, 10));
  EXPECT_EQ(show.At(strip), show.Slide());
}

TEST(ShowOverlayTest, TooltipComesAfterHalfASecondAndGoesAfterFive) {
  Show show(1);
  Move(show.dlg, ButtonAt(6));
  const ShowTooltip& tip = show.dlg.Tooltip();
  EXPECT_EQ(tip.Text(), QString::fromUtf8("終了\n(ESC)"));
  EXPECT_FALSE(tip.Visible());
  show.time.Advance(500);
  EXPECT_TRUE(tip.Visible());
  show.time.Advance(5000);
  EXPECT_FALSE(tip.Visible());
  Move(show.dlg, ButtonAt(5));
  show.time.Advance(500);
  EXPECT_EQ(tip.Text(), QString::fromUtf8("色変更"));
  EXPECT_TRUE(tip.Visible());
  Move(show.dlg, QPoint(10, 10));
  EXPECT_FALSE(tip.Visible());
}

TEST(ShowOverlayTest, PickerGoesToTheSlideClicked) {
  Show show(25);
  Press(show.dlg, ButtonAt(2));
  ASSERT_EQ(show.dlg.Overlay().Picker().State(), SlidePicker::Column::Groups);
  std::vector<PickerBox> boxes = show.dlg.Overlay().Picker().Boxes(kScreen.size(), 0);
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(show.At(boxes[0].rect.center() + QPoint(0, -8)), qRgb(222, 74, 8));  // the group of slide 1
  EXPECT_EQ(show.At(boxes[1].rect.topLeft()), qRgb(0, 33, 90));
  Press(show.dlg, boxes[2].rect.center(), Qt::RightButton);  // the right button picks too
  boxes = show.dlg.Overlay().Picker().Boxes(kScreen.size(), 0);
  ASSERT_EQ(boxes.size(), 5u);
  Press(show.dlg, boxes[3].rect.center());
  EXPECT_EQ(show.dlg.Engine().Index(), 23);
  EXPECT_FALSE(show.dlg.Overlay().Picker().IsOpen());
  EXPECT_EQ(show.At(boxes[3].rect.center()), show.Slide());
  // Open, then a click elsewhere goes on and takes the picker away.
  Press(show.dlg, ButtonAt(2));
  Press(show.dlg, QPoint(10, 10));
  EXPECT_EQ(show.dlg.Engine().Index(), 24);
  EXPECT_FALSE(show.dlg.Overlay().Picker().IsOpen());
}

TEST(ShowOverlayTest, MenuButtonsMoveChooseTheColourAndEnd) {
  Show show(3);
  Press(show.dlg, ButtonAt(0));
  EXPECT_EQ(show.dlg.Engine().Index(), 1);
  Press(show.dlg, ButtonAt(1), Qt::RightButton);
  EXPECT_EQ(show.dlg.Engine().Index(), 0);
  show.chosen = QColor(Qt::red);
  Press(show.dlg, ButtonAt(5));
  EXPECT_EQ(show.offered, kPen);
  EXPECT_EQ(show.dlg.Overlay().PenColour(), QColor(Qt::red));
  show.chosen.reset();
  Press(show.dlg, ButtonAt(5));  // cancelled: the colour stays
  EXPECT_EQ(show.dlg.Overlay().PenColour(), QColor(Qt::red));
  Press(show.dlg, ButtonAt(3));
  show.Stroke(QPoint(20, 20), QPoint(120, 20));
  EXPECT_GT(show.Count(qRgb(255, 0, 0)), 400);
  Press(show.dlg, ButtonAt(6));
  EXPECT_FALSE(show.dlg.isVisible());
}

TEST(ShowOverlayTest, DoubleClickEndsOnlyOnTheClosingScreen) {
  Show show(2);
  DoubleClick(show.dlg, QPoint(10, 10), Qt::LeftButton);
  EXPECT_TRUE(show.dlg.isVisible());
  EXPECT_EQ(show.dlg.Engine().Index(), 0);  // the second click of a double-click does not move
  Press(show.dlg, QPoint(10, 10));
  Press(show.dlg, QPoint(10, 10));
  ASSERT_TRUE(show.dlg.Engine().AtClosingScreen());
  // The closing message brings the menu with it.
  EXPECT_NE(show.At(MenuRect(kScreen.size()).topLeft() + QPoint(1, 1)), qRgb(0, 0, 0));
  DoubleClick(show.dlg, QPoint(10, 10), Qt::LeftButton);
  EXPECT_FALSE(show.dlg.isVisible());
}

TEST(ShowOverlayTest, RightReleaseWithNothingElseOpensTheGuideForTwoSeconds) {
  Show show(2);
  int guides = 0;
  QString text;
  QTimer::singleShot(0, [&] {
    auto* guide = qobject_cast<CMesDlg*>(QApplication::activeModalWidget());
    if (!guide) return;
    ++guides;
    text = guide->Text();
    show.time.Advance(1999);
    EXPECT_TRUE(guide->isVisible());
    show.time.Advance(1);
  });
  Press(show.dlg, QPoint(100, 100), Qt::RightButton);
  Release(show.dlg, QPoint(100, 100), Qt::RightButton);
  EXPECT_EQ(guides, 1);
  EXPECT_EQ(text, QString::fromUtf8("カーソルを右下隅に合せるとメニューが表示されます"));
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(show.time.Pending(), 0u);
  // With the menu under the mouse, on the closing screen or with the
  // pointer shown, no guide.
  Move(show.dlg, ButtonAt(0));
  Release(show.dlg, ButtonAt(0), Qt::RightButton);
  Move(show.dlg, QPoint(100, 100));
  Press(show.dlg, ButtonAt(3));
  Release(show.dlg, QPoint(100, 100), Qt::RightButton);
  Press(show.dlg, ButtonAt(3));
  show.dlg.Engine().GoTo(1);
  show.dlg.Engine().Next();
  Release(show.dlg, QPoint(100, 100), Qt::RightButton);
  EXPECT_EQ(guides, 1);
}

TEST(ShowOverlayTest, GuideClosesAtALeftPress) {
  Show show(1);
  bool closed = false;
  QTimer::singleShot(0, [&] {
    QWidget* guide = QApplication::activeModalWidget();
    if (!guide) return;
    Press(*guide, QPoint(2, 2));
    closed = !guide->isVisible();
  });
  Release(show.dlg, QPoint(100, 100), Qt::RightButton);
  EXPECT_TRUE(closed);
  EXPECT_EQ(show.time.Pending(), 0u);  // its timer went with it
}

TEST(ShowOverlayTest, TheClockCountsPausesAndKeepsItsPlace) {
  support::ClearSettings();
  WriteInt("CTimeDlg", "PX", 5000);
  WriteInt("CTimeDlg", "PY", 7);
  Show show(2, ShowMode::RehearsalMeasure);
  CTimeDlg* clock = show.dlg.Clock();
  ASSERT_NE(clock, nullptr);
  EXPECT_TRUE(clock->isVisible());
  EXPECT_EQ(clock->pos(), QPoint(400 - 260, 7));  // kept on the screen
  show.time.Fire(65);
  EXPECT_EQ(clock->Text(), QString("00:01:05"));
  clock->TogglePause();
  EXPECT_FALSE(show.time.Running());
  show.time.Fire(10);
  EXPECT_EQ(show.dlg.Engine().Times()[0], 65);
  clock->TogglePause();
  show.time.Fire(1);
  EXPECT_EQ(clock->Text(), QString("00:01:06"));
  clock->SetFormat(ClockFormat::Minutes);
  EXPECT_EQ(clock->Text(), QString("    1   "));
  EXPECT_EQ(GetInt("Last", "DateFormat", 1), 3);
  clock->move(30, 40);
  Key(show.dlg, Qt::Key_Escape);
  EXPECT_EQ(GetInt("CTimeDlg", "PX", 20), 30);
  EXPECT_EQ(GetInt("CTimeDlg", "PY", 20), 40);
  support::ClearSettings();
}

TEST(ShowOverlayTest, TheClockMenuChecksTheFormatAndPause) {
  Show show(1, ShowMode::RehearsalMeasure);
  CTimeDlg* clock = show.dlg.Clock();
  ASSERT_NE(clock, nullptr);
  std::unique_ptr<QMenu> menu = clock->BuildMenu();
  const QList<QAction*> actions = menu->actions();
  ASSERT_EQ(actions.size(), 2);
  EXPECT_EQ(actions[0]->text(), QString::fromUtf8("一時停止/再進行(&P)\tWClick"));
  EXPECT_FALSE(actions[0]->isChecked());
  const QList<QAction*> formats = actions[1]->menu()->actions();
  ASSERT_EQ(formats.size(), 4);
  EXPECT_TRUE(formats[clock->Format() == ClockFormat::HoursMinutesSeconds ? 0 : 1]->isChecked());
  formats[3]->trigger();
  EXPECT_EQ(clock->Format(), ClockFormat::Seconds);
  actions[0]->trigger();
  EXPECT_TRUE(show.dlg.Engine().Paused());
  // A double-click resumes.
  Mouse(*clock, QEvent::MouseButtonDblClick, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
  EXPECT_FALSE(show.dlg.Engine().Paused());
  support::ClearSettings();
}

TEST(ShowOverlayTest, TheClockIsOnlyForTheRehearsals) {
  EXPECT_EQ(Show(1, ShowMode::Production).dlg.Clock(), nullptr);
  EXPECT_EQ(Show(1, ShowMode::RehearsalAuto).dlg.Clock(), nullptr);
  ShowSettings s = Settings(1);
  s.showClock = 1;
  Show autoClock(s, 1, ShowMode::RehearsalAuto);
  EXPECT_TRUE(autoClock.dlg.Clock()->isVisible());
  s.player = true;
  Show player(s, 1, ShowMode::RehearsalMeasure);
  EXPECT_EQ(player.dlg.Clock(), nullptr);
}
