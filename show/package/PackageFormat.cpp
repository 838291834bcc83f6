#include "show/package/PackageFormat.h"

void AppendBigEndian(QByteArray& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.append(static_cast<char>((value >> shift) & 0xFF));
}

std::uint32_t ReadBigEndian(const char* at) {
  const auto* b = reinterpret_cast<const unsigned char*>(at);
  return (std::uint32_t{b[0]} << 24) | (std::uint32_t{b[1]} << 16) | (std::uint32_t{b[2]} << 8) | b[3];
}

QByteArray ShowDataHead(const PackageShow& show) {
  QByteArray out;
  out.reserve(kShowDataHeadSize);
  AppendBigEndian(out, show.slideCount);
  AppendBigEndian(out, show.menuMode);
  AppendBigEndian(out, show.repeatOnce);
  out.append(show.noEnlarge ? '1' : '0');
  out.append(show.autoSwitch ? '1' : '0');
  QByteArray text = show.endText.left(kEndTextSize);
  text.append(QByteArray(kEndTextSize - text.size(), '\0'));
  out.append(text);
  return out;
}

QByteArray SlideRecordHead(std::uint32_t time, std::uint32_t pattern, std::uint32_t jpegLength) {
  QByteArray out;
  out.reserve(kSlideRecordHeadSize);
  AppendBigEndian(out, time);
  AppendBigEndian(out, pattern);
  AppendBigEndian(out, jpegLength);
  return out;
}

QByteArray PackageTrailer(std::uint32_t playerLength) {
  QByteArray out;
  out.reserve(kPackageTrailerSize);
  AppendBigEndian(out, kPackageMagic);
  AppendBigEndian(out, playerLength);
  return out;
}

std::optional<std::uint32_t> TrailerPlayerLength(QByteArrayView package) {
  if (package.size() < kPackageTrailerSize) return std::nullopt;
  const char* trailer = package.data() + package.size() - kPackageTrailerSize;
  if (ReadBigEndian(trailer) != kPackageMagic) return std::nullopt;
  return ReadBigEndian(trailer + 4);
}
