#include "render/glyph/GlyphToBlocks.h"

#include <gtest/gtest.h>

#include <vector>

#include "render/glyph/NativeOutline.h"

namespace {

using native::FixedPoint;
using native::ToFixed;

FixedPoint Px(int x, int y) { return {ToFixed(x), ToFixed(y)}; }

std::vector<QPoint> Pts(std::initializer_list<QPoint> l) { return l; }

TEST(GlyphToBlocks, SquareOfLinesClosesOnItsStartWithTwoConnectors) {
  native::Writer w;
  w.BeginContour(Px(0, 0));
  const FixedPoint line[] = {Px(10, 0), Px(10, 10), Px(0, 10)};
  w.AddRecord(native::kLine, line);
  const BlockList b = GlyphToBlocks(w.Bytes());
  EXPECT_EQ(b.contours, 1);
  // Each straight segment is end, start, end; y turns downward.
  EXPECT_EQ(b.points, Pts({{0, 0},
                           {10, 0}, {0, 0}, {10, 0},
                           {10, -10}, {10, 0}, {10, -10},
                           {0, -10}, {10, -10}, {0, -10},
                           {0, 0}, {0, -10}, {0, 0},
                           {0, 0}, {0, 0}}));
}

TEST(GlyphToBlocks, ConsecutiveControlPointsMeetHalfWayAndBecomeCubics) {
  native::Writer w;
  w.BeginContour(Px(0, 0));
  const FixedPoint spline[] = {Px(0, -7), Px(-6, -7), Px(-6, 0)};
  w.AddRecord(native::kQSpline, spline);
  const BlockList b = GlyphToBlocks(w.Bytes());
  ASSERT_EQ(b.contours, 1);
  // Piece 1: s (0,0), c (0,-7), e = mid(c, next) = (-3,-7): c1 = s + 2(c-s)/3 = (0,-4)
  // (truncated toward zero), c2 = c + (e-c)/3 = (-1,-7). Piece 2: s (-3,-7), c (-6,-7),
  // e (-6,0): c1 = (-5,-7), c2 = (-6,-5). Then the straight close back to (0,0).
  EXPECT_EQ(b.points, Pts({{0, 0},
                           {0, 4}, {-1, 7}, {-3, 7},
                           {-5, 7}, {-6, 5}, {-6, 0},
                           {0, 0}, {-6, 0}, {0, 0},
                           {0, 0}, {0, 0}}));
}

TEST(GlyphToBlocks, HalfPixelFractionsRoundUp) {
  struct Case {
    std::int32_t fixed;
    int rounded;
  } cases[] = {
      {0x28000, 3},              // 2.5
      {0x27FFF, 2},              // just under 2.5
      {std::int32_t(0xFFFD8000), -2},  // -2.5: high half -3, fraction 0x8000
      {std::int32_t(0xFFFD7FFF), -3},  // just under -2.5
      {0, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(RoundFixed(c.fixed), c.rounded) << std::hex << c.fixed;

  // The midpoint of two controls is taken on the unrounded values: 1.4 and 2.4 meet at
  // 1.9, which rounds to 2, not at the midpoint of their rounded values 1 and 2.
  native::Writer w;
  w.BeginContour(Px(0, 0));
  const FixedPoint spline[] = {{0x16666, 0x60000}, {0x26666, 0x60000}, Px(9, 0)};
  w.AddRecord(native::kQSpline, spline);
  const BlockList b = GlyphToBlocks(w.Bytes());
  ASSERT_GE(b.points.size(), 4u);
  EXPECT_EQ(b.points[3], QPoint(2, -6));
}

TEST(GlyphToBlocks, AHeaderOfAnotherTypeEndsTheConversion) {
  native::Writer w;
  const FixedPoint line[] = {Px(4, 0), Px(4, 4)};
  w.BeginContour(Px(0, 0));
  w.AddRecord(native::kLine, line);
  w.BeginContour(Px(20, 0), 25);
  w.AddRecord(native::kLine, line);
  w.BeginContour(Px(40, 0));
  w.AddRecord(native::kLine, line);
  const BlockList b = GlyphToBlocks(w.Bytes());
  EXPECT_EQ(b.contours, 1);
  EXPECT_EQ(b.points.size(), 1u + 3 * 3 + 2);
}

TEST(GlyphToBlocks, DamagedBytesKeepTheContoursBeforeThem) {
  native::Writer w;
  const FixedPoint line[] = {Px(4, 0), Px(4, 4)};
  w.BeginContour(Px(0, 0));
  w.AddRecord(native::kLine, line);
  const QByteArray good = w.Bytes();
  w.BeginContour(Px(9, 9));
  w.AddRecord(native::kLine, line);
  QByteArray bytes = w.Bytes();

  struct Case {
    const char* name;
    QByteArray bytes;
  } cases[] = {
      {"cut inside the second contour", bytes.left(bytes.size() - 3)},
      {"record count beyond the contour", [&] { QByteArray b = bytes; b[good.size() + 18] = 9; return b; }()},
      {"contour size below a header", [&] { QByteArray b = bytes; b[good.size()] = 4; return b; }()},
      {"a few stray bytes after", good + QByteArray(7, '\x18')},
  };
  for (const Case& c : cases) {
    const BlockList b = GlyphToBlocks(c.bytes);
    EXPECT_EQ(b.contours, 1) << c.name;
    EXPECT_EQ(b.points.size(), 12u) << c.name;
  }
  EXPECT_EQ(GlyphToBlocks(QByteArray()).contours, 0);
}

}  // namespace
