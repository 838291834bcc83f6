#include "editor/TransEditModel.h"

#include <gtest/gtest.h>

#include "render/gdi/Color.h"

using gdi::FromQRgb;
using gdi::ToQRgb;

namespace {

constexpr COLORREF kKey = 0x00FF00;  // green as the transparent colour

QImage Filled(int w, int h, QRgb p) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(p);
  return image;
}

int CountOf(const QImage& image, COLORREF c) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += FromQRgb(image.pixel(x, y)) == c;
  return n;
}

TEST(TransEditModel, ToleranceDecidesWhichPixelsTurnTransparent) {
  // A row of greys 100, 101, ... 109 and a click on the first.
  QImage row(10, 1, QImage::Format_RGB32);
  for (int x = 0; x < 10; ++x) row.setPixel(x, 0, qRgb(100 + x, 100 + x, 100 + x));
  struct Case { int level; bool whole; int radius; int want; };
  const Case cases[] = {
      {1, true, 60, 4},   // within 3 in every channel
      {2, true, 60, 8},
      {6, true, 60, 10},  // level 6 still tests, with T = 24
      {1, false, 1, 1},   // the single clicked pixel
      {6, false, 2, 2},   // square from x-2 to x+1, clipped at the left edge
      {1, false, 3, 3},   // square x-3..x+2 clipped to 0..2: all within 3
  };
  for (const Case& c : cases) {
    TransEditModel m(row, kKey);
    m.SetTransparent({0, 0}, c.level, c.whole, c.radius);
    EXPECT_EQ(CountOf(m.Image(), kKey), c.want) << c.level << " " << c.whole << " " << c.radius;
    EXPECT_TRUE(m.Changed());
  }
}

TEST(TransEditModel, PenSquareIsClippedAndItsUndoHoldsOnlyTheStroke) {
  TransEditModel m(Filled(400, 300, qRgb(9, 9, 9)), kKey);
  m.PenDown({0, 0}, 0x0000FF, 5);    // covers -5..4: clipped to 0..4
  m.PenMove({399, 299}, 0x0000FF, 5);  // the far corner, clipped too
  EXPECT_EQ(CountOf(m.Image(), 0x0000FF), 25 + 36);  // 394..403 keeps 394..399
  EXPECT_EQ(m.UndoCount(), 1);
  ASSERT_TRUE(m.Undo());
  EXPECT_EQ(CountOf(m.Image(), 0x0000FF), 0);
  ASSERT_TRUE(m.Redo());
  EXPECT_EQ(CountOf(m.Image(), 0x0000FF), 61);
}

TEST(TransEditModel, PaintFillsOnlyConnectedPixelsOfExactlyTheColour) {
  // Two white areas split by a black column; one off-white pixel inside the left one.
  QImage image = Filled(5, 3, qRgb(255, 255, 255));
  for (int y = 0; y < 3; ++y) image.setPixel(2, y, qRgb(0, 0, 0));
  image.setPixel(0, 1, qRgb(254, 255, 255));
  TransEditModel m(image, kKey);
  m.Paint({1, 1}, 0xFF0000);
  EXPECT_EQ(CountOf(m.Image(), 0xFF0000), 5);
  EXPECT_EQ(FromQRgb(m.Image().pixel(0, 1)), 0xFFFFFE);
  EXPECT_EQ(FromQRgb(m.Image().pixel(4, 1)), 0xFFFFFF);
  m.Undo();
  EXPECT_EQ(m.Image(), image);
}

TEST(TransEditModel, KeepsTenStepsAndANewEditDropsRedo) {
  const QImage start = Filled(11, 1, qRgb(0, 0, 0));
  TransEditModel m(start, kKey);
  for (int x = 0; x < 11; ++x) m.PenDown({x, 0}, 0xFFFFFF, 1);
  EXPECT_EQ(m.UndoCount(), 10);
  for (int i = 0; i < 10; ++i) ASSERT_TRUE(m.Undo());
  EXPECT_FALSE(m.Undo());
  // The state after the first edit: pixel 0 white, the rest black.
  EXPECT_EQ(CountOf(m.Image(), 0xFFFFFF), 1);
  EXPECT_EQ(FromQRgb(m.Image().pixel(0, 0)), 0xFFFFFF);
  EXPECT_EQ(m.RedoCount(), 10);
  m.PenDown({5, 0}, 0x0000FF, 1);
  EXPECT_EQ(m.RedoCount(), 0);
  EXPECT_FALSE(m.Redo());
}

TEST(TransEditModel, TransparentToWhite) {
  QImage image(3, 1, QImage::Format_RGB32);
  image.setPixel(0, 0, ToQRgb(kKey));
  image.setPixel(1, 0, qRgb(255, 255, 255));
  image.setPixel(2, 0, qRgb(1, 2, 3));
  for (bool sixteen : {false, true}) {
    TransEditModel m(image, kKey);
    m.TransToWhite(sixteen);
    EXPECT_EQ(m.TransColor(), 0xFFFFFF);
    EXPECT_EQ(FromQRgb(m.Image().pixel(0, 0)), 0xFFFFFF);
    EXPECT_EQ(FromQRgb(m.Image().pixel(1, 0)), sixteen ? 0xFFD7FF : 0xFFFFFF);
    EXPECT_EQ(FromQRgb(m.Image().pixel(2, 0)), 0x030201);
  }
}

}  // namespace
