// Dragging the slide's right or bottom edge changes its width or height;
// the edge stops short of every object of every slide.
#pragma once

#include "editor/DragMode.h"

class Document;

// The slide's limits, 50 mm and 1500 mm at `dpi` dots per inch (188 and 5669 at 96).
int MinSlideExtent(int dpi);
int MaxSlideExtent(int dpi);

// The smallest width (or height) in slide units that still holds every
// object of every slide with its margins and rotation circle.
int ObjectsExtent(const Document& doc, bool width);

// The edge's new place in view pixels for the pointer at `pointer` (x for
// the width, y for the height).
int SlideEdgeAt(const Document& doc, bool width, int pointer);

class SlideSizeDrag : public DragMode {
 public:
  SlideSizeDrag(bool width, const DragInput& press) : width_(width), press_(press.view) {}
  CursorId Cursor() const override { return width_ ? CursorId::SlideWidth : CursorId::SlideHeight; }
  Feedback Move(DragContext& ctx, const DragInput& in) override;
  void Release(DragContext& ctx, const DragInput& in) override;

 private:
  bool width_;
  QPoint press_;
};
