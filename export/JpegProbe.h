// The size and colour model of a JPEG file, read from its frame header.
#pragma once

#include <QByteArrayView>
#include <optional>

struct JpegFrame {
  int width = 0;
  int height = 0;
  int components = 0;  // 3 (RGB) or 4 (CMYK)
};

// Walks the markers from the start-of-image to the first baseline (FF C0) or
// progressive (FF C2) frame header. nullopt for a file that does not start with
// FF D8, reaches FF FF or FF D9 first, has a marker whose length is below 2 or
// runs past the end, an empty size, or a component count other than 3 or 4.
std::optional<JpegFrame> ProbeJpeg(QByteArrayView bytes);
