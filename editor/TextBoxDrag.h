// Dragging a handle of the open in-place text editor moves the sides of its
// box that the handle stands for; the release moves the editor there.
#pragma once

#include "editor/DragMode.h"

// `box` (view pixels) with the sides of handle `handle` moved to `pointer`:
// at least 10 pixels wide and high and inside the slide's `area`.
QRect MovedTextBox(const QRect& box, int handle, QPoint pointer, QSize area);

class TextBoxDrag : public DragMode {
 public:
  TextBoxDrag(const QRect& box, int handle) : box_(box), handle_(handle) {}
  CursorId Cursor() const override { return TextBoxCursor(handle_); }
  Feedback Move(DragContext& ctx, const DragInput& in) override;
  void Release(DragContext& ctx, const DragInput& in) override;
  // The box the editor now has, view pixels.
  QRect Box() const { return box_; }

 private:
  QRect box_;
  int handle_;
};

inline constexpr int kMinTextBox = 10;
