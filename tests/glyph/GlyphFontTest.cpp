#include "render/glyph/GlyphCache.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "render/glyph/GlyphToBlocks.h"

namespace {

constexpr char32_t kKuchi = U'口';  // a box with a hole: two contours

TEST(GlyphFont, RealGlyphGivesOneClosedBlockRunPerContour) {
  GlyphCache cache;
  GlyphFont* font = cache.Font("IPAPGothic", false, false);
  ASSERT_NE(font, nullptr);
  EXPECT_TRUE(font->HasQuadraticOutlines());
  const BlockList b = GlyphToBlocks(font->NativeOutline(kKuchi, {267, 0, false, false}));
  ASSERT_EQ(b.contours, 2);
  // Each contour is 3n + 1 points from its start back to it, then two connectors.
  std::size_t at = 0;
  for (int c = 0; c < b.contours; ++c) {
    std::size_t end = at + 3;
    while (end < b.points.size() && b.points[end] != b.points[at]) end += 3;
    ASSERT_LT(end + 2, b.points.size());
    EXPECT_EQ(b.points[end + 1], b.points[at]);
    EXPECT_EQ(b.points[end + 2], b.points[at]);
    at = end + 3;
  }
  EXPECT_EQ(at, b.points.size());
  // Above the base line means negative y; the box is most of a 267-pixel em.
  const auto [minY, maxY] = std::minmax_element(b.points.begin(), b.points.end(),
                                                [](QPoint a, QPoint c) { return a.y() < c.y(); });
  EXPECT_LT(minY->y(), -150);
  EXPECT_GT(maxY->y() - minY->y(), 150);
  // A space has no outline.
  EXPECT_TRUE(font->NativeOutline(U' ', {267, 0, false, false}).isEmpty());
}

TEST(GlyphFont, TurnedAndMirroredGlyphsKeepTheirBox) {
  GlyphCache cache;
  GlyphFont* font = cache.Font("IPAPGothic", false, false);
  ASSERT_NE(font, nullptr);
  const PreparedGlyph* upright = font->Prepare(U'目', {40, 0, false, false});
  const PreparedGlyph* turned = font->Prepare(U'目', {40, 90, false, false});
  const PreparedGlyph* mirrored = font->Prepare(U'目', {40, 0, true, false});
  ASSERT_TRUE(upright && turned && mirrored);
  EXPECT_EQ(turned->size, upright->size.transposed());
  EXPECT_EQ(mirrored->size, upright->size);
  // The mask covers the glyph's left stroke and leaves the holes open.
  const QImage& m = upright->mask;
  const auto covered = [&m](int x, int y) { return m.constScanLine(y)[x] != 0; };
  EXPECT_TRUE(covered(0, m.height() / 2) || covered(1, m.height() / 2));
  EXPECT_FALSE(covered(m.width() / 2, m.height() / 4));
  EXPECT_TRUE(covered(m.width() / 2, 0) || covered(m.width() / 2, 1));
  // A damaged font size asks for no mask of gigabytes.
  EXPECT_EQ(font->Prepare(U'目', {87380, 0, false, false}), nullptr);
}

TEST(GlyphFont, FaceWithoutUsableOutlinesFallsBackAndIsNotedOnce) {
  GlyphCache cache;
  GlyphFont* font = cache.Font("No Such Face 1234", false, false);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->Family(), kGlyphFallbackFamily);
  cache.Font("No Such Face 1234", false, false);
  cache.Font("No Such Face 1234", true, false);
  EXPECT_EQ(cache.TakeFallbackNotices(), QStringList{"No Such Face 1234"});
  EXPECT_TRUE(cache.TakeFallbackNotices().isEmpty());
  cache.Font("IPAPGothic", false, false);
  EXPECT_TRUE(cache.TakeFallbackNotices().isEmpty());
}

TEST(GlyphFont, MeasuresAdvancesAndHeightInWholePixels) {
  GlyphCache cache;
  GlyphFont* font = cache.Font("IPAGothic", false, false);  // fixed pitch
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->Advance(U'漢', 64), 64);
  EXPECT_EQ(font->Advance(U'A', 64), 32);
  EXPECT_GE(font->Height(64), 64);
  EXPECT_LE(font->Height(64), 90);
}

}  // namespace
