// The seven-button menu in the bottom-right corner of a show: where it lies,
// which button the mouse is on, when it shows and what each button says.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

inline constexpr int kMenuButtonCount = 7;

// Buttons in the order they sit on the strip, left to right.
enum class MenuButton { Next, Previous, Picker, Pointer, Erase, Colour, End };

// 302 x 50 at (W - 312, H - 60).
QRect MenuRect(QSize screen);
// The 39 x 39 square that reacts to the mouse.
QRect MenuButtonRect(int button, QSize screen);
// The button under `p`, or -1.
int MenuButtonAt(QPoint p, QSize screen);

// In the menu bitmap: rows 50..99 the strip, rows 0..41 the highlighted cells.
inline constexpr QRect kMenuStripSource(0, 50, 302, 50);
QRect MenuHighlightSource(int button);
// Where a highlighted cell goes on the screen.
QPoint MenuHighlightTarget(int button, QSize screen);

QString MenuTooltip(int button);

// The menu display setting: 0 never, 1 always, 2..10 for the first N seconds.
bool MenuShownAtStart(int menuMode);
// Milliseconds until the menu hides by itself; 0 when it never does.
int MenuTimerMs(int menuMode);

// Whether the menu is drawn and which button is highlighted, as the mouse moves.
class ShowMenu {
 public:
  explicit ShowMenu(int menuMode) : shown_(MenuShownAtStart(menuMode)) {}

  // Shown by the display setting, or under the mouse.
  bool Visible() const { return shown_ || hovered_; }
  int Highlighted() const { return highlighted_; }
  void Hide() { shown_ = false; }

  struct Change {
    bool repaint = false;    // the menu rectangle must be drawn again
    int tooltip = -1;        // the button whose tooltip now applies
    bool tooltipOff = false;
  };
  // The mouse is at `p`.
  Change Move(QPoint p, QSize screen);

 private:
  bool shown_;
  bool hovered_ = false;
  int highlighted_ = -1;
};
