#include "core/picture/PictureTable.h"

#include <gtest/gtest.h>

namespace {

std::shared_ptr<const Picture> Small() {
  QImage image(2, 2, QImage::Format_RGB32);
  image.fill(Qt::green);
  return Picture::Wrap(image);
}

TEST(PictureTable, HandlesAreNonZeroAndDistinct) {
  PictureTable table;
  const PictureHandle a = table.Add(Small());
  const PictureHandle b = table.Add(Small());
  EXPECT_NE(a, kNoPicture);
  EXPECT_NE(b, kNoPicture);
  EXPECT_NE(a, b);
  EXPECT_EQ(table.Add(nullptr), kNoPicture);
  EXPECT_EQ(table.Get(kNoPicture), nullptr);
  EXPECT_EQ(table.Get(12345), nullptr);
}

TEST(PictureTable, ASharedPictureIsFreedWithItsLastOwner) {
  PictureTable table;
  std::weak_ptr<const Picture> watch;
  PictureHandle h;
  {
    auto picture = Small();
    watch = picture;
    h = table.Add(std::move(picture));
  }
  table.AddRef(h);
  table.AddRef(h);
  EXPECT_EQ(table.RefCount(h), 3);
  table.Release(h);
  table.Release(h);
  EXPECT_NE(table.Get(h), nullptr);
  EXPECT_FALSE(watch.expired());
  table.Release(h);
  EXPECT_EQ(table.Get(h), nullptr);
  EXPECT_TRUE(watch.expired());
  table.Release(h);  // an extra release of a freed handle is harmless
  EXPECT_EQ(table.Count(), 0u);
}

TEST(PictureTable, ClearFreesEverything) {
  PictureTable table;
  const PictureHandle a = table.Add(Small());
  table.AddRef(a);
  table.Add(Small());
  table.Clear();
  EXPECT_EQ(table.Count(), 0u);
  EXPECT_EQ(table.Get(a), nullptr);
}

}  // namespace
