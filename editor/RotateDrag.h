// Turning the selected objects round their rotation centres: by dragging a
// rotation circle and by the mouse wheel over it.
#pragma once

#include <optional>

#include "editor/DragMode.h"

class Document;

// The turn of the pointer seen from `centre` between two points, radians,
// brought into (-π, π] so that crossing the seam of atan2 is a small turn.
double PointerTurn(QPoint centre, QPoint from, QPoint to);
// An angle brought into 0..2π with one correction; near 0 or 2π exactly 0.
double SnapAngle(double angle);
// Whether object `index`, turned to `angle`, keeps every vertex on the slide.
bool FitsTurned(const Document& doc, int index, double angle);
// Gives every selected object of the current slide `angle` where it fits;
// design text that turns its characters only is left alone. False when
// nothing changed.
bool TurnSelected(Document& doc, double angle);

class RotateDrag : public DragMode {
 public:
  RotateDrag(DragContext& ctx, int object, QPoint centre, const DragInput& press);
  CursorId Cursor() const override { return CursorId::Rotate; }
  Feedback Move(DragContext& ctx, const DragInput& in) override;
  void Release(DragContext& ctx, const DragInput& in) override;
  std::vector<int> LiveObjects(const Document& doc) const override;

 private:
  void TurnCharacters(double change);

  int object_;
  QPoint centre_;  // view pixels
  QPoint last_;
  double angle_;   // in progress
  // Taken at the press: a press without a turn is still one step.
  std::optional<EditPath::Pending> pending_;
};

// The wheel over a rotation circle: the primary's angle less `degrees`, one step.
bool WheelTurn(EditPath& edits, int primary, double degrees);
