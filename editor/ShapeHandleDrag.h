// Reshaping a parametric figure by one of its shape handles: the figure's
// own rule says where the outline goes, or refuses the pointer.
#pragma once

#include "editor/DragMode.h"

class ShapeHandleDrag : public DragMode {
 public:
  ShapeHandleDrag(int object, int handle) : object_(object), handle_(handle) {}
  CursorId Cursor() const override { return CursorId::Vertex; }
  Feedback Move(DragContext& ctx, const DragInput& in) override;
  void Release(DragContext& ctx, const DragInput& in) override;

 private:
  int object_;
  int handle_;
};
