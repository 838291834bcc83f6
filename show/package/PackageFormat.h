// The self-running show package: the player's bytes, the show data (the show
// settings and one JPEG per slide) and an 8-byte trailer that points back to
// the show data. Every 32-bit value is big-endian.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <optional>

inline constexpr std::uint32_t kPackageMagic = 88483776;  // 0x054627C0
inline constexpr int kPackageTrailerSize = 8;             // magic, player length
inline constexpr int kEndTextSize = 97;
inline constexpr int kShowDataHeadSize = 14 + kEndTextSize;  // 111
inline constexpr int kSlideRecordHeadSize = 12;               // time, pattern, JPEG length
inline constexpr int kMaxPackageSlides = 100;

// The show settings at the head of the show data.
struct PackageShow {
  std::uint32_t slideCount = 0;
  std::uint32_t menuMode = 0;    // 0 never, 1 always, 2..10 the first N seconds
  std::uint32_t repeatOnce = 1;  // 1 once, else repeat
  bool noEnlarge = false;
  bool autoSwitch = false;
  QByteArray endText;  // CP932, as the 97-byte field holds it
};

void AppendBigEndian(QByteArray& out, std::uint32_t value);
std::uint32_t ReadBigEndian(const char* at);

// The 111 bytes that open the show data. `endText` is cut or padded with
// NULs to its 97 bytes.
QByteArray ShowDataHead(const PackageShow& show);
// The 12 bytes before a slide's JPEG.
QByteArray SlideRecordHead(std::uint32_t time, std::uint32_t pattern, std::uint32_t jpegLength);
// The last 8 bytes: the magic and the player length P, where the show data starts.
QByteArray PackageTrailer(std::uint32_t playerLength);

// The player length the trailer of `package` names; nullopt when the file is
// too short for a trailer or its magic is not there (a bare player).
std::optional<std::uint32_t> TrailerPlayerLength(QByteArrayView package);
