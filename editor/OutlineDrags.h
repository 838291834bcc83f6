// Reshaping a line or polygon by hand: dragging one unfixed vertex, or
// sliding a whole edge whose two end vertices are both free.
#pragma once

#include <optional>

#include "editor/DragMode.h"

class Document;

// Vertex `vertex` of object `index` put where it is drawn at `drawn` (slide
// units, kept on the slide); a centre left outside the object's bounds goes
// to their middle. False when the vertex is fixed or does not move.
bool PlaceVertex(Document& doc, int index, int vertex, QPoint drawn);
// Where vertex `vertex` of `rec` is drawn, slide units.
QPoint DrawnVertex(const ObjectRecord& rec, int vertex);

class VertexDrag : public DragMode {
 public:
  VertexDrag(int object, int vertex, const DragInput& press) : object_(object), vertex_(vertex), press_(press.view) {}
  CursorId Cursor() const override { return CursorId::Move; }
  Feedback Move(DragContext& ctx, const DragInput& in) override;
  void Release(DragContext& ctx, const DragInput& in) override;

 private:
  int object_;
  int vertex_;
  QPoint press_;
};

class EdgeDrag : public DragMode {
 public:
  EdgeDrag(int object, int a, int b) : object_(object), a_(a), b_(b) {}
  CursorId Cursor() const override { return CursorId::Move; }
  Feedback Move(DragContext& ctx, const DragInput& in) override;
  void Release(DragContext& ctx, const DragInput& in) override;

 private:
  int object_;
  int a_, b_;                             // the edge's end vertices
  std::optional<QPoint> newA_, newB_;     // their drawn places, slide units
};

// How close (slide units) a vertex release must come to its press to be a click.
inline constexpr int kVertexClick = 5;
