#include "show/Transitions.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

bool SameShape(const QImage& a, const QImage& b) {
  return !a.isNull() && a.size() == b.size() && a.format() == b.format() &&
         TransitionFormatSupported(a);
}

int BytesPerPixel(const QImage& image) { return image.depth() / 8; }

// Subtracts `d` from the three low bytes of each pixel, stopping at 0,
// four bytes at a time (borrow-isolated byte lanes).
inline std::uint32_t SubtractSaturated(std::uint32_t x, std::uint32_t y) {
  constexpr std::uint32_t H = 0x80808080u;
  const std::uint32_t diff = ((x | H) - (y & ~H)) ^ ((x ^ ~y) & H);
  const std::uint32_t borrow = ((~x & y) | (~(x ^ y) & diff)) & H;
  return diff & ~((borrow >> 7) * 0xFFu);
}

void DarkenInto(const QImage& src, int amount, QImage& out) {
  const int w = src.width(), h = src.height();
  if (amount >= 255) amount = 255;  // every colour byte becomes 0
  if (BytesPerPixel(src) == 4) {
    const std::uint32_t d = static_cast<std::uint32_t>(amount) * 0x010101u;
    for (int y = 0; y < h; ++y) {
      const auto* s = reinterpret_cast<const std::uint32_t*>(src.constScanLine(y));
      auto* o = reinterpret_cast<std::uint32_t*>(out.scanLine(y));
      for (int x = 0; x < w; ++x) o[x] = SubtractSaturated(s[x], d);
    }
    return;
  }
  const int n = w * 3;
  for (int y = 0; y < h; ++y) {
    const uchar* s = src.constScanLine(y);
    uchar* o = out.scanLine(y);
    for (int i = 0; i < n; ++i) o[i] = s[i] > amount ? static_cast<uchar>(s[i] - amount) : 0;
  }
}

bool Vertical(WipeFrom from) { return from == WipeFrom::Top || from == WipeFrom::Bottom; }

}  // namespace

bool TransitionFormatSupported(const QImage& image) {
  return !image.isNull() && (image.depth() == 32 || image.depth() == 24);
}

bool FadeOutFrame(const QImage& previous, int frame, QImage& out) {
  if (!SameShape(previous, out) || frame < 0 || frame >= kFadeFrames) return false;
  DarkenInto(previous, 8 * (frame + 1), out);
  return true;
}

bool FadeInFrame(const QImage& next, int frame, QImage& out) {
  if (!SameShape(next, out) || frame < 0 || frame >= kFadeFrames) return false;
  DarkenInto(next, 8 * (kFadeFrames - 1 - frame), out);
  return true;
}

bool CrossFadeFrame(const QImage& previous, const QImage& next, int frame, QImage& out) {
  if (!SameShape(previous, next) || !SameShape(next, out) || frame < 0 ||
      frame >= kCrossFadeFrames)
    return false;
  const int w = next.width(), h = next.height(), bpp = BytesPerPixel(next);
  const bool allNew = frame == 0 || frame == kCrossFadeFrames - 1;
  // The pixel counter runs on across rows, so the pattern shifts from row to
  // row; a row reads the old-pixel mask from its counter's phase on.
  std::vector<std::uint32_t> mask;
  if (!allNew && bpp == 4) {
    mask.resize(static_cast<size_t>(w) + 32);
    for (size_t i = 0; i < mask.size(); ++i) mask[i] = static_cast<int>(i % 32) > frame ? ~0u : 0u;
  }
  std::uint32_t p = 0;
  for (int y = 0; y < h; ++y) {
    const uchar* a = previous.constScanLine(y);
    const uchar* b = next.constScanLine(y);
    uchar* o = out.scanLine(y);
    if (allNew) {
      std::memcpy(o, b, static_cast<size_t>(w) * bpp);
      continue;
    }
    if (bpp == 4) {
      const auto* a4 = reinterpret_cast<const std::uint32_t*>(a);
      const auto* b4 = reinterpret_cast<const std::uint32_t*>(b);
      auto* o4 = reinterpret_cast<std::uint32_t*>(o);
      const std::uint32_t* m = mask.data() + p % 32u;
      for (int x = 0; x < w; ++x) o4[x] = (a4[x] & m[x]) | (b4[x] & ~m[x]);
    } else {
      for (int x = 0; x < w; ++x) {
        const uchar* s = ((p + static_cast<std::uint32_t>(x)) % 32u) >
                                 static_cast<std::uint32_t>(frame) ? a : b;
        std::memcpy(o + 3 * x, s + 3 * x, 3);
      }
    }
    p += static_cast<std::uint32_t>(w);
  }
  return true;
}

bool CopyWipeLines(const QImage& next, WipeFrom from, int first, int end, QImage& out) {
  if (!SameShape(next, out)) return false;
  const int w = next.width(), h = next.height(), bpp = BytesPerPixel(next);
  const int n = Vertical(from) ? h : w;
  first = std::clamp(first, 0, n);
  end = std::clamp(end, first, n);
  if (first == end) return true;
  if (Vertical(from)) {
    for (int i = first; i < end; ++i) {
      const int y = from == WipeFrom::Top ? i : h - 1 - i;
      std::memcpy(out.scanLine(y), next.constScanLine(y), static_cast<size_t>(w) * bpp);
    }
    return true;
  }
  // Columns [first, end) from the left edge, or mirrored from the right.
  const int x0 = from == WipeFrom::Left ? first : w - end;
  const size_t bytes = static_cast<size_t>(end - first) * bpp;
  for (int y = 0; y < h; ++y)
    std::memcpy(out.scanLine(y) + x0 * bpp, next.constScanLine(y) + x0 * bpp, bytes);
  return true;
}

bool WipeFrame(const QImage& previous, const QImage& next, WipeFrom from, int lines, QImage& out) {
  if (!SameShape(previous, next) || !SameShape(next, out)) return false;
  const int w = next.width(), h = next.height(), bpp = BytesPerPixel(next);
  for (int y = 0; y < h; ++y)
    std::memcpy(out.scanLine(y), previous.constScanLine(y), static_cast<size_t>(w) * bpp);
  return CopyWipeLines(next, from, 0, lines, out);
}

std::vector<int> WipeSteps(WipeFrom from, QSize size) {
  const int n = Vertical(from) ? size.height() : size.width();
  const int every = Vertical(from) ? 8 : 10;
  std::vector<int> steps;
  for (int i = 0; i < n; ++i)
    if (i % every == 0 || i == n - 1) steps.push_back(i + 1);
  return steps;
}

namespace {

// Averages one band of rows [y0, y0 + bh) in blocks of `f` columns.
void AverageBand(const QImage& next, int y0, int bh, int f, int bpp, QImage& out,
                 std::vector<std::uint32_t>& sums) {
  const int w = next.width();
  const int blocks = (w + f - 1) / f;
  sums.assign(static_cast<size_t>(blocks) * 3, 0);
  for (int y = y0; y < y0 + bh; ++y) {
    const uchar* s = next.constScanLine(y);
    for (int b = 0, x = 0; b < blocks; ++b) {
      std::uint32_t c0 = 0, c1 = 0, c2 = 0;
      for (const int xe = std::min(x + f, w); x < xe; ++x, s += bpp) {
        c0 += s[0];
        c1 += s[1];
        c2 += s[2];
      }
      sums[3 * b] += c0;
      sums[3 * b + 1] += c1;
      sums[3 * b + 2] += c2;
    }
  }
  for (int b = 0; b < blocks; ++b) {
    const std::uint32_t count = static_cast<std::uint32_t>(std::min(f, w - b * f) * bh);
    for (int c = 0; c < 3; ++c) sums[3 * b + c] /= count;
  }
  for (int y = y0; y < y0 + bh; ++y) {
    const uchar* s = next.constScanLine(y);
    uchar* o = out.scanLine(y);
    for (int b = 0, x = 0; b < blocks; ++b) {
      const uchar v0 = static_cast<uchar>(sums[3 * b]);
      const uchar v1 = static_cast<uchar>(sums[3 * b + 1]);
      const uchar v2 = static_cast<uchar>(sums[3 * b + 2]);
      for (const int xe = std::min(x + f, w); x < xe; ++x) {
        uchar* p = o + x * bpp;
        p[0] = v0;
        p[1] = v1;
        p[2] = v2;
        if (bpp == 4) p[3] = s[x * bpp + 3];
      }
    }
  }
}

// Sums of at most 256 bytes divided by their count, by a multiplication:
// with 40 fraction bits the quotient is exact for every sum below 2^16.
inline std::uint64_t Reciprocal(std::uint32_t n) { return (std::uint64_t{1} << 40) / n + 1; }
inline std::uint32_t Divide(std::uint32_t sum, std::uint64_t reciprocal) {
  return static_cast<std::uint32_t>((sum * reciprocal) >> 40);
}

// The same for 32-bit pixels in three passes that the compiler can
// vectorise: column sums, block averages into one row, that row written out.
void AverageBand32(const QImage& next, int y0, int bh, int f, QImage& out,
                   std::vector<std::uint32_t>& columns, std::vector<std::uint32_t>& averaged) {
  const int w = next.width();
  columns.assign(static_cast<size_t>(w) * 3, 0);
  std::uint32_t* c0 = columns.data();
  std::uint32_t* c1 = c0 + w;
  std::uint32_t* c2 = c1 + w;
  for (int y = y0; y < y0 + bh; ++y) {
    const auto* s = reinterpret_cast<const std::uint32_t*>(next.constScanLine(y));
    for (int x = 0; x < w; ++x) {
      c0[x] += s[x] & 0xFFu;
      c1[x] += (s[x] >> 8) & 0xFFu;
      c2[x] += (s[x] >> 16) & 0xFFu;
    }
  }
  averaged.resize(static_cast<size_t>(w));
  for (int x0 = 0; x0 < w; x0 += f) {
    const int x1 = std::min(x0 + f, w);
    std::uint32_t s0 = 0, s1 = 0, s2 = 0;
    for (int x = x0; x < x1; ++x) {
      s0 += c0[x];
      s1 += c1[x];
      s2 += c2[x];
    }
    const std::uint64_t r = Reciprocal(static_cast<std::uint32_t>((x1 - x0) * bh));
    const std::uint32_t v = Divide(s0, r) | (Divide(s1, r) << 8) | (Divide(s2, r) << 16);
    std::fill(averaged.begin() + x0, averaged.begin() + x1, v);
  }
  for (int y = y0; y < y0 + bh; ++y) {
    const auto* s = reinterpret_cast<const std::uint32_t*>(next.constScanLine(y));
    auto* o = reinterpret_cast<std::uint32_t*>(out.scanLine(y));
    for (int x = 0; x < w; ++x) o[x] = averaged[static_cast<size_t>(x)] | (s[x] & 0xFF000000u);
  }
}

}  // namespace

bool InterlaceFrame(const QImage& next, int frame, QImage& out) {
  if (!SameShape(next, out) || frame < 0 || frame >= kInterlaceFrames) return false;
  const int f = kInterlaceFrames - frame;
  const int h = next.height(), bpp = BytesPerPixel(next);
  if (f == 1) {  // one-pixel blocks are the slide itself
    for (int y = 0; y < h; ++y)
      std::memcpy(out.scanLine(y), next.constScanLine(y), static_cast<size_t>(next.width()) * bpp);
    return true;
  }
  std::vector<std::uint32_t> sums, averaged;
  for (int y0 = 0; y0 < h; y0 += f) {
    if (bpp == 4)
      AverageBand32(next, y0, std::min(f, h - y0), f, out, sums, averaged);
    else
      AverageBand(next, y0, std::min(f, h - y0), f, bpp, out, sums);
  }
  return true;
}
