#include "render/Overlay.h"

#include <gtest/gtest.h>

#include "RenderFixtures.h"
#include "render/gdi/Dc.h"
#include "render/outline/Angles.h"

namespace {


TEST(Overlay, NarrowObjectsGetHandlesThirtyTimesZoomApart) {
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

TEST(Overlay, AngleLabelCountsClockwiseDegrees) {
  EXPECT_EQ(AngleLabel(0), "0");
  EXPECT_EQ(AngleLabel(kPi / 2), "270");
  EXPECT_EQ(AngleLabel(kPi), "180");
  EXPECT_EQ(AngleLabel(0.001), "0");  // under one degree
}

TEST(Overlay, RecordsHandlesAndBoundsAndDrawsThemOnlyWhenSelected) {
  Document doc;
  renderfixtures::Reset(doc);
  doc.AddObject(renderfixtures::Box(QRect(100, 100, 101, 51), 0xFFFFFF, 0x000000));  // no guide line
  EditOverlay overlay;
  overlay.views = &doc.View(0);
  overlay.primary = 0;
  doc.View(0).Selected = 0;

  QImage target(400, 300, QImage::Format_RGB32);
  target.fill(Qt::white);
  gdi::Dc dc(target);
  RenderContext ctx{1.0f, 0, 0, &overlay};
  DrawSlide(dc, doc, ctx);
  EXPECT_EQ(doc.View(0).left, 100);
  EXPECT_EQ(doc.View(0).right, 200);
  EXPECT_EQ(doc.View(0).Handles[2].x, 200);
  EXPECT_EQ(doc.View(0).Handles[2].y, 150);
  EXPECT_EQ(renderfixtures::At(target, 150, 100), 0x000000u);  // the outline, no handle

  doc.View(0).Selected = 1;
  DrawSlide(dc, doc, ctx);
  EXPECT_EQ(renderfixtures::At(target, 150, 100), 0x7B0000u);  // the primary's top handle
  EXPECT_EQ(renderfixtures::At(target, 100, 100), 0x7BFFFFu);  // a vertex handle over the corner

  overlay.primary = -1;
  DrawSlide(dc, doc, ctx);
  EXPECT_EQ(renderfixtures::At(target, 150, 100), 0x0000FFu);  // another selected object's
}

}  // namespace
