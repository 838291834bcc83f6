// Feeds arbitrary bytes to the picture-file loader under every type name, as
// a file chosen or dropped by the user would reach it: the bitmap scan, the
// PNG transparent-colour reader, decoding, alpha keying and re-encoding. A
// loaded picture has a size and saves bytes that load again at that size.
#include <QCoreApplication>
#include <QImageReader>
#include <QLoggingCategory>
#include <cstddef>
#include <cstdint>

#include "export/PictureLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static int argc = 1;
  static char name[8] = "fuzzer";
  static char* argv[2] = {name, nullptr};
  static QCoreApplication app(argc, argv);
  // Small pictures keep each run quick; the size checks are the same.
  static const bool setUp = (QLoggingCategory::setFilterRules("qt.gui.imageio*=false"),
                             QImageReader::setAllocationLimit(16), true);
  (void)setUp;
  if (size < 1) return 0;
  static const char* const kTypes[] = {"jpeg", "gif", "bmp", "png", "tiff", "jpg"};
  const QString type = QString::fromLatin1(kTypes[data[0] % std::size(kTypes)]);
  const QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
  const Result<LoadedPicture> loaded = LoadPicture(bytes, type);
  if (!loaded) return 0;
  const Picture& picture = *loaded->picture;
  if (loaded->pixels.isEmpty() || loaded->pixels != picture.PixelSize()) __builtin_trap();
  const std::shared_ptr<const Picture> again = Picture::Load(picture.Save());
  if (!again || again->PixelSize() != picture.PixelSize() || again->Encoding() != picture.Encoding())
    __builtin_trap();
  return 0;
}
