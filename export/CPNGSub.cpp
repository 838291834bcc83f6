#include "export/CPNGSub.h"

#include <QByteArray>
#include <optional>

#include "base/MessageIds.h"
#include "render/gdi/Color.h"

namespace {

constexpr char kSignature[] = "\x89PNG\r\n\x1a\n";
constexpr qsizetype kSignatureSize = 8;

std::uint32_t BigEndian32(QByteArrayView b, qsizetype at) {
  std::uint32_t v = 0;
  for (int k = 0; k < 4; ++k) v = v << 8 | static_cast<unsigned char>(b[at + k]);
  return v;
}

int At(QByteArrayView b, qsizetype i) { return static_cast<unsigned char>(b[i]); }

Failure PngFailure(const char* reason) {
  return Failure(msg::PngInfoFailed, QString::fromUtf8(reason) + '\n');
}

// The chunks that decide the transparent colour; each is empty when absent.
struct Chunks {
  std::optional<int> colourType;
  QByteArrayView palette, transparency, background;
};

// Walks chunk by chunk (length, name, data, CRC) up to the image data.
std::optional<Chunks> ReadChunks(QByteArrayView png) {
  Chunks chunks;
  qsizetype at = kSignatureSize;
  while (at + 8 <= png.size()) {
    const std::uint32_t length = BigEndian32(png, at);
    const QByteArrayView name = png.sliced(at + 4, 4);
    if (name == "IDAT" || name == "IEND") return chunks;
    if (length > static_cast<std::uint32_t>(png.size() - at - 8)) return std::nullopt;
    const QByteArrayView data = png.sliced(at + 8, length);
    if (name == "IHDR" && !chunks.colourType && length >= 13) chunks.colourType = At(data, 9);
    else if (name == "PLTE") chunks.palette = data;
    else if (name == "tRNS") chunks.transparency = data;
    else if (name == "bKGD") chunks.background = data;
    at += 8 + static_cast<qsizetype>(length) + 4;
  }
  // The file ends before its image data.
  return at == png.size() ? std::optional<Chunks>(chunks) : std::nullopt;
}

COLORREF Background(const Chunks& c) {
  if (*c.colourType == 4 && c.background.size() >= 2) {
    const int grey = At(c.background, 1);
    return gdi::Rgb(grey, grey, grey);
  }
  if (*c.colourType == 6 && c.background.size() >= 6)
    return gdi::Rgb(At(c.background, 1), At(c.background, 3), At(c.background, 5));
  return 0xFFFFFF;
}

COLORREF FirstSeeThroughEntry(const Chunks& c) {
  for (qsizetype i = 0; i < c.transparency.size(); ++i) {
    if (At(c.transparency, i) == 255) continue;
    if (3 * i + 2 >= c.palette.size()) return kNoColor;  // an entry the palette lacks
    return gdi::Rgb(At(c.palette, 3 * i), At(c.palette, 3 * i + 1), At(c.palette, 3 * i + 2));
  }
  return kNoColor;
}

}  // namespace

Result<COLORREF> CPNGSub::GetTransColor(QByteArrayView png) {
  if (!png.startsWith(QByteArrayView(kSignature, kSignatureSize)))
    return PngFailure("PNGファイル識別エラー");
  const std::optional<Chunks> chunks = ReadChunks(png);
  if (!chunks) return PngFailure("データ読込みエラー");
  if (!chunks->colourType) return PngFailure("カラータイプ識別エラー");
  switch (*chunks->colourType) {
    case 4:
    case 6: return Background(*chunks);
    case 3: return FirstSeeThroughEntry(*chunks);
    default: return kNoColor;
  }
}
