// How a slide is fitted to the screen.
#pragma once

#include <QPoint>
#include <QSize>

struct ShowFit {
  float scale = 1.0f;
  QSize image;    // size of the off-screen images
  QPoint offset;  // where the image sits on the screen
};

ShowFit ComputeShowFit(QSize screen, QSize slide, bool noEnlarge);
