// Resizing the selected objects by one of the eight handles: each object's
// own handle moves by the same displacement, the opposite side stays.
#pragma once

#include <vector>

#include "editor/DragMode.h"
#include "geometry/MathSub.h"

// The bounds `b` (view pixels) with the side or sides of `handle` moved by
// `d` (0 left-top, 1 right-top, 2 right-bottom, 3 left-bottom, 4 top, 5 right,
// 6 bottom, 7 left). A side stops `minExtent` pixels short of the opposite
// one instead of passing it; a side of no extent stays so.
Bounds MovedSides(const Bounds& b, int handle, QPoint d, int minExtent);

// `rec` resized: its drawn outline and rotation centre scaled from bounds
// `b` to `to` (view pixels at `zoom`) about the fixed side, then turned back
// and laid out again for a parametric figure.
void ScaleObject(ObjectRecord& rec, const Bounds& b, const Bounds& to, float zoom);

// The resize release for every selected object of the current slide. False
// when the drag was a click.
bool ResizeSelection(EditPath& edits, int handle, QPoint displacement);

class ResizeDrag : public DragMode {
 public:
  ResizeDrag(DragContext& ctx, int object, int handle);
  CursorId Cursor() const override;
  Feedback Move(DragContext& ctx, const DragInput& in) override;
  void Release(DragContext& ctx, const DragInput& in) override;

 private:
  int object_;
  int handle_;
  QPoint handlePoint_;  // view pixels
};
