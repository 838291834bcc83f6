// Reads only what the header promises lies inside the file: a damaged
// header is refused rather than followed past the end.
#include "core/picture/BmpScan.h"

#include <QString>
#include <cstdint>

#include "base/MessageIds.h"

namespace {

constexpr qsizetype kFileHeader = 14;
constexpr qsizetype kCoreHeader = 12;  // the oldest header, without a bit count at 28
constexpr qsizetype kInfoHeader = 40;

std::uint32_t ReadU32(QByteArrayView b, qsizetype at) {
  return std::uint32_t(std::uint8_t(b[at])) | std::uint32_t(std::uint8_t(b[at + 1])) << 8 |
         std::uint32_t(std::uint8_t(b[at + 2])) << 16 | std::uint32_t(std::uint8_t(b[at + 3])) << 24;
}

std::uint16_t ReadU16(QByteArrayView b, qsizetype at) {
  return std::uint16_t(std::uint8_t(b[at]) | std::uint8_t(b[at + 1]) << 8);
}

Failure Refused(const char* detail) {
  return Failure(msg::BitmapInfoFailed, QString::fromUtf8(detail));
}

}  // namespace

Result<COLORREF> ScanBmpTransColor(QByteArrayView file) {
  if (file.size() < 2 || file[0] != 'B' || file[1] != 'M') return Refused("形式判別エラー\n");
  if (file.size() < kFileHeader + kCoreHeader) return Refused("データ読込みエラー\n");
  // Every bitmap, whatever its depth, must have its header and pixels inside the file.
  const std::uint64_t size = std::uint64_t(file.size());
  const std::uint64_t headerSize = ReadU32(file, 14);
  const std::uint64_t offset = ReadU32(file, 10);
  if (headerSize < kCoreHeader || kFileHeader + headerSize > offset || offset > size)
    return Refused("データ読込みエラー\n");
  if (headerSize < kInfoHeader || ReadU16(file, 28) != 32) return kNoColor;
  const std::uint64_t imageSize = ReadU32(file, 34);
  if (imageSize > size - offset) return Refused("データ読込みエラー\n");
  for (std::uint64_t at = offset; at + 4 <= offset + imageSize; at += 4) {
    const std::uint8_t fourth = std::uint8_t(file[qsizetype(at + 3)]);
    if (fourth != 0 && fourth != 237) continue;
    const std::uint8_t blue = file[qsizetype(at)], green = file[qsizetype(at + 1)],
                       red = file[qsizetype(at + 2)];
    return COLORREF(red | green << 8 | blue << 16);
  }
  return kNoColor;
}
