#include "export/PictureLoader.h"

#include <gtest/gtest.h>

#include <QtEndian>

#include "ImageBytes.h"
#include "base/MessageIds.h"
#include "export/CGIFSub.h"
#include "export/ColorQuantizer.h"
#include "export/GifWriter.h"
#include "render/gdi/Color.h"

namespace {

QImage Filled(int w, int h, QRgb colour) {
  QImage image(w, h, QImage::Format_ARGB32);
  image.fill(colour);
  return image;
}

// A 4 x 1 PNG with alpha: clear RGB(12, 34, 56), half-clear red, opaque white, opaque blue.
QByteArray AlphaPng() {
  QImage image(4, 1, QImage::Format_ARGB32);
  image.setPixel(0, 0, qRgba(12, 34, 56, 0));
  image.setPixel(1, 0, qRgba(255, 0, 0, 128));
  image.setPixel(2, 0, qRgba(255, 255, 255, 255));
  image.setPixel(3, 0, qRgba(0, 0, 255, 255));
  return support::EncodeImage(image, "png");
}

QByteArray TransparentGif() {
  QImage image = Filled(3, 2, qRgb(0, 200, 0));
  image.setPixel(0, 0, qRgb(255, 0, 255));
  QByteArray gif = *WriteGif(QuantizeColors(image));
  EXPECT_TRUE(CGIFSub::MakeTransparent(gif, gdi::Rgb(255, 0, 255)));
  return gif;
}

// A 32-bit BMP of opaque red pixels with one blue pixel whose fourth byte is 237.
QByteArray MarkedBmp() {
  const int n = 4;
  QByteArray f(54, '\0');
  f[0] = 'B';
  f[1] = 'M';
  qToLittleEndian<quint32>(54 + 4 * n, f.data() + 2);
  qToLittleEndian<quint32>(54, f.data() + 10);
  qToLittleEndian<quint32>(40, f.data() + 14);
  qToLittleEndian<qint32>(n, f.data() + 18);
  qToLittleEndian<qint32>(1, f.data() + 22);
  qToLittleEndian<quint16>(1, f.data() + 26);
  qToLittleEndian<quint16>(32, f.data() + 28);
  qToLittleEndian<quint32>(4 * n, f.data() + 34);
  for (int i = 0; i < n; ++i) f.append(i == 2 ? QByteArray("\xFF\x00\x00\xED", 4) : QByteArray("\x00\x00\xFF\xFF", 4));
  return f;
}

// The CRC of a PNG chunk's type and data.
quint32 Crc32(QByteArrayView bytes) {
  quint32 c = 0xFFFFFFFF;
  for (char b : bytes) {
    c ^= quint8(b);
    for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320 & (0 - (c & 1)));
  }
  return ~c;
}

QRgb PixelOf(const LoadedPicture& p, int x, int y) { return p.picture->Image().pixel(x, y) & 0xFFFFFF; }

TEST(PictureLoader, EachFormatWithAndWithoutATransparentColour) {
  const QImage photo = support::PatternImage(40, 30);
  struct Case {
    const char* name;
    QByteArray file;
    const char* type;
    COLORREF trans;
    PictureEncoding held;
  };
  const Case cases[] = {
      {"jpeg", support::EncodeImage(photo, "jpeg"), "jpeg", kNoColor, PictureEncoding::Jpeg},
      {"24-bit png", support::EncodeImage(photo, "png"), "png", kNoColor, PictureEncoding::Jpeg},
      {"24-bit bmp", support::EncodeImage(photo, "bmp"), "BMP", kNoColor, PictureEncoding::Jpeg},
      {"tiff", support::EncodeImage(photo, "tiff"), "tiff", kNoColor, PictureEncoding::Jpeg},
      {"plain gif", *WriteGif(QuantizeColors(photo)), "gif", kNoColor, PictureEncoding::Jpeg},
      {"png with alpha", AlphaPng(), "png", gdi::Rgb(255, 255, 255), PictureEncoding::Bmp},
      {"transparent gif", TransparentGif(), "gif", gdi::Rgb(255, 0, 255), PictureEncoding::Bmp},
      {"marked 32-bit bmp", MarkedBmp(), "bmp", gdi::Rgb(0, 0, 255), PictureEncoding::Bmp},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Result<LoadedPicture> loaded = LoadPicture(c.file, c.type);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->trans, c.trans);
    EXPECT_EQ(loaded->picture->Encoding(), c.held);
    EXPECT_EQ(loaded->pixels, loaded->picture->PixelSize());
  }
}

TEST(PictureLoader, JpegKeepsItsBytesOnlyWhenLoadedAsJpeg) {
  const QByteArray jpeg = support::EncodeImage(support::PatternImage(40, 30), "jpeg");
  EXPECT_EQ(LoadPicture(jpeg, "JPEG")->picture->Save(), jpeg);
  // Any other type name takes the decoding path.
  const Result<LoadedPicture> typed = LoadPicture(jpeg, "tiff");
  ASSERT_TRUE(typed);
  EXPECT_NE(typed->picture->Save(), jpeg);
  EXPECT_EQ(typed->pixels, QSize(40, 30));
  // A file named .jpg that holds a PNG still loads.
  EXPECT_TRUE(LoadPicture(support::EncodeImage(support::PatternImage(8, 8), "png"), "jpeg"));
}

TEST(PictureLoader, AlphaIsLaidOverThePngsOwnTransparentColour) {
  const Result<LoadedPicture> p = LoadPicture(AlphaPng(), "png");
  ASSERT_TRUE(p);
  ASSERT_EQ(p->trans, gdi::Rgb(255, 255, 255));  // the PNG's own colour, not RGB(12, 34, 56)
  EXPECT_EQ(PixelOf(*p, 0, 0), 0xFFFFFFu);
  const float a = 128.0f / 255.0f;
  const int g = int((1 - a) * 255 + a * 0);
  EXPECT_EQ(PixelOf(*p, 1, 0), qRgb(255, g, g) & 0xFFFFFFu);
  EXPECT_EQ(PixelOf(*p, 2, 0), qRgb(255, 247, 255) & 0xFFFFFFu);  // opaque white kept visible
  EXPECT_EQ(PixelOf(*p, 3, 0), qRgb(0, 0, 255) & 0xFFFFFFu);
}

TEST(PictureLoader, OpaquePixelsOfTheKeyMoveOffIt) {
  // Black key: an opaque black pixel is raised by 8 green steps.
  QImage image(2, 1, QImage::Format_ARGB32);
  image.setPixel(0, 0, qRgba(0, 0, 0, 0));
  image.setPixel(1, 0, qRgba(0, 0, 0, 255));
  const QByteArray tiff = support::EncodeImage(image, "tiff");
  const Result<LoadedPicture> p = LoadPicture(tiff, "tiff");
  ASSERT_TRUE(p);
  EXPECT_EQ(p->trans, gdi::Rgb(0, 0, 0));
  EXPECT_EQ(PixelOf(*p, 0, 0), 0u);
  EXPECT_EQ(PixelOf(*p, 1, 0), qRgb(0, 8, 0) & 0xFFFFFFu);
}

// A 24-bit BMP header for w x h with `pixelBytes` bytes of pixels after it.
QByteArray Bmp24(qint32 w, qint32 h, int pixelBytes) {
  QByteArray f(54, '\0');
  f[0] = 'B';
  f[1] = 'M';
  qToLittleEndian<quint32>(54 + pixelBytes, f.data() + 2);
  qToLittleEndian<quint32>(54, f.data() + 10);
  qToLittleEndian<quint32>(40, f.data() + 14);
  qToLittleEndian<qint32>(w, f.data() + 18);
  qToLittleEndian<qint32>(h, f.data() + 22);
  qToLittleEndian<quint16>(1, f.data() + 26);
  qToLittleEndian<quint16>(24, f.data() + 28);
  return f + QByteArray(pixelBytes, '\x40');
}

TEST(PictureLoader, HostileFilesAreRefusedWithoutACrash) {
  const QByteArray png = support::EncodeImage(support::PatternImage(64, 64), "png");
  const QByteArray gif = *WriteGif(QuantizeColors(support::PatternImage(64, 64)));
  const QByteArray jpeg = support::EncodeImage(support::PatternImage(64, 64), "jpeg");
  QByteArray bmpPastEnd = MarkedBmp();
  qToLittleEndian<quint32>(5000, bmpPastEnd.data() + 10);
  QByteArray bmp24PastEnd = Bmp24(4, 4, 48);
  qToLittleEndian<quint32>(0x10000, bmp24PastEnd.data() + 10);
  QByteArray hugePng = png;  // IHDR says 100000 x 100000
  qToBigEndian<quint32>(100000, hugePng.data() + 16);
  qToBigEndian<quint32>(100000, hugePng.data() + 20);
  qToBigEndian<quint32>(Crc32(QByteArrayView(hugePng).sliced(12, 17)), hugePng.data() + 29);
  QByteArray pngChunkPastEnd = png;  // the chunk after IHDR claims 2 GB
  qToBigEndian<quint32>(0x7FFFFFF0, pngChunkPastEnd.data() + 33);
  QByteArray hugeGif = gif;  // logical screen 65535 x 65535
  for (int at : {6, 8}) qToLittleEndian<quint16>(65535, hugeGif.data() + at);
  struct Case {
    const char* name;
    QByteArray file;
    const char* type;
    int id;
  };
  const Case cases[] = {
      {"empty", QByteArray(), "png", msg::NoImage},
      {"truncated png", png.left(60), "png", msg::NoImage},
      {"png chunk past the end", pngChunkPastEnd, "png", msg::NoImage},
      {"huge png", hugePng, "png", msg::NoImage},
      {"truncated gif", gif.left(20), "gif", msg::NoImage},
      {"huge gif", hugeGif, "gif", msg::NoImage},
      {"bmp pixels past the end", bmpPastEnd, "bmp", msg::BitmapInfoFailed},
      {"24-bit bmp pixels past the end", bmp24PastEnd, "bmp", msg::BitmapInfoFailed},
      {"truncated bmp header", MarkedBmp().left(30), "bmp", msg::BitmapInfoFailed},
      {"huge bmp", Bmp24(100000, 100000, 48), "bmp", msg::NoImage},
      {"bmp of no width", Bmp24(0, 4, 48), "bmp", msg::NoImage},
      {"truncated jpeg", jpeg.left(3), "jpeg", msg::NoImage},
      {"text named jpeg", QByteArray("hello"), "jpeg", msg::NoImage},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Result<LoadedPicture> p = LoadPicture(c.file, c.type);
    ASSERT_FALSE(p);
    EXPECT_EQ(p.error().id, c.id);
  }

  // A frame placed far outside the logical screen: refused, or the screen's
  // own size with nothing read from outside it.
  QByteArray offsetGif = gif;
  qsizetype at = 13 + ((gif[10] & 0x80) ? 3 * (2 << (gif[10] & 7)) : 0);
  if (offsetGif[at] == '\x21') at += 8;  // a graphic control block before the frame
  ASSERT_EQ(offsetGif[at], '\x2C');
  for (int field : {1, 3}) qToLittleEndian<quint16>(60000, offsetGif.data() + at + field);
  const Result<LoadedPicture> far = LoadPicture(offsetGif, "gif");
  if (far) {
    EXPECT_EQ(far->pixels, QSize(64, 64));
  }
}

}  // namespace
