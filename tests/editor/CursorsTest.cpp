#include "editor/Cursors.h"

#include <gtest/gtest.h>

#include <QPixmap>

namespace {

TEST(Cursors, DrawnPicturesLoadWithHotSpotsInside) {
  int drawn = 0;
  for (int i = 0; i <= static_cast<int>(CursorId::SizeWE); ++i) {
    const CursorPicture p = PictureOf(static_cast<CursorId>(i));
    if (*p.resource == '\0') continue;
    ++drawn;
    const QPixmap pixmap(p.resource);
    ASSERT_FALSE(pixmap.isNull()) << p.resource;
    EXPECT_EQ(pixmap.size(), QSize(32, 32)) << p.resource;
    EXPECT_TRUE(QRect(QPoint(0, 0), pixmap.size()).contains(p.hotX, p.hotY)) << p.resource;
  }
  EXPECT_EQ(drawn, 21);
  EXPECT_EQ(*PictureOf(CursorId::Arrow).resource, '\0');
  EXPECT_EQ(*PictureOf(CursorId::SizeNWSE).resource, '\0');
  const CursorSet set;
  EXPECT_EQ(set.Get(CursorId::Hand).shape(), Qt::PointingHandCursor);
  EXPECT_EQ(set.Get(CursorId::Rotate).shape(), Qt::BitmapCursor);
  EXPECT_EQ(set.Get(CursorId::Rotate).hotSpot(), QPoint(16, 16));
}

TEST(Cursors, HandleCursors) {
  const CursorId resize[8] = {CursorId::Size331, CursorId::Size335, CursorId::Size331, CursorId::Size335,
                              CursorId::Size333, CursorId::Size337, CursorId::Size333, CursorId::Size337};
  const CursorId text[8] = {CursorId::SizeNWSE, CursorId::SizeNESW, CursorId::SizeNWSE, CursorId::SizeNESW,
                            CursorId::SizeNS, CursorId::SizeWE, CursorId::SizeNS, CursorId::SizeWE};
  for (int h = 0; h < 8; ++h) {
    EXPECT_EQ(ResizeCursor(h), resize[h]) << h;
    EXPECT_EQ(TextBoxCursor(h), text[h]) << h;
  }
}

}  // namespace
