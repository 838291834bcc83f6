#include "geometry/ObjectFrame.h"

#include <gtest/gtest.h>

#include "geometry/Angles.h"

namespace {

TEST(ObjectFrame, NarrowObjectsGetHandlesThirtyTimesZoomApart) {
  for (float zoom : {1.0f, 0.5f, 2.0f, 0.08f}) {
    const int g = static_cast<int>(zoom * 30);
    const auto pts = ResizeHandlePoints(Bounds{100, 100, 104, 102}, zoom);
    EXPECT_GE(pts[1].x() - pts[0].x(), g) << zoom;
    EXPECT_GE(pts[3].y() - pts[0].y(), g) << zoom;
    EXPECT_EQ(pts[4].x(), 102);  // centred on the object
    EXPECT_EQ(pts[5].y(), 101);
  }
  const auto wide = ResizeHandlePoints(Bounds{10, 20, 200, 300}, 1.0f);
  EXPECT_EQ(wide[0], QPoint(10, 20));
  EXPECT_EQ(wide[2], QPoint(200, 300));
  EXPECT_EQ(wide[6], QPoint(105, 300));
  EXPECT_EQ(wide[7], QPoint(10, 160));
}

// A 101 x 51 box from (100, 100), outlined, centred on its middle.
ObjectRecord Box() {
  ObjectRecord r{};
  r.ObjClass = objclass::Figure;
  r.ObjKind = objkind::Polygon;
  r.PointNum = 4;
  r.Points[0] = {100, 100};
  r.Points[1] = {200, 100};
  r.Points[2] = {200, 150};
  r.Points[3] = {100, 150};
  r.CenterX = 150;
  r.CenterY = 125;
  return r;
}

TEST(ObjectFrame, ComesFromTheRecordTurnedAndZoomed) {
  ObjectRecord r = Box();
  const ObjectFrame flat = FrameOf(r, 1.0f);
  EXPECT_EQ(flat.bounds, (Bounds{100, 100, 200, 150}));
  EXPECT_EQ(flat.handles[2], QPoint(200, 150));
  EXPECT_EQ(flat.handles[4], QPoint(150, 100));

  const ObjectFrame zoomed = FrameOf(r, 2.0f);
  EXPECT_EQ(zoomed.bounds, (Bounds{200, 200, 400, 300}));

  r.Angle = kHalfPi;  // a quarter turn stands the box on its end about its centre
  const ObjectFrame turned = FrameOf(r, 1.0f);
  EXPECT_EQ(turned.bounds.right - turned.bounds.left, 50);
  EXPECT_EQ(turned.bounds.bottom - turned.bounds.top, 100);
  EXPECT_EQ(turned.handles[6], QPoint(150, turned.bounds.bottom));
}

}  // namespace
