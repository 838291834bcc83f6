// The palette of at most 256 colours that the GIF writer stores an image with.
#pragma once

#include <QImage>
#include <QRgb>
#include <cstdint>
#include <optional>
#include <vector>

struct IndexedImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // palette indexes, row by row
  std::vector<QRgb> palette;         // 1 to 256 opaque colours
};

// An image of at most 256 distinct colours keeps every colour exactly; a richer
// one is reduced by median cut, and `keep`, when the image holds it, keeps an
// entry of its own (a transparent colour must survive exactly). Alpha is ignored.
IndexedImage QuantizeColors(const QImage& image, std::optional<QRgb> keep = std::nullopt);
