#include <gtest/gtest.h>

#include "show/PenStroke.h"
#include "show/PointerStick.h"
#include "show/ShowBitmaps.h"
#include "show/Sparkle.h"

namespace {

// A stick of one red pixel at the tip on a blue (see-through) square.
std::array<QImage, 3> TipOnly() {
  std::array<QImage, 3> bitmaps;
  const int sides[3] = {61, 122, 184};
  for (int i = 0; i < 3; ++i) {
    bitmaps[static_cast<size_t>(i)] = QImage(sides[i], sides[i], QImage::Format_RGB32);
    bitmaps[static_cast<size_t>(i)].fill(qRgb(0, 0, 255));
    bitmaps[static_cast<size_t>(i)].setPixel(10, 10, qRgb(255, 0, 0));
    bitmaps[static_cast<size_t>(i)].setPixel(sides[i] - 1, sides[i] - 1, qRgb(255, 0, 0));
  }
  return bitmaps;
}

// Each pixel different, so a pixel put back in the wrong place shows.
QImage Pattern(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x) image.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x * 7 + y) & 0xFF));
  return image;
}

}  // namespace

TEST(PointerStickTest, SizeStaysBetweenOneAndThree) {
  PointerStick stick(TipOnly());
  EXPECT_EQ(stick.Size(), 1);
  EXPECT_FALSE(stick.Shrink());
  EXPECT_EQ(stick.Size(), 1);
  EXPECT_TRUE(stick.Grow());
  EXPECT_TRUE(stick.Grow());
  EXPECT_FALSE(stick.Grow());
  EXPECT_EQ(stick.Size(), 3);
  EXPECT_EQ(stick.RectAt(QPoint(100, 50)), QRect(90, 40, 183, 183));
  EXPECT_TRUE(stick.Shrink());
  EXPECT_EQ(stick.RectAt(QPoint(100, 50)), QRect(90, 40, 122, 122));
}

TEST(PointerStickTest, DrawsKeyedAndPutsBackWhatItCovered) {
  const QImage original = Pattern(QSize(300, 200));
  QImage screen = original;
  PointerStick stick(TipOnly());
  for (int size = 1; size <= 3; ++size) {
    const QPoint cursor(40 * size, 30);
    const QRect covered = stick.Draw(screen, cursor);
    EXPECT_EQ(covered, stick.RectAt(cursor).intersected(screen.rect()));
    EXPECT_EQ(screen.pixel(cursor), qRgb(255, 0, 0)) << size;  // the tip is under the cursor
    EXPECT_EQ(screen.pixel(cursor + QPoint(1, 0)), original.pixel(cursor + QPoint(1, 0)));  // blue shows through
    EXPECT_EQ(stick.Restore(screen), covered);
    EXPECT_EQ(screen, original) << size;
    EXPECT_TRUE(stick.Restore(screen).isEmpty());  // nothing saved twice
    stick.Grow();
  }
  // Size 3 fills 183 pixels: the bitmap's 184th row and column stay out.
  const QPoint cursor(20, 10);
  stick.Draw(screen, cursor);
  EXPECT_EQ(screen.pixel(cursor + QPoint(172, 172)), original.pixel(cursor + QPoint(172, 172)));
  stick.Restore(screen);
  EXPECT_EQ(screen, original);
}

TEST(PointerStickTest, AtTheScreenEdgeOnlyThePartOnTheScreenIsSaved) {
  const QImage original = Pattern(QSize(100, 80));
  QImage screen = original;
  PointerStick stick(TipOnly());
  EXPECT_EQ(stick.Draw(screen, QPoint(95, 75)), QRect(85, 65, 15, 15));
  stick.Restore(screen);
  EXPECT_EQ(stick.Draw(screen, QPoint(0, 0)), QRect(0, 0, 51, 51));
  stick.Restore(screen);
  EXPECT_EQ(screen, original);
}

TEST(PointerStickTest, TheProgramsBitmapsHaveTheirSizesAndKeys) {
  const std::optional<ShowBitmaps> bitmaps = LoadShowBitmaps();
  ASSERT_TRUE(bitmaps);
  EXPECT_EQ(bitmaps->menu.size(), QSize(302, 100));
  EXPECT_EQ(bitmaps->clockDigits.size(), QSize(352, 50));
  EXPECT_EQ(bitmaps->pointers[2].size(), QSize(184, 184));
  for (const QImage& pointer : bitmaps->pointers) {
    EXPECT_EQ(pointer.pixel(0, 0) & 0xFFFFFFu, kPointerKey);
    EXPECT_NE(pointer.pixel(kPointerTip) & 0xFFFFFFu, kPointerKey);  // the tip is drawn
  }
  EXPECT_EQ(bitmaps->clockDigits.pixel(0, 0) & 0xFFFFFFu, kClockKey);
  EXPECT_EQ(ClockCell(QLatin1Char('7')), QRect(224, 0, 32, 50));
  EXPECT_EQ(ClockCell(QLatin1Char(':')), QRect(320, 0, 32, 50));
  EXPECT_TRUE(ClockCell(QLatin1Char(' ')).isEmpty());
}

TEST(SparkleTest, PlusesStandOutFromThePixelsUnderThem) {
  // A plus landing on an earlier one turns back to the ground's colour, so
  // on yellow and blue only the other colour shows; white is nearer yellow.
  const struct {
    QRgb ground;
    QRgb plus;
  } cases[] = {{qRgb(255, 255, 0), qRgb(0, 0, 255)}, {qRgb(0, 0, 255), qRgb(255, 255, 0)},
               {qRgb(250, 250, 250), qRgb(0, 0, 255)}};
  for (const auto& c : cases) {
    QImage screen(100, 100, QImage::Format_RGB32);
    screen.fill(c.ground);
    DrawSparkle(screen, QPoint(40, 40), 12345);
    int drawn = 0;
    for (int y = 0; y < 100; ++y)
      for (int x = 0; x < 100; ++x) {
        const QRgb p = screen.pixel(x, y);
        if (p == c.ground) continue;
        drawn += p == c.plus;
        EXPECT_TRUE(p == c.plus || p == qRgb(255, 255, 0)) << x << "," << y;
        // Every point lies within 20 of (50, 50); its plus reaches one further.
        const int dx = x - 50, dy = y - 50;
        EXPECT_LE(dx * dx + dy * dy, 22 * 22) << x << "," << y;
      }
    EXPECT_GT(drawn, 100);
  }
}

TEST(SparkleTest, TheSameSeedGivesTheSameSparkleAndTheEdgeIsSafe) {
  QImage a(60, 60, QImage::Format_RGB32), b(60, 60, QImage::Format_RGB32);
  a.fill(Qt::black);
  b.fill(Qt::black);
  DrawSparkle(a, QPoint(0, 0), 7);
  DrawSparkle(b, QPoint(0, 0), 7);
  EXPECT_EQ(a, b);
  DrawSparkle(b, QPoint(0, 0), 8);
  EXPECT_NE(a, b);
  DrawSparkle(a, QPoint(59, 59), 7);  // mostly off the screen
}

TEST(PenStrokeTest, FirstMoveStartsAndLaterMovesDrawFiveWide) {
  QImage screen(80, 40, QImage::Format_RGB32);
  screen.fill(Qt::black);
  PenStroke pen;
  EXPECT_TRUE(pen.Move(screen, QPoint(10, 20), QColor(255, 130, 0)).isEmpty());
  EXPECT_TRUE(pen.Drawing());
  EXPECT_EQ(screen.pixel(10, 20), qRgb(0, 0, 0));  // a press alone leaves no dot
  const QRect drawn = pen.Move(screen, QPoint(60, 20), QColor(255, 130, 0));
  EXPECT_TRUE(drawn.contains(QRect(10, 18, 51, 5)));
  for (int y = 18; y <= 22; ++y) EXPECT_EQ(screen.pixel(35, y), qRgb(255, 130, 0)) << y;
  EXPECT_EQ(screen.pixel(35, 17), qRgb(0, 0, 0));
  EXPECT_EQ(screen.pixel(35, 23), qRgb(0, 0, 0));
  pen.End();
  EXPECT_FALSE(pen.Drawing());
  EXPECT_TRUE(pen.Move(screen, QPoint(5, 5), Qt::white).isEmpty());  // a new stroke starts here
}
