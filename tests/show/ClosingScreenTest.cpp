#include <gtest/gtest.h>

#include <QPainter>

#include "show/ClosingScreen.h"

TEST(ClosingScreenTest, LinesSplitAtAtSignsAfterDecoding) {
  struct Case {
    QByteArray bytes;
    std::vector<QString> lines;
  };
  // "ァ" is 0x83 0x40 in CP932: its second byte is not a line break.
  const Case cases[] = {
      {QByteArray(), {}},
      {QByteArray("\0@x", 3), {}},
      {QByteArray("Thanks"), {"Thanks"}},
      {QByteArray("a@b@c"), {"a", "b", "c"}},
      {QByteArray("\x83\x40@b"), {QString::fromUtf8("ァ"), "b"}},
      {QByteArray("end@"), {"end", ""}},
  };
  for (const Case& c : cases) EXPECT_EQ(ClosingLines(c.bytes), c.lines) << c.bytes.toHex().constData();
}

TEST(ClosingScreenTest, OneLineIsCentredOnTheScreenSeveralInBands) {
  const std::vector<ClosingBand> one = ClosingLayout({"a"}, QSize(800, 600), 51);
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0].rect, QRect(0, 0, 800, 600));
  // Three lines of 51: the first band starts at 300 - 153 / 2 = 224.
  const std::vector<ClosingBand> three = ClosingLayout({"a", "b", "c"}, QSize(800, 601), 51);
  ASSERT_EQ(three.size(), 3u);
  EXPECT_EQ(three[0].rect, QRect(0, 224, 800, 51));
  EXPECT_EQ(three[1].rect, QRect(0, 275, 800, 51));
  EXPECT_EQ(three[2].rect, QRect(0, 326, 800, 51));
  EXPECT_EQ(three[2].text, "c");
}

TEST(ClosingScreenTest, MessageIsDrawnInItsColourAndEmptyTextLeavesBlack) {
  const auto draw = [](const QByteArray& text) {
    QImage screen(640, 400, QImage::Format_RGB32);
    screen.fill(Qt::black);
    QPainter painter(&screen);
    DrawClosingMessage(painter, screen.size(), text);
    return screen;
  };
  const QImage empty = draw(QByteArray());
  QImage black(640, 400, QImage::Format_RGB32);
  black.fill(Qt::black);
  EXPECT_EQ(empty, black);

  // Two lines: ink above and below the middle, none at the top or bottom edge.
  const QImage two = draw("Thank@you");
  int above = 0, below = 0, outside = 0;
  for (int y = 0; y < 400; ++y)
    for (int x = 0; x < 640; ++x) {
      if (two.pixel(x, y) != qRgb(247, 247, 222)) continue;
      if (y < 100 || y >= 300) ++outside;
      (y < 200 ? above : below)++;
    }
  EXPECT_GT(above, 0);
  EXPECT_GT(below, 0);
  EXPECT_EQ(outside, 0);
}

TEST(ClosingScreenTest, FontIsThe38PointBoldFace) {
  const QFont font = ClosingFont();
  EXPECT_EQ(font.pixelSize(), 51);
  EXPECT_TRUE(font.bold());
}
