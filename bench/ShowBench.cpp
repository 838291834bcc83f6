// Transition frames at 1920 x 1080: each must stay well under a screen
// refresh so that a transition runs at the speed of the display.
#include <benchmark/benchmark.h>

#include <QImage>

#include "show/Transitions.h"

namespace {

QImage Noise(quint32 seed) {
  QImage image(1920, 1080, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* row = reinterpret_cast<quint32*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      seed = seed * 1664525u + 1013904223u;
      row[x] = 0xFF000000u | (seed >> 8);
    }
  }
  return image;
}

struct Images {
  QImage previous = Noise(1);
  QImage next = Noise(2);
  QImage out = QImage(1920, 1080, QImage::Format_RGB32);
};

Images& Shared() {
  static Images images;
  return images;
}

// Runs frames 0..frames-1 in turn.
template <typename Frame>
void RunFrames(benchmark::State& state, int frames, Frame frame) {
  int k = 0;
  for (auto _ : state) {
    frame(k);
    benchmark::DoNotOptimize(Shared().out.constBits());
    k = (k + 1) % frames;
  }
  state.counters["frames"] = frames;  // whole transition = frames x time per frame
}

void BM_FadeOutFrame(benchmark::State& state) {
  Images& im = Shared();
  RunFrames(state, kFadeFrames, [&](int k) { FadeOutFrame(im.previous, k, im.out); });
}

void BM_FadeInFrame(benchmark::State& state) {
  Images& im = Shared();
  RunFrames(state, kFadeFrames, [&](int k) { FadeInFrame(im.next, k, im.out); });
}

void BM_CrossFadeFrame(benchmark::State& state) {
  Images& im = Shared();
  RunFrames(state, kCrossFadeFrames,
            [&](int k) { CrossFadeFrame(im.previous, im.next, k, im.out); });
}

// A whole wipe frame (previous image plus the uncovered lines), at every
// step where the screen is updated.
void BM_WipeFrame(benchmark::State& state) {
  Images& im = Shared();
  const auto from = static_cast<WipeFrom>(state.range(0));
  const std::vector<int> steps = WipeSteps(from, im.next.size());
  RunFrames(state, static_cast<int>(steps.size()), [&](int k) {
    WipeFrame(im.previous, im.next, from, steps[static_cast<size_t>(k)], im.out);
  });
}

// The player copies only the newly uncovered lines between two updates.
void BM_WipeStep(benchmark::State& state) {
  Images& im = Shared();
  const auto from = static_cast<WipeFrom>(state.range(0));
  const std::vector<int> steps = WipeSteps(from, im.next.size());
  RunFrames(state, static_cast<int>(steps.size()), [&](int k) {
    const int first = k == 0 ? 0 : steps[static_cast<size_t>(k - 1)];
    CopyWipeLines(im.next, from, first, steps[static_cast<size_t>(k)], im.out);
  });
}

void BM_InterlaceFrame(benchmark::State& state) {
  Images& im = Shared();
  RunFrames(state, kInterlaceFrames, [&](int k) { InterlaceFrame(im.next, k, im.out); });
}

// One block size on its own: 16 - frame.
void BM_InterlaceBlock(benchmark::State& state) {
  Images& im = Shared();
  const int frame = static_cast<int>(state.range(0));
  for (auto _ : state) {
    InterlaceFrame(im.next, frame, im.out);
    benchmark::DoNotOptimize(im.out.constBits());
  }
}

}  // namespace

BENCHMARK(BM_FadeOutFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FadeInFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CrossFadeFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WipeFrame)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WipeStep)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InterlaceFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InterlaceBlock)->Arg(0)->Arg(8)->Arg(13)->Arg(14)->Arg(15)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
