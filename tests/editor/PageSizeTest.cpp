#include "editor/PageSize.h"

#include <gtest/gtest.h>

#include "EditorFixtures.h"

namespace {

TEST(PageSize, PresetsAtTheScreenResolution) {
  const QSize screen(1600, 1000);
  const QSize current(500, 400);
  EXPECT_EQ(PresetPixels(pagesize::A4Landscape, ScreenDpi{}, screen, current), QSize(1046, 718));
  EXPECT_EQ(PresetPixels(pagesize::A4Portrait, ScreenDpi{}, screen, current), QSize(718, 1046));
  EXPECT_EQ(PresetPixels(pagesize::A4Landscape, ScreenDpi{120, 120}, screen, current), QSize(1308, 897));
  EXPECT_EQ(PresetPixels(pagesize::Monitor, ScreenDpi{}, screen, current), screen);
  EXPECT_EQ(PresetPixels(pagesize::Free, ScreenDpi{}, screen, current), current);
}

TEST(PageSize, MillimetresAndPixelsTruncateAndClamp) {
  EXPECT_EQ(MmToPixels(277, 96), 1046);
  EXPECT_EQ(PixelsToMm(1046, 96), 276);  // 276.76
  EXPECT_EQ(PixelsToMm(1600, 0), 0);
  const struct {
    int mm, clamped;
  } rows[] = {{10, 50}, {50, 50}, {277, 277}, {800, 800}, {5000, 800}, {-3, 50}};
  for (const auto& r : rows) EXPECT_EQ(ClampMm(r.mm), r.clamped) << r.mm;
  EXPECT_EQ(ParseMm("1,046"), 1046);
  EXPECT_EQ(ParseMm(" 277 "), 277);
  EXPECT_EQ(ParseMm("abc"), -1);
}

TEST(PageSize, ObjectsOutsideTheNewSizeAreFoundOnAnySlide) {
  Document doc;
  editorfixtures::Reset(doc);
  editorfixtures::Add(doc, renderfixtures::Box(QRect(100, 100, 400, 300), 0xFFFFFF, 0, 1));  // to 499, 399
  EXPECT_FALSE(ObjectsOutside(doc, QSize(1046, 718)));
  EXPECT_FALSE(ObjectsOutside(doc, QSize(500, 400)));
  EXPECT_TRUE(ObjectsOutside(doc, QSize(450, 718)));
  EXPECT_TRUE(ObjectsOutside(doc, QSize(1046, 350)));
}

TEST(PageSize, ApplyingTheSameSizeChangesNothing) {
  Document doc;
  editorfixtures::Reset(doc);
  doc.Header().PageSize = pagesize::A4Landscape;
  EXPECT_FALSE(ApplyPageSize(doc, {pagesize::A4Landscape, QSize(1046, 718)}));
  EXPECT_TRUE(ApplyPageSize(doc, {pagesize::Free, QSize(800, 600)}));
  EXPECT_EQ(doc.Header().PageSize, pagesize::Free);
  EXPECT_EQ(doc.Header().SlideW, 800);
  EXPECT_EQ(doc.Header().SlideH, 600);
}

}  // namespace
