#include "export/JpegProbe.h"

namespace {

int Byte(QByteArrayView b, qsizetype at) { return static_cast<unsigned char>(b[at]); }
int Word(QByteArrayView b, qsizetype at) { return Byte(b, at) << 8 | Byte(b, at + 1); }

}  // namespace

std::optional<JpegFrame> ProbeJpeg(QByteArrayView bytes) {
  if (bytes.size() < 2 || Byte(bytes, 0) != 0xFF || Byte(bytes, 1) != 0xD8) return std::nullopt;
  qsizetype at = 2;
  // Each step reads a marker (2 bytes) and its length (2 bytes, counting itself).
  while (at + 4 <= bytes.size()) {
    if (Byte(bytes, at) != 0xFF) return std::nullopt;
    const int marker = Byte(bytes, at + 1);
    if (marker == 0xFF || marker == 0xD9) return std::nullopt;
    const int length = Word(bytes, at + 2);
    if (length < 2 || at + 2 + length > bytes.size()) return std::nullopt;
    if (marker == 0xC0 || marker == 0xC2) {
      // length, precision (1), height (2), width (2), components (1)
      if (length < 8) return std::nullopt;
      const JpegFrame frame{Word(bytes, at + 7), Word(bytes, at + 5), Byte(bytes, at + 9)};
      if (frame.width == 0 || frame.height == 0) return std::nullopt;
      if (frame.components != 3 && frame.components != 4) return std::nullopt;
      return frame;
    }
    at += 2 + length;
  }
  return std::nullopt;
}
