// The two drags of an object's rotation circle that do not turn it: moving
// its centre (the pivot) and changing its radius.
#pragma once

#include <optional>

#include "editor/DragMode.h"

// `rec` turning round `centre` (slide units) from now on without moving on
// screen: its vertices are taken as drawn and turned back round the new centre.
void MovePivot(ObjectRecord& rec, QPoint centre);

inline constexpr int kMinRadius = 40;
inline constexpr int kMaxRadius = 140;

class RotationCentreDrag : public DragMode {
 public:
  RotationCentreDrag(DragContext& ctx, int object, const DragInput& press);
  CursorId Cursor() const override { return CursorId::CentreMove; }
  Feedback Move(DragContext& ctx, const DragInput& in) override;
  void Release(DragContext& ctx, const DragInput& in) override;

 private:
  QPoint Clamped(DragContext& ctx, QPoint view) const;
  int object_;
  QPoint press_;
  EditPath::Pending pending_;  // one step for the whole drag, none for a click
};

class RotationRadiusDrag : public DragMode {
 public:
  explicit RotationRadiusDrag(int object) : object_(object) {}
  CursorId Cursor() const override { return CursorId::Radius; }
  Feedback Move(DragContext& ctx, const DragInput& in) override;
  void Release(DragContext& ctx, const DragInput& in) override;

 private:
  int Radius(DragContext& ctx, QPoint view) const;
  int object_;
};
