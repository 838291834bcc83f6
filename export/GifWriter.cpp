#include "export/GifWriter.h"

#include <gif_lib.h>

#include <memory>

#include "export/ColorQuantizer.h"

namespace {

int OnWrite(GifFileType* gif, const GifByteType* data, int size) {
  static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), size);
  return size;
}

struct GifCloser {
  void operator()(GifFileType* gif) const { EGifCloseFile(gif, nullptr); }
};

struct MapFreer {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

std::unique_ptr<ColorMapObject, MapFreer> ColourMap(const IndexedImage& image) {
  int size = 2;
  while (size < static_cast<int>(image.palette.size())) size *= 2;
  std::unique_ptr<ColorMapObject, MapFreer> map(GifMakeMapObject(size, nullptr));
  if (!map) return nullptr;
  for (int i = 0; i < size; ++i) {
    const QRgb c = i < static_cast<int>(image.palette.size()) ? image.palette[i] : 0;
    map->Colors[i] = {static_cast<GifByteType>(qRed(c)), static_cast<GifByteType>(qGreen(c)),
                      static_cast<GifByteType>(qBlue(c))};
  }
  return map;
}

}  // namespace

std::optional<QByteArray> WriteGif(const IndexedImage& image) {
  if (image.width <= 0 || image.height <= 0 || image.width > 0xFFFF || image.height > 0xFFFF ||
      image.palette.empty() || image.palette.size() > 256)
    return std::nullopt;
  QByteArray bytes;
  int error = 0;
  std::unique_ptr<GifFileType, GifCloser> gif(EGifOpen(&bytes, OnWrite, &error));
  const auto map = ColourMap(image);
  if (!gif || !map) return std::nullopt;
  EGifSetGifVersion(gif.get(), true);
  // No transparency, no delay, no disposal: a block for the patch to fill in.
  const GifByteType control[4] = {0, 0, 0, 0};
  if (EGifPutScreenDesc(gif.get(), image.width, image.height, map->BitsPerPixel, 0, map.get()) != GIF_OK ||
      EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, sizeof control, control) != GIF_OK ||
      EGifPutImageDesc(gif.get(), 0, 0, image.width, image.height, false, nullptr) != GIF_OK)
    return std::nullopt;
  std::vector<GifPixelType> row(static_cast<std::size_t>(image.width));
  for (int y = 0; y < image.height; ++y) {
    const std::uint8_t* src = image.pixels.data() + static_cast<std::size_t>(y) * image.width;
    std::copy(src, src + image.width, row.begin());
    if (EGifPutLine(gif.get(), row.data(), image.width) != GIF_OK) return std::nullopt;
  }
  const int closed = EGifCloseFile(gif.release(), &error);
  if (closed != GIF_OK) return std::nullopt;
  return bytes;
}
