#include "export/CPNGSub.h"

#include <gtest/gtest.h>

#include <QImage>

#include "ImageBytes.h"
#include "render/gdi/Color.h"

namespace {

const QByteArray kSignature("\x89PNG\r\n\x1a\n", 8);

// One chunk: length, name, data and a CRC the reader does not check.
QByteArray Chunk(const char* name, const QByteArray& data, quint32 length = 0xFFFFFFFFu) {
  if (length == 0xFFFFFFFFu) length = static_cast<quint32>(data.size());
  QByteArray c;
  for (int shift = 24; shift >= 0; shift -= 8) c.append(static_cast<char>(length >> shift & 0xFF));
  return c + name + data + QByteArray(4, '\0');
}

QByteArray Header(int colourType) {
  return Chunk("IHDR", QByteArray::fromHex("0000000400000004") + char(8) + char(colourType) +
                           QByteArray(3, '\0'));
}

QByteArray Png(std::initializer_list<QByteArray> chunks) {
  QByteArray png = kSignature;
  for (const QByteArray& c : chunks) png += c;
  return png;
}

const QByteArray kImage = Chunk("IDAT", QByteArray(6, '\x11'));
const QByteArray kEnd = Chunk("IEND", QByteArray());
const QByteArray kPalette = Chunk("PLTE", QByteArray::fromHex("0A0B0C" "202122" "C81E28"));

TEST(CPNGSub, FindsTheTransparentColourOfEachColourType) {
  struct Case {
    const char* name;
    QByteArray png;
    COLORREF colour;
  } cases[] = {
      {"alpha without background: white", Png({Header(6), kImage, kEnd}), 0xFFFFFF},
      {"alpha with a red background", Png({Header(6), Chunk("bKGD", QByteArray::fromHex("00FF00000000")), kImage}),
       gdi::Rgb(255, 0, 0)},
      {"background takes the low bytes", Png({Header(6), Chunk("bKGD", QByteArray::fromHex("1201340256ff")), kImage}),
       gdi::Rgb(0x01, 0x02, 0xFF)},
      {"grey alpha with a background", Png({Header(4), Chunk("bKGD", QByteArray::fromHex("0080")), kImage}),
       gdi::Rgb(0x80, 0x80, 0x80)},
      {"grey alpha without background", Png({Header(4), kImage}), 0xFFFFFF},
      {"short background chunk", Png({Header(6), Chunk("bKGD", QByteArray::fromHex("00FF")), kImage}), 0xFFFFFF},
      {"background after the image data is not read",
       Png({Header(6), kImage, Chunk("bKGD", QByteArray::fromHex("00FF00000000"))}), 0xFFFFFF},
      {"a chunk name inside other data is no chunk",
       Png({Header(6), Chunk("tEXt", QByteArray("bKGD\0\xff\0\0\0\0", 10)), kImage}), 0xFFFFFF},
      {"palette: first entry not opaque", Png({Header(3), kPalette, Chunk("tRNS", QByteArray::fromHex("FFFF00")), kImage}),
       gdi::Rgb(0xC8, 0x1E, 0x28)},
      {"palette: half transparent counts", Png({Header(3), kPalette, Chunk("tRNS", QByteArray::fromHex("FF80")), kImage}),
       gdi::Rgb(0x20, 0x21, 0x22)},
      {"palette: every entry opaque", Png({Header(3), kPalette, Chunk("tRNS", QByteArray::fromHex("FFFFFF")), kImage}),
       kNoColor},
      {"palette: entry beyond the palette",
       Png({Header(3), kPalette, Chunk("tRNS", QByteArray::fromHex("FFFFFF00")), kImage}), kNoColor},
      {"palette without transparency", Png({Header(3), kPalette, kImage}), kNoColor},
      {"true colour with transparency", Png({Header(2), Chunk("tRNS", QByteArray::fromHex("000100020003")), kImage}),
       kNoColor},
      {"file ending after its chunks", Png({Header(6)}), 0xFFFFFF},
  };
  for (const Case& c : cases) {
    const Result<COLORREF> colour = CPNGSub::GetTransColor(c.png);
    ASSERT_TRUE(colour) << c.name << ": " << colour.error().detail.toStdString();
    EXPECT_EQ(*colour, c.colour) << c.name;
  }
}

TEST(CPNGSub, RefusesBrokenFilesWithTheReason) {
  struct Case {
    const char* name;
    QByteArray png;
    const char* reason;
  } cases[] = {
      {"empty", QByteArray(), "PNGファイル識別エラー\n"},
      {"not a PNG", support::EncodeImage(QImage(2, 2, QImage::Format_RGB32), "bmp"), "PNGファイル識別エラー\n"},
      {"no header before the image data", Png({kImage, Header(6)}), "カラータイプ識別エラー\n"},
      {"header too short", Png({Chunk("IHDR", QByteArray(5, '\0')), kImage}), "カラータイプ識別エラー\n"},
      {"huge length", Png({Chunk("tEXt", QByteArray(4, 'a'), 0xFFFFFFF0u), Header(6), kImage}),
       "データ読込みエラー\n"},
      {"length past the end", Png({Header(6), Chunk("bKGD", QByteArray(6, '\0'), 60)}), "データ読込みエラー\n"},
      {"cut inside a chunk header", Png({Header(6)}) + QByteArray("\0\0\0", 3), "データ読込みエラー\n"},
  };
  for (const Case& c : cases) {
    const Result<COLORREF> colour = CPNGSub::GetTransColor(c.png);
    ASSERT_FALSE(colour) << c.name;
    EXPECT_EQ(colour.error().id, 30014) << c.name;
    EXPECT_EQ(colour.error().detail, QString::fromUtf8(c.reason)) << c.name;
  }
}

TEST(CPNGSub, ReadsAPngThatQtWrote) {
  QImage image(4, 4, QImage::Format_ARGB32);
  image.fill(qRgba(10, 20, 30, 128));
  const Result<COLORREF> colour = CPNGSub::GetTransColor(support::EncodeImage(image, "png"));
  ASSERT_TRUE(colour);
  EXPECT_EQ(*colour, 0xFFFFFF);  // colour type 6 without a background
}

}  // namespace
