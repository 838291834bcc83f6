#include "show/package/PackageReader.h"

#include "show/package/PlayerMessageIds.h"

namespace {

// The bytes not yet read, between a position and the trailer.
class Cursor {
 public:
  Cursor(QByteArrayView bytes, qsizetype pos) : bytes_(bytes), pos_(pos) {}
  bool Has(qint64 n) const { return n >= 0 && n <= bytes_.size() - pos_; }
  std::uint32_t Word() {
    const std::uint32_t value = ReadBigEndian(bytes_.data() + pos_);
    pos_ += 4;
    return value;
  }
  QByteArrayView Take(qsizetype n) {
    const QByteArrayView part = bytes_.sliced(pos_, n);
    pos_ += n;
    return part;
  }

 private:
  QByteArrayView bytes_;
  qsizetype pos_;
};

Failure ShortRead() { return Failure(playermsg::NoMemory); }

}  // namespace

Result<ShowPackage> ReadShowPackage(QByteArrayView package) {
  const std::optional<std::uint32_t> playerLength = TrailerPlayerLength(package);
  if (!playerLength) return Failure(playermsg::RunAlone);
  const QByteArrayView data = package.first(package.size() - kPackageTrailerSize);
  if (*playerLength > static_cast<std::uint64_t>(data.size())) return ShortRead();
  Cursor in(data, static_cast<qsizetype>(*playerLength));
  if (!in.Has(kShowDataHeadSize)) return ShortRead();
  ShowPackage result;
  PackageShow& show = result.show;
  show.slideCount = in.Word();
  show.menuMode = in.Word();
  show.repeatOnce = in.Word();
  show.noEnlarge = in.Take(1) == "1";
  show.autoSwitch = in.Take(1) == "1";
  show.endText = in.Take(kEndTextSize).toByteArray();
  if (show.slideCount > kMaxPackageSlides) return ShortRead();
  result.slides.reserve(show.slideCount);
  for (std::uint32_t i = 0; i < show.slideCount; ++i) {
    if (!in.Has(kSlideRecordHeadSize)) return ShortRead();
    PackageSlide slide;
    slide.time = static_cast<int>(in.Word() & 0xFFFF);
    slide.pattern = static_cast<int>(in.Word() & 0xFFFF);
    const std::uint32_t length = in.Word();
    if (!in.Has(length)) return ShortRead();
    slide.jpeg = in.Take(static_cast<qsizetype>(length));
    result.slides.push_back(slide);
  }
  return result;
}
