// Pen strokes drawn over the show with the right button while the pointer
// is shown: 5 pixels wide in the pen colour, on the screen only.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>

inline constexpr int kPenWidth = 5;

class PenStroke {
 public:
  bool Drawing() const { return drawing_; }
  // A move with the right button held: the first starts the stroke at `p`,
  // each further one draws from the last point. Returns the area drawn.
  QRect Move(QImage& screen, QPoint p, QColor colour);
  void End() { drawing_ = false; }

 private:
  bool drawing_ = false;
  QPoint last_;
};
