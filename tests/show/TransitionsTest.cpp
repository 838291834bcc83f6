#include <gtest/gtest.h>

#include "show/Transitions.h"

namespace {

// Every byte value appears in some colour channel; the fourth byte varies too.
QImage Ramp(int w, int h, QImage::Format format = QImage::Format_ARGB32) {
  QImage image(w, h, format);
  for (int y = 0; y < h; ++y) {
    uchar* row = image.scanLine(y);
    for (int i = 0; i < image.bytesPerLine(); ++i) row[i] = static_cast<uchar>((y * w * 4 + i * 7) & 0xFF);
  }
  return image;
}

QImage Filled(int w, int h, QRgb colour) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

int Sat(int b, int d) { return b > d ? b - d : 0; }

// Checks every colour byte of `out` against `expect(byte)` and that a fourth byte is kept.
template <typename F>
void ExpectBytes(const QImage& src, const QImage& out, F expect, int frame) {
  const int bpp = src.depth() / 8;
  for (int y = 0; y < src.height(); ++y)
    for (int x = 0; x < src.width() * bpp; ++x) {
      const int b = src.constScanLine(y)[x];
      const int want = (bpp == 4 && x % 4 == 3) ? b : expect(b);
      ASSERT_EQ(out.constScanLine(y)[x], want) << "frame " << frame << " byte " << x << " row " << y;
    }
}

}  // namespace

TEST(TransitionsTest, FadeOutSubtractsEightPerFrameDownToBlack) {
  for (auto format : {QImage::Format_ARGB32, QImage::Format_RGB888}) {
    const QImage prev = Ramp(16, 16, format);
    QImage out(prev.size(), prev.format());
    for (int k = 0; k < kFadeFrames; ++k) {
      ASSERT_TRUE(FadeOutFrame(prev, k, out));
      ExpectBytes(prev, out, [k](int b) { return Sat(b, 8 * (k + 1)); }, k);
    }
  }
}

TEST(TransitionsTest, FadeInRisesFromBlackToTheSlide) {
  for (auto format : {QImage::Format_ARGB32, QImage::Format_RGB888}) {
    const QImage next = Ramp(16, 16, format);
    QImage out(next.size(), next.format());
    for (int k = 0; k < kFadeFrames; ++k) {
      ASSERT_TRUE(FadeInFrame(next, k, out));
      ExpectBytes(next, out, [k](int c) { return Sat(c, 8 * (31 - k)); }, k);
    }
    EXPECT_EQ(out, next);
  }
}

TEST(TransitionsTest, CrossFadeTakesOldPixelsWhereTheCounterExceedsTheFrame) {
  // Width 5: the counter runs on across rows instead of restarting.
  const QRgb oldColour = qRgb(1, 2, 3), newColour = qRgb(200, 100, 50);
  for (auto format : {QImage::Format_RGB32, QImage::Format_RGB888}) {
    const QImage prev = Filled(5, 14, oldColour).convertToFormat(format);
    const QImage next = Filled(5, 14, newColour).convertToFormat(format);
    QImage out(prev.size(), format);
    for (int w = 0; w < kCrossFadeFrames; ++w) {
      ASSERT_TRUE(CrossFadeFrame(prev, next, w, out));
      for (int p = 0; p < 70; ++p) {
        const bool fromOld = w != 0 && w != 31 && p % 32 > w;
        ASSERT_EQ(out.pixel(p % 5, p / 5), fromOld ? oldColour : newColour) << w << " " << p;
      }
    }
  }
}

TEST(TransitionsTest, WipesCopyLinesFromTheirEdge) {
  const QImage prev = Filled(7, 5, qRgb(0, 0, 0));
  const QImage next = Ramp(7, 5).convertToFormat(QImage::Format_RGB32);
  QImage out(prev.size(), prev.format());
  struct Case {
    WipeFrom from;
    bool (*isNew)(int x, int y);
  };
  const Case cases[] = {
      {WipeFrom::Top, [](int, int y) { return y < 2; }},
      {WipeFrom::Bottom, [](int, int y) { return y >= 3; }},
      {WipeFrom::Left, [](int x, int) { return x < 2; }},
      {WipeFrom::Right, [](int x, int) { return x >= 5; }},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(WipeFrame(prev, next, c.from, 2, out));
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 7; ++x)
        EXPECT_EQ(out.pixel(x, y), c.isNew(x, y) ? next.pixel(x, y) : prev.pixel(x, y))
            << static_cast<int>(c.from) << " " << x << "," << y;
  }
}

TEST(TransitionsTest, WipeUpdatesEveryEighthRowOrTenthColumnAndAfterTheLast) {
  EXPECT_EQ(WipeSteps(WipeFrom::Top, {3, 20}), (std::vector<int>{1, 9, 17, 20}));
  EXPECT_EQ(WipeSteps(WipeFrom::Bottom, {3, 17}), (std::vector<int>{1, 9, 17}));
  EXPECT_EQ(WipeSteps(WipeFrom::Left, {25, 3}), (std::vector<int>{1, 11, 21, 25}));
  EXPECT_EQ(WipeSteps(WipeFrom::Right, {1, 3}), (std::vector<int>{1}));
}

TEST(TransitionsTest, InterlaceAveragesBlocksOverThePixelsTheyHave) {
  // 18 x 17 at block size 16: a full block, a 2-wide right block, a 1-high
  // bottom strip and a 2 x 1 corner.
  for (auto format : {QImage::Format_RGB32, QImage::Format_RGB888}) {
    QImage next(18, 17, format);
    for (int y = 0; y < 17; ++y)
      for (int x = 0; x < 18; ++x)
        next.setPixel(x, y, x >= 16 && y >= 16 ? qRgb(255, 255, 255)
                                                : qRgb(x * 10, y * 10, (x + y) % 2 ? 255 : 0));
    QImage out(next.size(), next.format());
    ASSERT_TRUE(InterlaceFrame(next, 0, out));
    const auto average = [&](int x0, int y0, int w, int h) {
      int r = 0, g = 0, b = 0;
      for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x) {
          r += qRed(next.pixel(x, y));
          g += qGreen(next.pixel(x, y));
          b += qBlue(next.pixel(x, y));
        }
      return qRgb(r / (w * h), g / (w * h), b / (w * h));
    };
    struct Block {
      int x, y, w, h;
    };
    for (const Block& blk : {Block{0, 0, 16, 16}, Block{16, 0, 2, 16}, Block{0, 16, 16, 1},
                             Block{16, 16, 2, 1}}) {
      const QRgb want = average(blk.x, blk.y, blk.w, blk.h);
      for (int y = blk.y; y < blk.y + blk.h; ++y)
        for (int x = blk.x; x < blk.x + blk.w; ++x)
          ASSERT_EQ(out.pixel(x, y), want) << x << "," << y << " format " << format;
    }
    EXPECT_EQ(out.pixel(16, 0), qRgb(165, 75, 127));
    EXPECT_EQ(out.pixel(17, 16), qRgb(255, 255, 255));
    // Block size 1 is the slide itself.
    ASSERT_TRUE(InterlaceFrame(next, kInterlaceFrames - 1, out));
    EXPECT_EQ(out, next);
  }
}

TEST(TransitionsTest, InterlaceOfAPlainWhiteSlideStaysWhiteAtEveryBlockSize) {
  QImage next(37, 23, QImage::Format_RGB32);
  next.fill(qRgb(255, 255, 255));
  QImage out(next.size(), next.format());
  for (int f = 0; f < kInterlaceFrames; ++f) {
    ASSERT_TRUE(InterlaceFrame(next, f, out));
    EXPECT_EQ(out, next) << f;
  }
}

TEST(TransitionsTest, RefusesOtherFormatsAndMismatchedImages) {
  const QImage rgb = Filled(4, 4, qRgb(1, 2, 3));
  QImage out(4, 4, QImage::Format_RGB32);
  const QImage rgb16 = rgb.convertToFormat(QImage::Format_RGB16);
  QImage out16 = rgb16.copy();
  EXPECT_FALSE(FadeOutFrame(rgb16, 0, out16));
  EXPECT_FALSE(InterlaceFrame(rgb.convertToFormat(QImage::Format_Indexed8), 0, out));
  EXPECT_FALSE(CrossFadeFrame(rgb, Filled(4, 5, 0), 3, out));
  EXPECT_FALSE(WipeFrame(rgb, rgb.convertToFormat(QImage::Format_RGB888), WipeFrom::Top, 1, out));
  EXPECT_FALSE(FadeInFrame(rgb, kFadeFrames, out));
  QImage small(2, 2, QImage::Format_RGB32);
  EXPECT_FALSE(FadeInFrame(rgb, 0, small));
}
