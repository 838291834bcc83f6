#include "export/ColorQuantizer.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kMaxColors = 256;

struct Weighted {
  QRgb colour;  // 0x00RRGGBB
  std::uint32_t count;
};

int Channel(QRgb c, int channel) { return c >> (16 - 8 * channel) & 0xFF; }

// Every distinct colour with the number of pixels that have it, in colour order.
std::vector<Weighted> Histogram(const QImage& rgb) {
  std::vector<QRgb> all;
  all.reserve(static_cast<std::size_t>(rgb.width()) * rgb.height());
  for (int y = 0; y < rgb.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) all.push_back(line[x] & 0xFFFFFF);
  }
  std::sort(all.begin(), all.end());
  std::vector<Weighted> colours;
  for (QRgb c : all) {
    if (!colours.empty() && colours.back().colour == c) ++colours.back().count;
    else colours.push_back({c, 1});
  }
  return colours;
}

// A run of the colour list that becomes one palette entry.
struct Box {
  std::size_t begin, end;
  int channel = 0;  // the widest channel
  int range = 0;    // its extent
};

Box Measure(const std::vector<Weighted>& colours, std::size_t begin, std::size_t end) {
  std::array<int, 3> lo{255, 255, 255}, hi{0, 0, 0};
  for (std::size_t i = begin; i < end; ++i)
    for (int ch = 0; ch < 3; ++ch) {
      lo[ch] = std::min(lo[ch], Channel(colours[i].colour, ch));
      hi[ch] = std::max(hi[ch], Channel(colours[i].colour, ch));
    }
  Box box{begin, end};
  for (int ch = 0; ch < 3; ++ch)
    if (hi[ch] - lo[ch] > box.range) box = {begin, end, ch, hi[ch] - lo[ch]};
  return box;
}

// Splits the widest box at the pixel-weighted median of its widest channel
// until there are `budget` boxes or no box has two colours left.
std::vector<Box> MedianCut(std::vector<Weighted>& colours, std::size_t end, int budget) {
  std::vector<Box> boxes{Measure(colours, 0, end)};
  while (static_cast<int>(boxes.size()) < budget) {
    const auto widest = std::max_element(boxes.begin(), boxes.end(),
                                         [](const Box& a, const Box& b) { return a.range < b.range; });
    if (widest->range == 0) break;
    const Box box = *widest;
    const auto first = colours.begin() + static_cast<std::ptrdiff_t>(box.begin);
    const auto last = colours.begin() + static_cast<std::ptrdiff_t>(box.end);
    std::sort(first, last, [ch = box.channel](const Weighted& a, const Weighted& b) {
      return Channel(a.colour, ch) != Channel(b.colour, ch) ? Channel(a.colour, ch) < Channel(b.colour, ch)
                                                            : a.colour < b.colour;
    });
    std::uint64_t total = 0, half = 0;
    for (auto it = first; it != last; ++it) total += it->count;
    std::size_t cut = box.begin + 1;
    for (std::size_t i = box.begin; i + 1 < box.end; ++i) {
      half += colours[i].count;
      cut = i + 1;
      if (2 * half >= total) break;
    }
    *widest = Measure(colours, box.begin, cut);
    boxes.push_back(Measure(colours, cut, box.end));
  }
  return boxes;
}

QRgb Mean(const std::vector<Weighted>& colours, const Box& box) {
  std::array<std::uint64_t, 3> sum{};
  std::uint64_t n = 0;
  for (std::size_t i = box.begin; i < box.end; ++i) {
    for (int ch = 0; ch < 3; ++ch) sum[ch] += static_cast<std::uint64_t>(Channel(colours[i].colour, ch)) * colours[i].count;
    n += colours[i].count;
  }
  return qRgb(static_cast<int>((sum[0] + n / 2) / n), static_cast<int>((sum[1] + n / 2) / n),
              static_cast<int>((sum[2] + n / 2) / n));
}

}  // namespace

IndexedImage QuantizeColors(const QImage& image, std::optional<QRgb> keep) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  IndexedImage out{rgb.width(), rgb.height(), {}, {}};
  std::vector<Weighted> colours = Histogram(rgb);
  // lookup: each distinct colour with its palette index, in colour order
  std::vector<std::pair<QRgb, std::uint8_t>> lookup;
  if (colours.size() <= kMaxColors) {
    for (const Weighted& w : colours) {
      lookup.push_back({w.colour, static_cast<std::uint8_t>(out.palette.size())});
      out.palette.push_back(0xFF000000u | w.colour);
    }
  } else {
    std::size_t end = colours.size();
    const QRgb kept = keep ? *keep & 0xFFFFFF : 0;
    const auto held = keep ? std::find_if(colours.begin(), colours.end(),
                                          [kept](const Weighted& w) { return w.colour == kept; })
                           : colours.end();
    if (held != colours.end()) {  // set it aside at the end, outside every box
      std::iter_swap(held, colours.end() - 1);
      --end;
    }
    const std::vector<Box> boxes = MedianCut(colours, end, end == colours.size() ? kMaxColors : kMaxColors - 1);
    for (const Box& box : boxes) {
      for (std::size_t i = box.begin; i < box.end; ++i)
        lookup.push_back({colours[i].colour, static_cast<std::uint8_t>(out.palette.size())});
      out.palette.push_back(0xFF000000u | Mean(colours, box));
    }
    if (end < colours.size()) {
      lookup.push_back({kept, static_cast<std::uint8_t>(out.palette.size())});
      out.palette.push_back(0xFF000000u | kept);
    }
    std::sort(lookup.begin(), lookup.end());
  }
  out.pixels.reserve(static_cast<std::size_t>(out.width) * out.height);
  for (int y = 0; y < rgb.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) {
      const QRgb c = line[x] & 0xFFFFFF;
      const auto it = std::lower_bound(lookup.begin(), lookup.end(), std::pair<QRgb, std::uint8_t>{c, 0});
      out.pixels.push_back(it->second);
    }
  }
  return out;
}
