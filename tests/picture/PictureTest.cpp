#include "core/picture/Picture.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>

#include "ImageBytes.h"

namespace {

using support::EncodeImage;

QImage TwoByOne() {
  QImage image(2, 1, QImage::Format_RGB32);
  image.setPixel(0, 0, qRgb(255, 0, 0));
  image.setPixel(1, 0, qRgb(0, 0, 255));
  return image;
}

// A 2 x 1 GIF: a red and a blue pixel (Qt reads GIF but cannot write it).
const QByteArray kGif = QByteArray::fromHex(
    "47494638396102000100f00000ff00000000ff21f90400000000002c000000000200"
    "0100000202440a003b");

TEST(Picture, LoadsJpegGifAndBmpAndRefusesTheRest) {
  const std::pair<QByteArray, PictureEncoding> accepted[] = {
      {EncodeImage(TwoByOne(), "jpeg"), PictureEncoding::Jpeg},
      {kGif, PictureEncoding::Gif},
      {EncodeImage(TwoByOne(), "bmp"), PictureEncoding::Bmp},
  };
  for (const auto& [bytes, encoding] : accepted) {
    const auto picture = Picture::Load(bytes);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Encoding(), encoding);
  }

  const QByteArray refused[] = {
      EncodeImage(TwoByOne(), "png"), QByteArray(), QByteArray("garbage bytes"),
      QByteArray("BM\x10\0\0\0", 6), QByteArray("\xFF\xD8\xFF\xE0 truncated", 15),
      QByteArray("GIF89a"),
  };
  for (const QByteArray& bytes : refused) EXPECT_EQ(Picture::Load(bytes), nullptr) << bytes.toHex().toStdString();
}

TEST(Picture, GifPixelsAreDecoded) {
  const auto picture = Picture::Load(kGif);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->PixelSize(), QSize(2, 1));
  EXPECT_EQ(QColor(picture->Image().pixel(0, 0)), QColor(255, 0, 0));
  EXPECT_EQ(QColor(picture->Image().pixel(1, 0)), QColor(0, 0, 255));
}

TEST(Picture, JpegSavesItsOwnBytesUnchanged) {
  QImage image(64, 32, QImage::Format_RGB32);
  image.fill(qRgb(10, 200, 30));
  const QByteArray jpeg = EncodeImage(image, "jpeg");
  const auto first = Picture::Load(jpeg);
  ASSERT_NE(first, nullptr);
  const QByteArray saved = first->Save();
  EXPECT_EQ(saved, jpeg);
  const auto second = Picture::Load(saved);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->Save(), jpeg);
  EXPECT_EQ(second->Image(), first->Image());
}

TEST(Picture, NaturalSizeIsInHundredthsOfAMillimetre) {
  QImage image(96, 48, QImage::Format_RGB32);
  image.fill(Qt::white);
  EXPECT_EQ(Picture::Load(EncodeImage(image, "bmp"))->NaturalSize(), QSize(2540, 1270));
  EXPECT_EQ(Picture::Wrap(image)->NaturalSize(), QSize(2540, 1270));
  EXPECT_EQ(Picture::Wrap(image, 192)->NaturalSize(), QSize(1270, 635));
}

TEST(Picture, WrappedBitmapSavesAsLosslessBmp) {
  QImage image(5, 3, QImage::Format_RGB32);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) image.setPixel(x, y, qRgb(x * 50, y * 80, 7));
  const auto wrapped = Picture::Wrap(image);
  const QByteArray bmp = wrapped->Save();
  ASSERT_TRUE(bmp.startsWith("BM"));
  EXPECT_EQ(wrapped->Save(), bmp);  // the same file every time
  const auto back = Picture::Load(bmp);
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->Encoding(), PictureEncoding::Bmp);
  EXPECT_EQ(back->Image().convertToFormat(QImage::Format_RGB32), image);
}

QImage RenderTo(const Picture& picture, QSize size, bool mirrorX, bool mirrorY) {
  QImage target(size, QImage::Format_RGB32);
  target.fill(Qt::black);
  QPainter painter(&target);
  picture.Render(painter, QRect(QPoint(0, 0), size), mirrorX, mirrorY);
  return target;
}

TEST(Picture, RendersScaledAndMirrored) {
  QImage square(2, 2, QImage::Format_RGB32);
  square.setPixel(0, 0, qRgb(255, 0, 0));
  square.setPixel(1, 0, qRgb(0, 255, 0));
  square.setPixel(0, 1, qRgb(0, 0, 255));
  square.setPixel(1, 1, qRgb(255, 255, 255));
  const auto picture = Picture::Wrap(square);

  struct Case { bool mx, my; QRgb topLeft, bottomRight; };
  const Case cases[] = {
      {false, false, qRgb(255, 0, 0), qRgb(255, 255, 255)},
      {true, false, qRgb(0, 255, 0), qRgb(0, 0, 255)},
      {false, true, qRgb(0, 0, 255), qRgb(0, 255, 0)},
      {true, true, qRgb(255, 255, 255), qRgb(255, 0, 0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.mx << c.my);
    const QImage out = RenderTo(*picture, QSize(4, 4), c.mx, c.my);
    EXPECT_EQ(out.pixel(0, 0), c.topLeft);
    EXPECT_EQ(out.pixel(1, 1), c.topLeft);  // scaled, nearest neighbour
    EXPECT_EQ(out.pixel(3, 3), c.bottomRight);
    EXPECT_EQ(out.pixel(2, 2), c.bottomRight);
  }
}

}  // namespace
