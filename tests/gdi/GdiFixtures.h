// Tiny surfaces for pixel tests, and a picture of an image as rows of characters so that
// every pixel is checked and a failure shows where.
#pragma once

#include <QImage>
#include <initializer_list>
#include <map>
#include <string>

#include "render/gdi/Color.h"
#include "render/gdi/Pixels.h"

namespace fixtures {

inline constexpr COLORREF kWhite = 0xFFFFFF;
inline constexpr COLORREF kBlack = 0x000000;
inline constexpr COLORREF kRed = 0x0000FF;
inline constexpr COLORREF kGreen = 0x00FF00;
inline constexpr COLORREF kBlue = 0xFF0000;

inline QImage Blank(int w, int h, COLORREF color = kWhite) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y) std::fill_n(gdi::Row(image, y), w, gdi::ToQRgb(color));
  return image;
}

// Each pixel as the legend's character for its colour; '_' for no colour, '?' for any
// colour the legend does not name.
inline std::string Picture(const QImage& image, const std::map<char, COLORREF>& legend) {
  std::string out;
  for (int y = 0; y < image.height(); ++y) {
    out += '\n';
    for (int x = 0; x < image.width(); ++x) {
      const COLORREF c = gdi::FromQRgb(gdi::Opaque(gdi::ConstRow(image, y)[x]));
      char ch = c == kNoColor ? '_' : '?';
      for (const auto& [k, v] : legend) {
        if (v == c) ch = k;
      }
      out += ch;
    }
  }
  return out;
}

inline std::string Rows(std::initializer_list<const char*> rows) {
  std::string out;
  for (const char* r : rows) (out += '\n') += r;
  return out;
}

// The usual legend: '.' white, '#' black, 'r' red, 'g' green, 'b' blue.
inline const std::map<char, COLORREF> kLegend = {
    {'.', kWhite}, {'#', kBlack}, {'r', kRed}, {'g', kGreen}, {'b', kBlue}};

}  // namespace fixtures
