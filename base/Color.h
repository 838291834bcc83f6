// Colours as the program stores them: a 32-bit COLORREF 0x00BBGGRR; -1 means
// none (no fill, no line, no background, no transparent colour).
#pragma once

#include <cstdint>

using COLORREF = std::int32_t;
inline constexpr COLORREF kNoColor = -1;
