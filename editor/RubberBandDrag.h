// Selecting by a band dragged over empty space: every object of the slide
// that lies wholly inside it becomes selected.
#pragma once

#include "editor/DragMode.h"

class Document;

// The objects of slide `slide` whose bounds (view pixels) lie inside `band`
// become selected, the last of them primary. False when the band is too
// small to count or the document has no objects.
bool SelectInBand(const Document& doc, int slide, SelectionState& sel, QRect band);

class RubberBandDrag : public DragMode {
 public:
  explicit RubberBandDrag(const DragInput& press) : press_(press.view) {}
  CursorId Cursor() const override { return CursorId::Arrow; }
  Feedback Move(DragContext& ctx, const DragInput& in) override;
  void Release(DragContext& ctx, const DragInput& in) override;

 private:
  QPoint press_;
};

// A band must be more than this many pixels wide and high.
inline constexpr int kMinBand = 10;
