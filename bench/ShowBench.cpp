// Transition frames at 1920 x 1080: each must stay well under a screen
// refresh so that a transition runs at the speed of the display. And one
// move of the pointer stick, which must stay under 1 ms.
#include <benchmark/benchmark.h>

#include <QImage>

#include "show/PointerStick.h"
#include "show/ShowBitmaps.h"
#include "show/Sparkle.h"
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

// One mouse move with the stick shown: the saved pixels put back, the new
// ones saved, the stick drawn; the cursor wanders over the whole screen.
void BM_PointerMove(benchmark::State& state) {
  const std::optional<ShowBitmaps> bitmaps = LoadShowBitmaps();
  if (!bitmaps) {
    state.SkipWithError("no bitmaps");
    return;
  }
  const bool sparkle = state.range(1) != 0;
  QImage screen = Noise(3);
  PointerStick stick(bitmaps->pointers);
  for (int i = 1; i < state.range(0); ++i) stick.Grow();
  int k = 0;
  for (auto _ : state) {
    const QPoint cursor((k * 37) % 1920, (k * 23) % 1080);
    stick.Restore(screen);
    stick.Draw(screen, cursor, [&](QImage& s) {
      if (sparkle) DrawSparkle(s, cursor, static_cast<std::uint32_t>(k));
    });
    benchmark::DoNotOptimize(screen.constBits());
    ++k;
  }
}

}  // namespace

BENCHMARK(BM_PointerMove)->ArgsProduct({{1, 2, 3}, {0, 1}})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FadeOutFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FadeInFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CrossFadeFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WipeFrame)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WipeStep)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InterlaceFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InterlaceBlock)->Arg(0)->Arg(8)->Arg(13)->Arg(14)->Arg(15)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
