// The pictures drawn over a show, from the program's resources: the menu
// strip, the pointer stick in three sizes and the clock's figures.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <array>
#include <optional>

inline constexpr QSize kMenuBitmapSize(302, 100);
inline constexpr QSize kClockDigitsSize(352, 50);
inline constexpr QSize kClockCellSize(32, 50);
inline constexpr QRgb kClockKey = 0x008080;  // RGB(0,128,128) is see-through

struct ShowBitmaps {
  QImage menu;
  std::array<QImage, 3> pointers;  // 61, 122 and 184 pixels square
  QImage clockDigits;              // "0".."9" and ":" in 32 x 50 cells
};

// Nothing when a bitmap is missing or not of its size.
std::optional<ShowBitmaps> LoadShowBitmaps();

// The clock cell of `c` ('0'..'9', ':'); empty for any other character.
QRect ClockCell(QChar c);
