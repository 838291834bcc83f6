#include "editor/Cursors.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <numbers>

#include "editor/HitTest.h"
#include "geometry/ObjectFrame.h"

namespace {

// Where a drawn cursor points is where the click lands: on its picture.
TEST(Cursors, HotSpotsLieOnTheDrawnPicture) {
  int drawn = 0;
  for (int i = 0; i <= static_cast<int>(CursorId::SizeWE); ++i) {
    const CursorPicture p = PictureOf(static_cast<CursorId>(i));
    if (*p.resource == '\0') continue;
    ++drawn;
    const QImage image = QImage(p.resource).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(image.isNull()) << p.resource;
    EXPECT_EQ(image.size(), QSize(32, 32)) << p.resource;
    ASSERT_TRUE(image.rect().contains(p.hotX, p.hotY)) << p.resource;
    EXPECT_GT(qAlpha(image.pixel(p.hotX, p.hotY)), 127) << p.resource << " at " << p.hotX << "," << p.hotY;
  }
  EXPECT_EQ(drawn, 21);
  EXPECT_EQ(*PictureOf(CursorId::Arrow).resource, '\0');
  EXPECT_EQ(*PictureOf(CursorId::SizeNWSE).resource, '\0');
  const CursorSet set;
  EXPECT_EQ(set.Get(CursorId::Hand).shape(), Qt::PointingHandCursor);
  EXPECT_EQ(set.Get(CursorId::Rotate).shape(), Qt::BitmapCursor);
  const CursorPicture pen = PictureOf(CursorId::Pen);
  EXPECT_EQ(set.Get(CursorId::Pen).hotSpot(), QPoint(pen.hotX, pen.hotY));
}

enum class Axis { WE, NWSE, NS, NESW };

// The direction the drawn pixels of a cursor picture run in, to the nearest 45 degrees
// (y grows downwards, so a line from top left to bottom right is NW-SE).
Axis AxisOfPicture(const QImage& image) {
  double n = 0, sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(image.pixel(x, y)) < 128) continue;
      n += 1, sx += x, sy += y, sxx += x * x, syy += y * y, sxy += x * y;
    }
  const double vx = sxx / n - sx * sx / n / n, vy = syy / n - sy * sy / n / n, cxy = sxy / n - sx * sy / n / n;
  const double degrees = 0.5 * std::atan2(2 * cxy, vx - vy) * 180 / std::numbers::pi;
  const int step = static_cast<int>(std::lround(degrees / 45.0));
  switch ((step + 4) % 4) {
    case 0: return Axis::WE;
    case 1: return Axis::NWSE;
    case 2: return Axis::NS;
    default: return Axis::NESW;
  }
}

Axis AxisOfShape(Qt::CursorShape shape) {
  switch (shape) {
    case Qt::SizeHorCursor: return Axis::WE;
    case Qt::SizeFDiagCursor: return Axis::NWSE;
    case Qt::SizeVerCursor: return Axis::NS;
    default: return Axis::NESW;
  }
}

// The way a handle pulls: away from the middle of its box.
Axis AxisOfHandle(QPoint handle, QPoint middle) {
  const QPoint d = handle - middle;
  if (d.x() == 0) return Axis::NS;
  if (d.y() == 0) return Axis::WE;
  return (d.x() > 0) == (d.y() > 0) ? Axis::NWSE : Axis::NESW;
}

// Each handle's cursor shows an arrow along the way the handle pulls.
TEST(Cursors, EachHandleShowsAnArrowTheWayItPulls) {
  const Bounds box{100, 100, 300, 200};
  const std::array<QPoint, 8> resize = ResizeHandlePoints(box, 1.0f);
  const std::array<QPoint, 8> text = TextBoxHandles(box);
  const QPoint resizeMiddle(200, 150);
  const QPoint textMiddle((text[0].x() + text[2].x()) / 2, (text[0].y() + text[2].y()) / 2);
  const CursorSet set;
  for (int h = 0; h < 8; ++h) {
    const QImage picture(PictureOf(ResizeCursor(h)).resource);
    ASSERT_FALSE(picture.isNull()) << h;
    EXPECT_EQ(AxisOfPicture(picture.convertToFormat(QImage::Format_ARGB32)), AxisOfHandle(resize[h], resizeMiddle))
        << "resize handle " << h;
    EXPECT_EQ(AxisOfShape(set.Get(TextBoxCursor(h)).shape()), AxisOfHandle(text[h], textMiddle))
        << "text box handle " << h;
  }
}

}  // namespace
