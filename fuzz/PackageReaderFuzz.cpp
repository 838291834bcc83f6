// Feeds arbitrary bytes to ReadShowPackage as the player's own file. Whatever
// it accepts must lie inside the bytes, and written again as a package it
// must read back the same.
#include <cstddef>
#include <cstdint>

#include "show/package/PackageReader.h"

namespace {

bool Inside(QByteArrayView part, QByteArrayView whole) {
  return part.data() >= whole.data() && part.data() + part.size() <= whole.data() + whole.size();
}

QByteArray Rewritten(const ShowPackage& package) {
  const QByteArray player = "player";
  QByteArray out = player + ShowDataHead(package.show);
  for (const PackageSlide& s : package.slides)
    out += SlideRecordHead(static_cast<std::uint32_t>(s.time), static_cast<std::uint32_t>(s.pattern),
                           static_cast<std::uint32_t>(s.jpeg.size())) +
           s.jpeg.toByteArray();
  return out + PackageTrailer(static_cast<std::uint32_t>(player.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArrayView bytes(data, static_cast<qsizetype>(size));
  const Result<ShowPackage> read = ReadShowPackage(bytes);
  if (!read) return 0;
  const ShowPackage& p = *read;
  if (p.show.slideCount > kMaxPackageSlides || p.slides.size() != p.show.slideCount) __builtin_trap();
  if (p.show.endText.size() != kEndTextSize) __builtin_trap();
  for (const PackageSlide& s : p.slides)
    if (!Inside(s.jpeg, bytes.first(bytes.size() - kPackageTrailerSize)) || s.time > 0xFFFF || s.pattern > 0xFFFF)
      __builtin_trap();

  const QByteArray again = Rewritten(p);
  const Result<ShowPackage> reread = ReadShowPackage(again);
  if (!reread || reread->slides.size() != p.slides.size() || reread->show.endText != p.show.endText ||
      reread->show.menuMode != p.show.menuMode || reread->show.repeatOnce != p.show.repeatOnce ||
      reread->show.noEnlarge != p.show.noEnlarge || reread->show.autoSwitch != p.show.autoSwitch)
    __builtin_trap();
  for (std::size_t i = 0; i < p.slides.size(); ++i)
    if (reread->slides[i].jpeg != p.slides[i].jpeg || reread->slides[i].time != p.slides[i].time ||
        reread->slides[i].pattern != p.slides[i].pattern)
      __builtin_trap();
  return 0;
}
