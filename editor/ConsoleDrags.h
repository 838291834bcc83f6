// The zoom console's two drags: turning along its ring changes the zoom as
// the pointer goes, dragging its disc moves it.
#pragma once

#include "editor/DragMode.h"

class RingZoomDrag : public DragMode {
 public:
  RingZoomDrag(QPoint centre, const DragInput& press) : centre_(centre), last_(press.client) {}
  CursorId Cursor() const override { return CursorId::NoDrop; }
  Feedback Move(DragContext& ctx, const DragInput& in) override;
  void Release(DragContext&, const DragInput&) override {}

 private:
  QPoint centre_;  // client pixels
  QPoint last_;
  double turned_ = 0;  // radians not yet worth a whole percent point
};

class ConsoleMoveDrag : public DragMode {
 public:
  ConsoleMoveDrag(QPoint centre, const DragInput& press) : centre_(centre), press_(press.client) {}
  CursorId Cursor() const override { return CursorId::Move; }
  Feedback Move(DragContext& ctx, const DragInput& in) override;
  void Release(DragContext& ctx, const DragInput& in) override;

 private:
  QPoint Placed(DragContext& ctx, QPoint client) const;
  QPoint centre_;  // client pixels, as shown
  QPoint press_;
};

// A console centre moved by `delta` client pixels, kept inside the client area.
QPoint MovedConsoleCentre(QPoint centre, QPoint delta, QSize client);
