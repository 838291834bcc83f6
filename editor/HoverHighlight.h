// The hover highlight: three soft comet arcs that circle an unselected object
// under the pointer for a few turns. The state steps on each timer tick, so it
// is driven (and tested) without a clock.
#pragma once

#include <QRect>

#include "geometry/MathSub.h"

class QPainter;

inline constexpr int kHoverMinBox = 100;
inline constexpr int kHoverArcs = 3;         // 120 degrees apart
inline constexpr int kHoverDegreesPerTick = 4;

// The timer period for the speed setting: speed × 10 + 5 milliseconds.
int HoverPeriodMs(int speed);
// The box circled: the object's bounds when wider and taller than 100, else a
// 100 x 100 square around their centre (view pixels).
QRect HoverBox(const Bounds& bounds);

class HoverHighlight {
 public:
  // Starts circling `box` (view pixels) `turns` times from `startDegrees`.
  void Start(int object, QRect box, int turns, int startDegrees);
  void Stop() { object_ = -1; }
  bool Active() const { return object_ >= 0; }
  int Object() const { return object_; }
  // Advances one tick; false once the last turn has been run.
  bool Step();

  // The view-pixel area the drawing may touch.
  QRect Area() const;
  // Head angle of arc k in degrees, and how strong the arcs are (0..1): they
  // fade in over the first quarter turn and out over the last.
  int HeadDegrees(int k) const { return (start_ + travelled_ + k * 120) % 360; }
  double Strength() const;

  // Draws the arcs; `scroll` is the view pixel at the painter's origin.
  void Paint(QPainter& painter, QPoint scroll) const;

 private:
  int object_ = -1;
  QRect box_;
  int start_ = 0;
  int travelled_ = 0;  // degrees
  int total_ = 0;      // degrees to run
};
