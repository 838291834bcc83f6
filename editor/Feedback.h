// What the editing view draws over the slide while a drag is under way: glow
// lines, dotted guides, circles, the slide-size bar. Coordinates are view
// pixels; the drawing never touches the document and is gone on the next step.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <vector>

#include "base/Color.h"

namespace gdi {
class Dc;
}

enum class FeedbackKind {
  Glow,        // the path three times, widths 3, 2, 1 in three pale blues
  GlowCurve,   // the same along Bézier runs
  GlowCircle,  // a circle of `radius` round points[0], three passes
  Dotted,      // a 1-pixel dotted path in `colour`
  Solid,       // a path in `colour`, pen `width`
  Circle,      // a circle of `radius` round points[0], pen `width` in `colour`, filled with `fill`
  ShadedRing,  // a ring of 5-pixel arcs of `radius` round points[0], grey rising from 90
  Frame,       // the outline of the rectangle points[0]..points[1] with a 1-pixel brush of `colour`
  Bar,         // the grey hatched bar points[0]..points[1] with `text` 20 pixels to its right
};

struct FeedbackItem {
  FeedbackKind kind = FeedbackKind::Glow;
  std::vector<QPoint> points;
  bool closed = false;  // paths: back to the first point
  int radius = 0;
  COLORREF colour = 0;
  int width = 1;
  QString text;
  COLORREF fill = kNoColor;  // circles: the brush inside
};

struct Feedback {
  std::vector<FeedbackItem> items;

  bool Empty() const { return items.empty(); }
  // The view pixels the items may cover, with room for pens and text.
  QRect Area() const;
  // A new item of `kind` through `points`, for the caller to finish.
  FeedbackItem& Add(FeedbackKind kind, std::vector<QPoint> points);
  // Shorthands for the common items.
  void Glow(std::vector<QPoint> path, bool closed);
  void Dotted(std::vector<QPoint> path, COLORREF colour);
};

// A rectangle's outline as a closed five-point path (view pixels).
std::vector<QPoint> RectPath(const QRect& r);

// The glow passes' colours: the widest pass is the palest.
inline constexpr COLORREF kGlowColours[3] = {0xFAF7F3, 0xF2EBE5, 0xEADFD7};

// Draws `feedback` on `dc`, whose window origin is the view pixel at the
// surface's top-left corner.
void PaintFeedback(gdi::Dc& dc, const Feedback& feedback);
