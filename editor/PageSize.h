// The slide-size dialog's arithmetic: the four presets, millimetres and
// pixels at the screen's resolution, and whether a size would cut objects off.
#pragma once

#include <QSize>

#include "core/Document.h"

namespace pagesize {
inline constexpr int Monitor = 1;
inline constexpr int A4Portrait = 2;
inline constexpr int A4Landscape = 3;
inline constexpr int Free = 4;
inline constexpr int kMinMm = 50;
inline constexpr int kMaxMm = 800;
}  // namespace pagesize

struct PageSizeChoice {
  int preset = pagesize::A4Landscape;
  QSize pixels;  // slide units
  friend bool operator==(const PageSizeChoice&, const PageSizeChoice&) = default;
};

// trunc(dpi × mm / 25.4) and trunc(px × 25.4 / dpi).
int MmToPixels(int mm, int dpi);
int PixelsToMm(int px, int dpi);
// A typed millimetre value brought into 50..800; nothing readable gives 50.
int ClampMm(int mm);
// A millimetre field's text ("1,046" too) as a number, or -1.
int ParseMm(const QString& text);

// The size of `preset`: the screen; A4 as its printable 190 × 277 mm
// (portrait) or 277 × 190 mm (landscape); for free, `current`.
QSize PresetPixels(int preset, ScreenDpi dpi, QSize screen, QSize current);

// Whether an object of any slide would reach beyond a slide of `size`.
bool ObjectsOutside(const Document& doc, QSize size);

// Puts the preset and size into the header; false when they are already there.
bool ApplyPageSize(Document& doc, const PageSizeChoice& choice);
