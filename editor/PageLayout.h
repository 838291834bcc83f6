// Where the slide list puts its thumbnails: the margin, the thumbnail size and
// scale for the pane's height, and what lies under a point of the strip.
// Strip coordinates are client pixels plus the scroll position.
#pragma once

#include <QRect>
#include <QSize>

struct PageLayout {
  int count = 0;
  bool collapsed = true;  // too low to show thumbnails
  int m = 8;              // margin around each thumbnail
  int tw = 0;             // thumbnail width and height
  int th = 0;
  float s = 0;            // thumbnail scale, slide units to pixels
  QSize scrollSize;

  int Step() const { return tw + 2 * m; }
  QRect Thumb(int i) const { return QRect(m + i * Step(), m, tw, th); }
  // The slide whose thumbnail holds `p`, or -1.
  int ThumbAt(QPoint p) const;
  // The gap at strip x: 0 before the first slide, i after slide i, or -1.
  int GapAt(int x) const;
  // Whether y lies inside the band of the thumbnails.
  bool InBand(int y) const { return y > m && y < m + th; }
};

// The layout of `count` slides of W x H slide units in a pane of `client`
// pixels; when the strip is wider than the pane, the horizontal scroll bar
// (`scrollBarHeight`) takes its height from the thumbnails.
PageLayout ComputePageLayout(int count, int slideW, int slideH, QSize client, int scrollBarHeight);
