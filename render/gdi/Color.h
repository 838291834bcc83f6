// Colours as the program stores them (COLORREF 0x00BBGGRR, -1 = no colour) and
// as a 32-bit surface holds them (QRgb 0xAARRGGBB).
#pragma once

#include <QColor>
#include <QRgb>
#include <cstdint>

#include "base/Color.h"

namespace gdi {

// Buffers are copied onto the slide with this colour left out.
inline constexpr COLORREF kTransparentKey = 0xFFF7FF;

// The pixel that holds no colour. Every real colour is written with the alpha byte 0xFF,
// so this value (the key's RGB with alpha 0) equals none of them: Dc::GetPixel reads it
// as kNoColor, FloodFill and ExtFloodFill match it with kNoColor, TransparentBlt never
// copies it, BitBlt and StretchBlt carry it over unchanged. Qt calls that force the
// alpha byte (QImage::pixel, setPixel, fill, convertToFormat) see the transparency key
// in its place, never black. Only Dc::MarkNoColor, RotateImage's background and the
// kNoColorInk below write it; pens, brushes and fills of kNoColor draw nothing.
inline constexpr QRgb kNoColorPixel = 0x00FFF7FFu;

// A pen or brush colour that paints the no-colour pixel: how figure buffers draw with a
// colour of -1 where the drawing must still leave a mark (an exterior, a seam).
inline constexpr COLORREF kNoColorInk = -2;

constexpr int RedOf(COLORREF c) { return c & 0xFF; }
constexpr int GreenOf(COLORREF c) { return c >> 8 & 0xFF; }
constexpr int BlueOf(COLORREF c) { return c >> 16 & 0xFF; }
constexpr COLORREF Rgb(int r, int g, int b) { return (r & 0xFF) | (g & 0xFF) << 8 | (b & 0xFF) << 16; }

constexpr QRgb ToQRgb(COLORREF c) {
  if (c == kNoColor || c == kNoColorInk) return kNoColorPixel;
  return 0xFF000000u | static_cast<QRgb>(RedOf(c) << 16 | GreenOf(c) << 8 | BlueOf(c));
}

// The alpha byte is ignored, except that the no-colour pixel reads as kNoColor.
constexpr COLORREF FromQRgb(QRgb p) {
  if (p == kNoColorPixel) return kNoColor;
  return Rgb(static_cast<int>(p >> 16 & 0xFF), static_cast<int>(p >> 8 & 0xFF), static_cast<int>(p & 0xFF));
}

// For QPainter; no colour becomes fully transparent, so it draws nothing.
inline QColor ToQColor(COLORREF c) {
  return c == kNoColor || c == kNoColorInk ? QColor(Qt::transparent) : QColor::fromRgb(ToQRgb(c));
}

// A surface pixel as the fills and copies compare and write it: alpha forced to 0xFF,
// except for the no-colour pixel.
constexpr QRgb Opaque(QRgb p) { return p == kNoColorPixel ? p : (p | 0xFF000000u); }

}  // namespace gdi
