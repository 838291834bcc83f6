// Transition frames on raw pixels: pure functions from the previous image,
// the new slide and a frame number to the frame written into `out`.
// All images have the same size and the same 24- or 32-bit format; only
// the first three bytes of a pixel are colour, a fourth is left as it is.
// Each function returns false, leaving `out` alone, for any other input.
#pragma once

#include <QImage>
#include <QSize>
#include <vector>

inline constexpr int kFadeFrames = 32;
inline constexpr int kCrossFadeFrames = 32;
inline constexpr int kInterlaceFrames = 16;  // block sizes 16 down to 1
inline constexpr int kInterlaceWaitMs = 30;

// True when the transitions can work on `image` (24 or 32 bits per pixel).
bool TransitionFormatSupported(const QImage& image);

// Frame k = 0..31: every colour byte b of `previous` as max(0, b - 8 (k + 1)).
bool FadeOutFrame(const QImage& previous, int frame, QImage& out);

// Frame k = 0..31: every colour byte c of `next` as max(0, c - 8 (31 - k)).
bool FadeInFrame(const QImage& next, int frame, QImage& out);

// Frame w = 0..31: pixel p (row order) from `previous` when (p mod 32) > w,
// else from `next`; frames 0 and 31 are all `next`.
bool CrossFadeFrame(const QImage& previous, const QImage& next, int frame, QImage& out);

enum class WipeFrom { Top, Bottom, Left, Right };

// `previous` with the first `lines` rows (or columns) from the wipe's edge taken from `next`.
bool WipeFrame(const QImage& previous, const QImage& next, WipeFrom from, int lines, QImage& out);
// Copies rows (or columns) [first, end) counted from the wipe's edge from `next` into `out`.
bool CopyWipeLines(const QImage& next, WipeFrom from, int first, int end, QImage& out);
// The uncovered line counts at which the screen is updated: after every line
// whose number is a multiple of 8 (rows) or 10 (columns), and after the last.
std::vector<int> WipeSteps(WipeFrom from, QSize size);

// Frame f = 0..15: `next` as a mosaic of (16 - f)-pixel blocks from the
// top-left corner, each the average of the pixels it covers.
bool InterlaceFrame(const QImage& next, int frame, QImage& out);
