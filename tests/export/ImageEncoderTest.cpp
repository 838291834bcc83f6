#include "export/ImageEncoder.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>
#include <QTemporaryDir>
#include <cstdlib>

#include "ImageBytes.h"
#include "export/ColorQuantizer.h"

namespace {

QImage Read(const QByteArray& bytes, QByteArray* format = nullptr) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  if (format) *format = reader.format();
  return reader.read();
}

int LargestChannelError(const QImage& a, const QImage& b) {
  int worst = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                        std::abs(qBlue(p) - qBlue(q))});
    }
  return worst;
}

// Four flat quarters: every lossless format, GIF included, gives them back exactly.
QImage Quarters(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  const QRgb colours[] = {qRgb(200, 30, 40), qRgb(20, 160, 60), qRgb(30, 40, 220), qRgb(250, 250, 250)};
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x)
      image.setPixel(x, y, colours[(y * 2 / size.height()) * 2 + x * 2 / size.width()]);
  return image;
}

TEST(ImageEncoder, WritesEveryFormatAtTheSizeAsked) {
  struct Case {
    ImageFormat format;
    const char* readerName;
    bool lossless;
  } cases[] = {{ImageFormat::Jpeg, "jpeg", false}, {ImageFormat::Gif, "gif", true},
               {ImageFormat::Bmp, "bmp", true},    {ImageFormat::Png, "png", true},
               {ImageFormat::Tiff, "tiff", true}};
  const QImage raster = Quarters(QSize(32, 16));
  for (const Case& c : cases) {
    const QString name = ImageFormatName(c.format);
    const std::optional<QByteArray> bytes = EncodeImage(raster, c.format);
    ASSERT_TRUE(bytes) << name.toStdString();
    QByteArray format;
    const QImage back = Read(*bytes, &format);
    EXPECT_EQ(format, c.readerName);
    if (c.lossless) {
      EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), raster) << name.toStdString();
    }
    EXPECT_EQ(Read(*EncodeImage(raster, c.format, QSize(50, 20))).size(), QSize(50, 20)) << name.toStdString();
    EXPECT_EQ(ImageFormatFromName(name), c.format);
  }
}

TEST(ImageEncoder, JpegIsWrittenAtFullQuality) {
  const QImage photo = support::PatternImage(64, 64, 2);
  const std::optional<QByteArray> best = EncodeImage(photo, ImageFormat::Jpeg);
  ASSERT_TRUE(best);
  EXPECT_LE(LargestChannelError(Read(*best).convertToFormat(QImage::Format_RGB32), photo), 12);
  EXPECT_GT(best->size(), support::EncodeImage(photo, "jpeg").size());  // Qt's default is 75
}

TEST(ImageEncoder, NamesFormatsByExtension) {
  const struct {
    const char* suffix;
    std::optional<ImageFormat> format;
  } cases[] = {{"jpeg", ImageFormat::Jpeg}, {"JPG", ImageFormat::Jpeg}, {"jpe", ImageFormat::Jpeg},
               {"Gif", ImageFormat::Gif},   {"bmp", ImageFormat::Bmp},  {"png", ImageFormat::Png},
               {"TIF", ImageFormat::Tiff},  {"tiff", ImageFormat::Tiff}, {"pdf", std::nullopt},
               {"", std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(ImageFormatFromSuffix(QString(c.suffix)), c.format) << c.suffix;
  EXPECT_FALSE(ImageFormatFromName(u"JPEG"));  // names are exact, as the command line gives them
}

TEST(ImageEncoder, FailuresSayWhatWentWrong) {
  QTemporaryDir dir;
  const Result<void> empty = EncodeImageFile(QImage(), ImageFormat::Png, dir.filePath("a.png"));
  ASSERT_FALSE(empty);
  EXPECT_EQ(empty.error().id, 30001);
  const QString missing = dir.filePath("no/such/folder/a.png");
  const Result<void> unwritable = EncodeImageFile(Quarters(QSize(4, 4)), ImageFormat::Png, missing);
  ASSERT_FALSE(unwritable);
  EXPECT_EQ(unwritable.error().id, 30018);
  EXPECT_EQ(unwritable.error().detail, missing + '\n');
}

TEST(ColorQuantizer, KeepsUpTo256ColoursExactly) {
  QImage image(16, 16, QImage::Format_RGB32);
  for (int i = 0; i < 256; ++i) image.setPixel(i % 16, i / 16, qRgb(i, 255 - i, (i * 7) & 255));
  const IndexedImage indexed = QuantizeColors(image);
  ASSERT_EQ(indexed.palette.size(), 256u);
  for (int i = 0; i < 256; ++i)
    EXPECT_EQ(indexed.palette[indexed.pixels[i]], image.pixel(i % 16, i / 16)) << i;
}

TEST(ColorQuantizer, ReducesARichImageCloselyAndKeepsTheColourAskedFor) {
  const QImage image = support::PatternImage(128, 96, 2);  // thousands of colours
  const QRgb kept = image.pixel(77, 33);
  const IndexedImage indexed = QuantizeColors(image, kept);
  ASSERT_LE(indexed.palette.size(), 256u);
  EXPECT_EQ(indexed.palette[indexed.pixels[33 * 128 + 77]], kept);
  QImage back(image.size(), QImage::Format_RGB32);
  for (int y = 0; y < back.height(); ++y)
    for (int x = 0; x < back.width(); ++x) back.setPixel(x, y, indexed.palette[indexed.pixels[y * 128 + x]]);
  EXPECT_LE(LargestChannelError(back, image), 40);
  // Only pixels of exactly that colour use its entry.
  const std::uint8_t keptIndex = indexed.pixels[33 * 128 + 77];
  for (int i = 0; i < 128 * 96; ++i)
    if (indexed.pixels[i] == keptIndex) {
      EXPECT_EQ(image.pixel(i % 128, i / 128), kept) << i;
    }
}

}  // namespace
