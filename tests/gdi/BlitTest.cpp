// BitBlt, StretchBlt and TransparentBlt: clipping, nearest neighbour, mirroring, keys.
#include <gtest/gtest.h>

#include <random>

#include "GdiFixtures.h"
#include "render/gdi/Blit.h"

namespace {

using namespace fixtures;

// One row of pixels in the given colours.
QImage Strip(std::initializer_list<COLORREF> colours) {
  QImage image = Blank(static_cast<int>(colours.size()), 1);
  int x = 0;
  for (COLORREF c : colours) gdi::Row(image, 0)[x++] = gdi::ToQRgb(c);
  return image;
}

// 2 x 2: red green / blue black.
QImage Quad() {
  QImage image = Blank(2, 2);
  gdi::Row(image, 0)[0] = gdi::ToQRgb(kRed);
  gdi::Row(image, 0)[1] = gdi::ToQRgb(kGreen);
  gdi::Row(image, 1)[0] = gdi::ToQRgb(kBlue);
  gdi::Row(image, 1)[1] = gdi::ToQRgb(kBlack);
  return image;
}

TEST(BitBlt, CopiesToViewCoordinatesAndClipsBothSides) {
  QImage image = Blank(4, 3);
  gdi::Dc dc(image);
  dc.SetWindowOrg(QPoint(10, 10));
  EXPECT_TRUE(gdi::BitBlt(dc, 9, 11, 3, 3, Quad(), 0, 0));
  const std::string expected = Rows({
      "....",
      "g...",
      "#...",
  });
  EXPECT_EQ(Picture(image, kLegend), expected);
}

// Positions and sizes near the ends of int land exactly where they say: mostly
// off the surface, some over all of it; nothing wraps round onto it.
TEST(BitBlt, AbsurdSizesAndPositionsCopyWhatTheySay) {
  struct Case {
    const char* what;
    int x, y, w, h, sx, sy;
    const char* rows[3];
  };
  const Case cases[] = {
      {"far left", INT_MIN, 0, 4, 3, 0, 0, {"....", "....", "...."}},
      {"far right", INT_MAX, 0, 4, 3, 0, 0, {"....", "....", "...."}},
      {"a billion down", 0, 1000000000, 4, 3, 0, 0, {"....", "....", "...."}},
      {"just left", -5, 0, 4, 3, 0, 0, {"....", "....", "...."}},
      {"the last column", 3, 0, 4, 3, 0, 0, {"...r", "...b", "...."}},
      {"endless size", 0, 0, INT_MAX, INT_MAX, 0, 0, {"rg..", "b#..", "...."}},
      {"a billion from the middle", 0, 0, 1000000000, 1000000000, 1, 1, {"#...", "....", "...."}},
      {"endless negative size", 0, 0, INT_MIN, INT_MIN, 0, 0, {"r...", "....", "...."}},
      {"a billion backwards", 0, 0, -1000000000, -1000000000, 1, 1, {"#...", "....", "...."}},
      {"source far away", 0, 0, 4, 3, INT_MIN, INT_MAX, {"....", "....", "...."}},
  };
  for (const Case& c : cases) {
    QImage image = Blank(4, 3);
    gdi::Dc dc(image);
    gdi::BitBlt(dc, c.x, c.y, c.w, c.h, Quad(), c.sx, c.sy);
    EXPECT_EQ(Picture(image, kLegend), Rows({c.rows[0], c.rows[1], c.rows[2]})) << c.what;
  }
}

TEST(StretchBlt, AbsurdRectanglesCopyWhatTheySay) {
  struct Case {
    const char* what;
    QRect to, from;
    const char* rows[3];
  };
  const QRect all(0, 0, 4, 3), quad(0, 0, 2, 2);
  const Case cases[] = {
      {"source a billion away", all, QRect(1000000000, 0, 2, 2), {"....", "....", "...."}},
      {"source left of the picture, mirrored", all, QRect(-5, 0, 2, -5), {"....", "....", "...."}},
      {"empty source", all, QRect(0, 0, 2, 0), {"....", "....", "...."}},
      {"target a billion away", QRect(1000000000, 1000000000, 1000000000, 3), quad, {"....", "....", "...."}},
      {"target far up, mirrored", QRect(-1000000000, -1000000000, -1000000000, 3), quad, {"....", "....", "...."}},
      {"shrunk a billion times", all, QRect(0, 0, 1000000000, 1000000000), {"....", "....", "...."}},
      {"grown a billion times", QRect(0, 0, 1000000000, 1000000000), quad, {"rrrr", "rrrr", "rrrr"}},
  };
  for (const Case& c : cases) {
    QImage image = Blank(4, 3);
    gdi::Dc dc(image);
    gdi::StretchBlt(dc, c.to, Quad(), c.from);
    EXPECT_EQ(Picture(image, kLegend), Rows({c.rows[0], c.rows[1], c.rows[2]})) << c.what;
  }
}

TEST(BitBlt, CopiesWithinOneImage) {
  QImage image = Strip({kRed, kGreen, kBlue, kWhite});
  gdi::Dc dc(image);
  gdi::BitBlt(dc, 1, 0, 3, 1, image, 0, 0);
  EXPECT_EQ(Picture(image, kLegend), Rows({"rrgb"}));
}

TEST(StretchBlt, DoublesByRepeatingEachPixel) {
  QImage image = Blank(4, 4);
  gdi::Dc dc(image);
  gdi::StretchBlt(dc, QRect(0, 0, 4, 4), Quad(), QRect(0, 0, 2, 2));
  EXPECT_EQ(Picture(image, kLegend), Rows({"rrgg", "rrgg", "bb##", "bb##"}));
}

TEST(StretchBlt, TiesGoToTheLowerPixelAndShrinkingKeepsTheLast) {
  QImage grow = Blank(3, 1), shrink = Blank(2, 1);
  gdi::Dc dg(grow), ds(shrink);
  gdi::StretchBlt(dg, QRect(0, 0, 3, 1), Strip({kRed, kGreen}), QRect(0, 0, 2, 1));
  gdi::StretchBlt(ds, QRect(0, 0, 2, 1), Strip({kRed, kGreen, kBlue}), QRect(0, 0, 3, 1));
  EXPECT_EQ(Picture(grow, kLegend), Rows({"rrg"}));
  EXPECT_EQ(Picture(shrink, kLegend), Rows({"gb"}));
}

TEST(StretchBlt, NegativeExtentsMirror) {
  const QImage rgb = Strip({kRed, kGreen, kBlue});
  QImage toMirrored = Blank(3, 1), fromMirrored = Blank(3, 1), both = Blank(3, 1);
  gdi::Dc d1(toMirrored), d2(fromMirrored), d3(both);
  gdi::StretchBlt(d1, QRect(2, 0, -3, 1), rgb, QRect(0, 0, 3, 1));  // pixels 2, 1, 0
  gdi::StretchBlt(d2, QRect(0, 0, 3, 1), rgb, QRect(2, 0, -3, 1));
  gdi::StretchBlt(d3, QRect(2, 0, -3, 1), rgb, QRect(2, 0, -3, 1));
  EXPECT_EQ(Picture(toMirrored, kLegend), Rows({"bgr"}));
  EXPECT_EQ(Picture(fromMirrored, kLegend), Rows({"bgr"}));
  EXPECT_EQ(Picture(both, kLegend), Rows({"rgb"}));
}

TEST(StretchBlt, MirrorsUpsideDownWhileDoubling) {
  QImage image = Blank(4, 4);
  gdi::Dc dc(image);
  gdi::StretchBlt(dc, QRect(0, 3, 4, -4), Quad(), QRect(0, 0, 2, 2));
  EXPECT_EQ(Picture(image, kLegend), Rows({"bb##", "bb##", "rrgg", "rrgg"}));
}

TEST(TransparentBlt, LeavesOutExactlyTheKey) {
  QImage image = Blank(3, 1, kBlack);
  gdi::Dc dc(image);
  const QImage src = Strip({gdi::kTransparentKey, 0xFFF7FE, gdi::kTransparentKey});
  EXPECT_TRUE(gdi::TransparentBlt(dc, QRect(0, 0, 3, 1), src, QRect(0, 0, 3, 1), gdi::kTransparentKey));
  EXPECT_EQ(Picture(image, {{'#', kBlack}, {'n', 0xFFF7FE}}), Rows({"#n#"}));
}

TEST(TransparentBlt, StretchesByNearestNeighbourAndKeysAfterwards) {
  QImage image = Blank(4, 2);
  gdi::Dc dc(image);
  const QImage src = Strip({kRed, 0x808000});
  gdi::TransparentBlt(dc, QRect(0, 0, 4, 2), src, QRect(0, 0, 2, 1), 0x808000);
  EXPECT_EQ(Picture(image, kLegend), Rows({"rr..", "rr.."}));
}

TEST(TransparentBlt, RefusesNegativeExtents) {
  QImage image = Blank(3, 1);
  gdi::Dc dc(image);
  EXPECT_FALSE(gdi::TransparentBlt(dc, QRect(2, 0, -3, 1), Strip({kRed, kGreen, kBlue}), QRect(0, 0, 3, 1),
                                   gdi::kTransparentKey));
  EXPECT_EQ(Picture(image, kLegend), Rows({"..."}));
}

TEST(TransparentBlt, NeverCopiesPixelsWithoutColour) {
  QImage src = Strip({kRed, kGreen});
  {
    gdi::Dc marker(src);
    marker.MarkNoColor(QRect(1, 0, 1, 1));
  }
  QImage keyed = Blank(2, 1), plain = Blank(2, 1);
  gdi::Dc dk(keyed), dp(plain);
  gdi::TransparentBlt(dk, QRect(0, 0, 2, 1), src, QRect(0, 0, 2, 1), gdi::kTransparentKey);
  gdi::BitBlt(dp, 0, 0, 2, 1, src, 0, 0);
  EXPECT_EQ(Picture(keyed, kLegend), Rows({"r."}));
  EXPECT_EQ(Picture(plain, kLegend), Rows({"r_"}));
}

TEST(Blit, SourcesInOtherFormatsAreRead) {
  QImage image = Blank(2, 2);
  gdi::Dc dc(image);
  gdi::BitBlt(dc, 0, 0, 2, 2, Quad().convertToFormat(QImage::Format_RGB888), 0, 0);
  EXPECT_EQ(Picture(image, kLegend), Rows({"rg", "b#"}));
}

// Unscaled keyed copies, clipped on every side and with a window origin: each destination
// pixel takes the source pixel at the same offset, the key left out.
TEST(TransparentBlt, UnscaledCopiesMatchPixelForPixel) {
  std::mt19937 random(3);
  std::uniform_int_distribution<int> pos(-12, 12), size(1, 14), colour(0, 3);
  const COLORREF palette[] = {kRed, kGreen, kBlue, gdi::kTransparentKey};
  for (int round = 0; round < 300; ++round) {
    QImage src = Blank(10, 8);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 10; ++x) gdi::Row(src, y)[x] = gdi::ToQRgb(palette[colour(random)]);
    QImage dst = Blank(9, 7, kBlack);
    gdi::Dc dc(dst);
    const QPoint origin(pos(random) / 3, pos(random) / 3);
    dc.SetWindowOrg(origin);
    const QRect to(pos(random), pos(random), size(random), size(random));
    const QPoint from(pos(random), pos(random));
    gdi::TransparentBlt(dc, to, src, QRect(from, to.size()), gdi::kTransparentKey);
    for (int y = 0; y < dst.height(); ++y)
      for (int x = 0; x < dst.width(); ++x) {
        const QPoint view = QPoint(x, y) + origin;
        const QPoint s = view - to.topLeft() + from;
        COLORREF expected = kBlack;
        if (to.contains(view) && src.rect().contains(s)) {
          const COLORREF c = gdi::FromQRgb(gdi::ConstRow(src, s.y())[s.x()]);
          if (c != gdi::kTransparentKey) expected = c;
        }
        ASSERT_EQ(gdi::FromQRgb(gdi::ConstRow(dst, y)[x]), expected) << "round " << round << " at " << x << "," << y;
      }
  }
}

}  // namespace
