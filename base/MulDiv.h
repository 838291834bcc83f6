// a * b / c with a 64-bit product, rounded half away from zero; -1 when c is 0
// or the result does not fit in 32 bits (the classic Windows rule).
#pragma once

#include <cstdint>
#include <cstdlib>
#include <limits>

constexpr int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const std::int64_t num = static_cast<std::int64_t>(a) * b;
  const std::int64_t den = c;
  const std::int64_t mag = ((num < 0 ? -num : num) + (den < 0 ? -den : den) / 2) /
                           (den < 0 ? -den : den);
  const std::int64_t r = ((num < 0) != (den < 0)) ? -mag : mag;
  if (r > std::numeric_limits<int>::max() || r < std::numeric_limits<int>::min()) return -1;
  return static_cast<int>(r);
}
