#include "render/Overlay.h"

#include <gtest/gtest.h>

#include "RenderFixtures.h"
#include "geometry/Angles.h"
#include "geometry/ObjectFrame.h"
#include "render/gdi/Dc.h"

namespace {


TEST(Overlay, AngleLabelCountsClockwiseDegrees) {
  EXPECT_EQ(AngleLabel(0), "0");
  EXPECT_EQ(AngleLabel(kPi / 2), "270");
  EXPECT_EQ(AngleLabel(kPi), "180");
  EXPECT_EQ(AngleLabel(0.001), "0");  // under one degree
}

TEST(Overlay, DrawsHandlesOnlyWhenSelectedAndChangesNothing) {
  Document doc;
  renderfixtures::Reset(doc);
  doc.AddObject(renderfixtures::Box(QRect(100, 100, 101, 51), 0xFFFFFF, 0x000000));  // no guide line
  EditOverlay overlay;
  overlay.primary = 0;
  doc.View(0).Selected = 0;

  QImage target(400, 300, QImage::Format_RGB32);
  target.fill(Qt::white);
  gdi::Dc dc(target);
  RenderContext ctx{1.0f, 0, 0, &overlay};
  const QByteArray before = renderfixtures::DocumentBytes(doc);
  EXPECT_TRUE(DrawSlide(dc, doc, ctx));
  const ObjectFrame frame = FrameOf(doc.Object(0), ctx.zoom);
  EXPECT_EQ(frame.bounds.left, 100);
  EXPECT_EQ(frame.bounds.right, 200);
  EXPECT_EQ(frame.handles[2].x(), 200);
  EXPECT_EQ(frame.handles[2].y(), 150);
  EXPECT_EQ(renderfixtures::At(target, 150, 100), 0x000000u);  // the outline, no handle

  doc.View(0).Selected = 1;
  EXPECT_TRUE(DrawSlide(dc, doc, ctx));
  EXPECT_EQ(renderfixtures::At(target, 150, 100), 0x7B0000u);  // the primary's top handle
  EXPECT_EQ(renderfixtures::At(target, 100, 100), 0x7BFFFFu);  // a vertex handle over the corner

  overlay.primary = -1;
  EXPECT_TRUE(DrawSlide(dc, doc, ctx));
  EXPECT_EQ(renderfixtures::At(target, 150, 100), 0x0000FFu);  // another selected object's
  EXPECT_EQ(renderfixtures::DocumentBytes(doc), before);
}

}  // namespace
