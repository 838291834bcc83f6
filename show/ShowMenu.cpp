#include "show/ShowMenu.h"

namespace {

const char* const kTooltips[kMenuButtonCount] = {
    "次スライド\n(N, Shift + P, →)", "前スライド\n(P, Shift + N, ←)", "スライド指定",
    "指示棒\n(+, -, ↑,↓)",           "消去\n(RWClick, C, Delete)",   "色変更",
    "終了\n(ESC)",
};

bool ValidButton(int button) { return button >= 0 && button < kMenuButtonCount; }

}  // namespace

QRect MenuRect(QSize screen) { return QRect(screen.width() - 312, screen.height() - 60, 302, 50); }

QRect MenuButtonRect(int button, QSize screen) {
  return QRect(screen.width() - 305 + 42 * button, screen.height() - 54, 39, 39);
}

int MenuButtonAt(QPoint p, QSize screen) {
  for (int i = 0; i < kMenuButtonCount; ++i)
    if (MenuButtonRect(i, screen).contains(p)) return i;
  return -1;
}

QRect MenuHighlightSource(int button) { return QRect(2 + 42 * button, 0, 42, 42); }

QPoint MenuHighlightTarget(int button, QSize screen) {
  return MenuRect(screen).topLeft() + QPoint(2 + 42 * button, 1);
}

QString MenuTooltip(int button) {
  return ValidButton(button) ? QString::fromUtf8(kTooltips[button]) : QString();
}

bool MenuShownAtStart(int menuMode) { return menuMode != 0; }

int MenuTimerMs(int menuMode) { return menuMode >= 2 && menuMode <= 10 ? menuMode * 1000 : 0; }

ShowMenu::Change ShowMenu::Move(QPoint p, QSize screen) {
  Change change;
  if (!MenuRect(screen).contains(p)) {
    if (!hovered_) return change;
    hovered_ = false;
    highlighted_ = -1;
    change.repaint = true;
    change.tooltipOff = true;
    return change;
  }
  if (!hovered_) {
    hovered_ = true;
    change.repaint = true;
  }
  const int button = MenuButtonAt(p, screen);
  if (button >= 0 && button != highlighted_) {
    highlighted_ = button;
    change.repaint = true;
    change.tooltip = button;
  }
  return change;
}
