// Where a show gets its slides: the document renderer in Tessaly, the
// decoded pictures in the player.
#pragma once

#include <QImage>

class SlideSource {
 public:
  virtual ~SlideSource() = default;
  virtual int SlideCount() const = 0;
  // Draws slide `index` at `scale` into `target`, which already has the
  // image size and format. False when the slide could not be drawn.
  virtual bool RenderSlide(int index, float scale, QImage& target) = 0;
};
