// The zoom console of the editing view: a 130 x 130 dial with the zoom in
// percent written in seven-segment digits, and the ring shown while it turns.
#pragma once

#include <QImage>
#include <QPoint>
#include <vector>

#include "geometry/ConsoleCentre.h"  // kConsoleSize

namespace gdi {
class Dc;
}

inline constexpr int kDigitWidth = 32;
inline constexpr int kDigitHeight = 50;
inline constexpr int kDigitStep = 34;
inline constexpr int kDigitTop = 40;

// The dial: a green disc, a blue plus at the top, a red minus at the bottom,
// on the transparency key.
QImage MakeConsoleDial();
// "0123456789:" as red seven-segment digits on teal 0x808000, 32 x 50 each.
QImage MakeDigitStrip();

// Left edges of the digits of `percent`: 49 for one digit, 31 for two, 15 for
// three, then 34 apart.
std::vector<int> DigitPositions(int percent);

// The console as shown for `zoom`: the dial with trunc(zoom x 100) on it.
QImage BuildConsoleImage(const QImage& dial, const QImage& digits, float zoom);

// The ring of 68 dots around the console centre while the console turns.
void DrawConsoleRing(gdi::Dc& dc, QPoint centre);
