#include "render/Thumbnail.h"

#include <gtest/gtest.h>

#include "RenderFixtures.h"
#include "render/SlideRenderer.h"

namespace {

using renderfixtures::Box;

// Slides that differ: slide k has k + 1 boxes of its own colours, an ellipse and a rotated box.
Document Slides(int count) {
  Document doc;
  renderfixtures::Reset(doc, count);
  doc.Header().refFrame = 0x00FF00;  // the editor's frame, which thumbnails never show
  for (int k = 0; k < count; ++k) {
    for (int j = 0; j <= k % 4; ++j) {
      ObjectRecord box = Box(QRect(40 + 90 * j, 60 + 30 * k % 400, 200, 150), 0x102030 * (k + j + 1), 0x0000FF, k);
      box.Futosa = 3;
      (void)doc.AddObject(box);
    }
    ObjectRecord ellipse = Box(QRect(500, 300, 300, 200), 0xFF8000 + k, 0x000000, k);
    ellipse.ObjKind = objkind::Ellipse;
    (void)doc.AddObject(ellipse);
    ObjectRecord turned = Box(QRect(700, 100, 200, 100), 0x00C0C0, 0x800000, k);
    turned.Angle = 0.3 * k;
    (void)doc.AddObject(turned);
  }
  return doc;
}

TEST(Thumbnail, EqualsTheSlideRenderedAtTheThumbnailScale) {
  const Document doc = Slides(3);
  const float scale = 92.0f / 718.0f;
  const QSize size(static_cast<int>(scale * 1046), 92);
  for (int slide = 0; slide < 3; ++slide) {
    const QImage thumb = RenderThumbnail(doc, slide, size, scale);
    ASSERT_EQ(thumb.size(), size);
    const QImage whole = RenderSlideImage(doc, slide, scale);
    const QRect common = thumb.rect().intersected(whole.rect());
    EXPECT_GE(common.height(), size.height() - 1);
    EXPECT_EQ(thumb.copy(common), whole.copy(common)) << "slide " << slide;
  }
  EXPECT_NE(RenderThumbnail(doc, 0, size, scale), RenderThumbnail(doc, 1, size, scale));
}

TEST(Thumbnail, AllAtOnceOnTwoThreadsEqualOneByOne) {
  const Document doc = Slides(12);
  const QByteArray before = renderfixtures::DocumentBytes(doc);
  const QSize size(120, 82);
  const float scale = 82.0f / 718.0f;
  const std::vector<QImage> threaded = RenderThumbnails(doc, size, scale, 2);
  ASSERT_EQ(threaded.size(), 12u);
  for (int k = 0; k < 12; ++k) EXPECT_EQ(threaded[k], RenderThumbnail(doc, k, size, scale)) << "slide " << k;
  EXPECT_EQ(renderfixtures::DocumentBytes(doc), before) << "drawing changes nothing";
}

}  // namespace
