// Font descriptions for figure text, built the way every drawing part expects.
#pragma once

#include <QString>

class QFont;

// The fields of a logical font that the drawing code uses.
struct LogFont {
  QString face;        // at most 31 CP932 bytes
  int height = 0;      // negative: character height in device pixels
  int width = 0;
  int weight = 400;    // 400 normal, 700 bold
  bool italic = false;
  bool strikeOut = false;
  bool underline = false;
  int escapement = 0;  // tenths of a degree, counter-clockwise
};

inline constexpr char kDefaultFace[] = "Meiryo UI";

// `dpiY` is the vertical resolution of the device the font is for.
LogFont MakeFont(const QString& face, int points, bool bold, bool italic, bool strikeOut,
                 bool underline, int angle, int dpiY);

// The Qt font for a description (escapement is applied by whoever draws).
QFont ToQFont(const LogFont& lf);
