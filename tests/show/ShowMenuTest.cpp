#include <gtest/gtest.h>

#include "show/ShowMenu.h"
#include "show/ShowKeyMap.h"

namespace {

const QSize kScreen(1024, 768);

}  // namespace

TEST(ShowMenuTest, SevenButtonsReactInTheirSquaresOnly) {
  EXPECT_EQ(MenuRect(kScreen), QRect(712, 708, 302, 50));
  for (int i = 0; i < kMenuButtonCount; ++i) {
    const int left = 1024 - 305 + 42 * i;
    const int top = 768 - 54;
    const struct {
      QPoint p;
      int button;
    } probes[] = {
        {{left, top}, i},           {{left + 38, top + 38}, i},
        {{left - 1, top}, -1},      {{left + 39, top}, -1},  // the gaps between squares
        {{left, top - 1}, -1},
        {{left, top + 39}, -1},
    };
    for (const auto& probe : probes)
      EXPECT_EQ(MenuButtonAt(probe.p, kScreen), probe.button) << i << " " << probe.p.x() << "," << probe.p.y();
    EXPECT_EQ(MenuHighlightSource(i), QRect(2 + 42 * i, 0, 42, 42));
    EXPECT_EQ(MenuHighlightTarget(i, kScreen), QPoint(712 + 2 + 42 * i, 709));
  }
  EXPECT_EQ(MenuTooltip(0), QString::fromUtf8("次スライド\n(N, Shift + P, →)"));
  EXPECT_EQ(MenuTooltip(6), QString::fromUtf8("終了\n(ESC)"));
  EXPECT_EQ(MenuTooltip(7), QString());
}

TEST(ShowMenuTest, DisplaySettingDecidesTheStartAndTheTimer) {
  const struct {
    int mode;
    bool shown;
    int ms;
  } cases[] = {{0, false, 0}, {1, true, 0}, {2, true, 2000}, {10, true, 10000}, {11, true, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(MenuShownAtStart(c.mode), c.shown) << c.mode;
    EXPECT_EQ(MenuTimerMs(c.mode), c.ms) << c.mode;
  }
}

TEST(ShowMenuTest, HoverHighlightsOneButtonAndLeavingClearsIt) {
  ShowMenu menu(0);
  EXPECT_FALSE(menu.Visible());
  ShowMenu::Change c = menu.Move(QPoint(10, 10), kScreen);
  EXPECT_FALSE(c.repaint);
  // Into the strip, between buttons: drawn, nothing lit.
  c = menu.Move(QPoint(714, 710), kScreen);
  EXPECT_TRUE(c.repaint);
  EXPECT_TRUE(menu.Visible());
  EXPECT_EQ(menu.Highlighted(), -1);
  c = menu.Move(MenuButtonRect(3, kScreen).center(), kScreen);
  EXPECT_EQ(c.tooltip, 3);
  EXPECT_EQ(menu.Highlighted(), 3);
  c = menu.Move(MenuButtonRect(3, kScreen).center() + QPoint(1, 1), kScreen);
  EXPECT_FALSE(c.repaint);  // the same button: no new tooltip
  EXPECT_EQ(c.tooltip, -1);
  c = menu.Move(MenuButtonRect(4, kScreen).center(), kScreen);
  EXPECT_EQ(menu.Highlighted(), 4);
  c = menu.Move(QPoint(700, 700), kScreen);
  EXPECT_TRUE(c.repaint);
  EXPECT_TRUE(c.tooltipOff);
  EXPECT_EQ(menu.Highlighted(), -1);
  EXPECT_FALSE(menu.Visible());
}

TEST(ShowMenuTest, TheTimerHidesAShownMenuUnlessHovered) {
  ShowMenu menu(5);
  EXPECT_TRUE(menu.Visible());
  menu.Move(MenuButtonRect(0, kScreen).center(), kScreen);
  menu.Hide();
  EXPECT_TRUE(menu.Visible());
  menu.Move(QPoint(0, 0), kScreen);
  EXPECT_FALSE(menu.Visible());
}

TEST(ShowKeyMapTest, EachProgramHasItsOwnCommandNumbers) {
  const Qt::KeyboardModifiers none = Qt::NoModifier;
  const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
  const struct {
    int key;
    Qt::KeyboardModifiers mods;
    int tessaly;
    int player;
    ShowAction action;
  } cases[] = {
      {Qt::Key_N, none, 32921, 101, ShowAction::Next},
      {Qt::Key_P, shift, 32921, 101, ShowAction::Next},
      {Qt::Key_Right, none, 32921, 101, ShowAction::Next},
      {Qt::Key_P, none, 32923, 102, ShowAction::Previous},
      {Qt::Key_N, shift, 32923, 102, ShowAction::Previous},
      {Qt::Key_Left, none, 32923, 102, ShowAction::Previous},
      {Qt::Key_C, none, 577, 103, ShowAction::Erase},
      {Qt::Key_Delete, none, 577, 103, ShowAction::Erase},
      {Qt::Key_Plus, Qt::KeypadModifier, 580, 104, ShowAction::PointerLarger},
      {Qt::Key_Up, none, 580, 104, ShowAction::PointerLarger},
      {Qt::Key_Minus, Qt::KeypadModifier, 581, 105, ShowAction::PointerSmaller},
      {Qt::Key_Down, none, 581, 105, ShowAction::PointerSmaller},
      {Qt::Key_Return, none, 1, 1, ShowAction::Next},
      {Qt::Key_Enter, Qt::KeypadModifier, 1, 1, ShowAction::Next},
      {Qt::Key_Escape, none, 2, 2, ShowAction::End},
      {Qt::Key_A, none, 0, 0, ShowAction::None},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ShowCommandForKey(c.key, c.mods, false), c.tessaly) << c.key;
    EXPECT_EQ(ShowCommandForKey(c.key, c.mods, true), c.player) << c.key;
    EXPECT_EQ(ShowActionForCommand(c.tessaly, false), c.action) << c.key;
    EXPECT_EQ(ShowActionForCommand(c.player, true), c.action) << c.key;
  }
  // A number of one program means nothing to the other.
  EXPECT_EQ(ShowActionForCommand(101, false), ShowAction::None);
  EXPECT_EQ(ShowActionForCommand(32921, true), ShowAction::None);
}
