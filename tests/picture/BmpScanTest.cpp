#include "core/picture/BmpScan.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QList>
#include <QtEndian>

#include "base/MessageIds.h"
#include "core/picture/PictureFileType.h"

namespace {

// A BMP file of `pixels` BGRA quads, with the header fields a test may spoil.
QByteArray Bmp32(const QList<quint32>& pixels, int bitCount = 32) {
  QByteArray f(54, '\0');
  f[0] = 'B';
  f[1] = 'M';
  qToLittleEndian<quint32>(54 + 4 * pixels.size(), f.data() + 2);
  qToLittleEndian<quint32>(54, f.data() + 10);
  qToLittleEndian<quint32>(40, f.data() + 14);
  qToLittleEndian<qint32>(pixels.size(), f.data() + 18);
  qToLittleEndian<qint32>(1, f.data() + 22);
  qToLittleEndian<quint16>(1, f.data() + 26);
  qToLittleEndian<quint16>(bitCount, f.data() + 28);
  qToLittleEndian<quint32>(4 * pixels.size(), f.data() + 34);
  for (quint32 p : pixels) {
    char q[4];
    qToLittleEndian<quint32>(p, q);
    f.append(q, 4);
  }
  return f;
}

void Put32(QByteArray& f, int at, quint32 v) { qToLittleEndian<quint32>(v, f.data() + at); }

TEST(BmpScan, FirstMarkedPixelGivesTheColour) {
  // BGRA in memory: 0xAARRGGBB little-endian.
  struct Case { const char* name; QList<quint32> pixels; int bits; COLORREF want; };
  const Case cases[] = {
      {"alpha 237 blue", {0xFF112233, 0xED0000FF, 0x00000000}, 32, 0xFF0000},
      {"alpha 0 first wins", {0xFF010203, 0x00102030, 0xED405060}, 32, 0x302010},
      {"all opaque", {0xFF000000, 0xFFFFFFFF}, 32, kNoColor},
      {"24-bit gives none", {0x00102030}, 24, kNoColor},
  };
  for (const Case& c : cases) {
    const Result<COLORREF> got = ScanBmpTransColor(Bmp32(c.pixels, c.bits));
    ASSERT_TRUE(got.has_value()) << c.name;
    EXPECT_EQ(*got, c.want) << c.name;
  }
}

TEST(BmpScan, DamagedFilesAreRefused) {
  const QByteArray good = Bmp32({0x00102030, 0xFF000000});
  struct Case { const char* name; QByteArray bytes; const char* detail; };
  QByteArray offsetPast = good, sizePast = good, smallHeader = good, hugeSize = good;
  QByteArray offsetPast24 = Bmp32({0x00102030}, 24), headerPast24 = offsetPast24;
  Put32(offsetPast, 10, 0x7FFFFFF0);
  Put32(offsetPast24, 10, 0x1000);
  Put32(headerPast24, 14, 0x400);
  Put32(sizePast, 34, 12);
  Put32(smallHeader, 14, 8);
  Put32(hugeSize, 34, 0xFFFFFFFC);
  const Case cases[] = {
      {"not BM", QByteArray("PK\3\4 not a bitmap at all, long enough to read"), "形式判別エラー\n"},
      {"empty", QByteArray(), "形式判別エラー\n"},
      {"truncated header", good.left(20), "データ読込みエラー\n"},
      {"truncated pixels", good.left(58), "データ読込みエラー\n"},
      {"offset past the end", offsetPast, "データ読込みエラー\n"},
      {"image size past the end", sizePast, "データ読込みエラー\n"},
      {"image size wraps", hugeSize, "データ読込みエラー\n"},
      {"header inside the file header", smallHeader, "データ読込みエラー\n"},
      {"24-bit offset past the end", offsetPast24, "データ読込みエラー\n"},
      {"24-bit header over the pixels", headerPast24, "データ読込みエラー\n"},
  };
  for (const Case& c : cases) {
    const Result<COLORREF> got = ScanBmpTransColor(c.bytes);
    ASSERT_FALSE(got.has_value()) << c.name;
    EXPECT_EQ(got.error().id, msg::BitmapInfoFailed) << c.name;
    EXPECT_EQ(got.error().detail, QString::fromUtf8(c.detail)) << c.name;
  }
}

TEST(PictureFileType, ExtensionNamesTheType) {
  const std::pair<const char*, const char*> cases[] = {
      {"a/photo.JPG", "jpeg"}, {"x.jpeg", "jpeg"}, {"x.Gif", "gif"}, {"x.bmp", "bmp"},
      {"x.PNG", "png"},        {"x.tif", "tiff"},  {"x.TIFF", "tiff"}, {"x.txt", ""},
      {"noext", ""},           {"dir.png/file", ""}, {"x.", ""},      {"x.jpg.zip", ""},
  };
  for (const auto& [path, want] : cases)
    EXPECT_EQ(PictureFileType(QString::fromUtf8(path)), QString::fromUtf8(want)) << path;
}

}  // namespace
