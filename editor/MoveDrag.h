// Moving the selected objects: by dragging a body (onto this slide or, over
// the slide list, onto another one) and by the arrow keys.
#pragma once

#include <optional>

#include "editor/DragMode.h"

class Document;

// Pixels to slide units: divided by the zoom and truncated, except that a
// move of exactly one pixel is always one unit.
QPoint PixelsToUnits(QPoint pixels, float zoom);

// `delta` (units) cut so that the primary's margin box stays on the slide.
QPoint KeepOnSlide(QPoint delta, const Document& doc, int primary);

// Moves the selected objects of slide `from` by `delta` units onto slide
// `to`. False when nothing moved.
bool MoveSelected(Document& doc, int from, int to, QPoint delta);

// The move release and the arrow-key step: `pixels` converted and kept on
// the slide, one undo step. False when nothing moved.
bool MoveSelection(EditPath& edits, int primary, QPoint pixels);

class MoveDrag : public DragMode {
 public:
  MoveDrag(DragContext& ctx, const DragInput& press);
  CursorId Cursor() const override { return CursorId::Move; }
  Feedback Move(DragContext& ctx, const DragInput& in) override;
  void Release(DragContext& ctx, const DragInput& in) override;

 private:
  int primary_;
  int fromSlide_;
  QPoint press_;  // view pixels
  QPoint grab_;   // from the press to the centre of the primary's bounds
  // Taken when the drag first shows another slide, so that undo returns there.
  std::optional<EditPath::Pending> pending_;
};
