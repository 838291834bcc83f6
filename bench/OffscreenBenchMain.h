// The main of a benchmark that draws: the programs' allocator tuning and a Qt
// application on the offscreen platform around Google Benchmark's run.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>
#include <functional>

#include "base/Allocator.h"

// `setUp` runs once the application exists, before the benchmarks.
inline int RunOffscreenBenchmarks(int argc, char** argv, const std::function<void(QApplication&)>& setUp = {}) {
  TuneAllocatorForDrawing();  // as the programs do at start-up
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (setUp) setUp(app);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
