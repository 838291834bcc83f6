// Feeds arbitrary bytes to the picture loader (JPEG, GIF, BMP), as image
// objects of a data file or a clip bring them. A loaded picture has a size
// and saves bytes that load again as the same picture.
#include <QCoreApplication>
#include <QLoggingCategory>
#include <cstddef>
#include <cstdint>

#include "core/picture/Picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static int argc = 1;
  static char name[8] = "fuzzer";
  static char* argv[2] = {name, nullptr};
  static QCoreApplication app(argc, argv);
  static const bool quiet = (QLoggingCategory::setFilterRules("qt.gui.imageio*=false"), true);
  (void)quiet;
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const std::shared_ptr<const Picture> picture = Picture::Load(bytes);
  if (!picture) return 0;
  if (picture->PixelSize().isEmpty() || picture->NaturalSize().width() < 0 || picture->NaturalSize().height() < 0)
    __builtin_trap();
  const std::shared_ptr<const Picture> again = Picture::Load(picture->Save());
  if (!again || again->PixelSize() != picture->PixelSize() || again->Encoding() != picture->Encoding())
    __builtin_trap();
  return 0;
}
