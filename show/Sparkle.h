// The sparkle round the pointer's tip while the right button is held:
// five-pixel pluses scattered thickest in the middle, each in yellow or
// blue, whichever stands out from the pixel under it.
#pragma once

#include <QImage>
#include <QPoint>
#include <cstdint>

inline constexpr int kSparkleTries = 600;

// The classic library generator: the same seed gives the same sparkle.
class SparkleRandom {
 public:
  explicit SparkleRandom(std::uint32_t seed) : state_(seed) {}
  int Next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFF);
  }

 private:
  std::uint32_t state_;
};

// Draws the sparkle for the cursor at `cursor` onto `screen` (clipped to it).
void DrawSparkle(QImage& screen, QPoint cursor, std::uint32_t seed);
