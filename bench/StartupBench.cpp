// Process timings, each side of a ratio measured in the same run and
// interleaved: `Tessaly --info` of the sample against `Tessaly --version` to
// their exit, and start-up to the first painted main window with the sample
// against a bare Qt main window (BareWindow). Under an X display the first
// paint is seen from outside, as the first drawing into a new mapped window
// (XPaintWatcher); elsewhere it is the "painted" line each program prints once
// its window has gone to the screen. The exit is not counted.
// Run it under xvfb-run with QT_QPA_PLATFORM=xcb (through tests/isolated for
// empty settings), or on the offscreen platform.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "XPaintWatcher.h"

extern char** environ;

namespace {

enum class Until { Exit, Painted };

// The outside watcher, when there is an X display with the DAMAGE extension.
XPaintWatcher* Watcher() {
  static XPaintWatcher* watcher = [] {
    auto* w = new XPaintWatcher;
    return w->Ok() ? w : nullptr;
  }();
  return watcher;
}

// Runs `args` with stderr thrown away; seconds of wall time until it ends, or
// until it first paints when `until` is Painted (then it must still say
// "painted" and exit cleanly afterwards, untimed); a negative value when it
// failed.
double RunSeconds(const std::vector<std::string>& args, Until until = Until::Exit) {
  XPaintWatcher* watcher = until == Until::Painted ? Watcher() : nullptr;
  if (watcher != nullptr) watcher->Reset();
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  int out[2] = {-1, -1};
  if (until == Until::Painted && pipe(out) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (until == Until::Painted) {
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
  } else {
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  }
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (until == Until::Painted) close(out[1]);
  if (spawned != 0) {
    if (until == Until::Painted) close(out[0]);
    return -1;
  }
  bool painted = until == Until::Exit;
  auto stop = start;
  if (until == Until::Painted) {
    const bool seen = watcher != nullptr && watcher->WaitForFirstPaint(std::chrono::seconds(20), &stop);
    if (watcher != nullptr && !seen) kill(pid, SIGKILL);
    char byte = 0;
    ssize_t n = -1;
    while ((n = read(out[0], &byte, 1)) < 0) {}  // interrupted
    if (watcher == nullptr) stop = std::chrono::steady_clock::now();
    painted = n == 1 && (watcher == nullptr || seen);
    close(out[0]);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  if (until == Until::Exit) stop = std::chrono::steady_clock::now();
  const std::chrono::duration<double> took = stop - start;
  return painted && WIFEXITED(status) && WEXITSTATUS(status) == 0 ? took.count() : -1;
}

// Times `subject` and each of `yardsticks` in turn; the iteration time is
// the subject's, the counters give the means and the subject's ratio to each.
void Compare(benchmark::State& state, const std::vector<std::string>& subject,
             const std::vector<std::vector<std::string>>& yardsticks, const std::vector<std::string>& names,
             Until until = Until::Exit) {
  if (RunSeconds(subject, until) < 0) {  // also warms the caches
    state.SkipWithError("a program failed");
    return;
  }
  for (const auto& y : yardsticks) {
    if (RunSeconds(y, until) < 0) {
      state.SkipWithError("a program failed");
      return;
    }
  }
  double subjectSum = 0;
  std::vector<double> sums(yardsticks.size(), 0.0);
  for (auto _ : state) {
    for (std::size_t i = 0; i < yardsticks.size(); ++i) {
      const double y = RunSeconds(yardsticks[i], until);
      if (y < 0) {
        state.SkipWithError("a program failed");
        return;
      }
      sums[i] += y;
    }
    const double s = RunSeconds(subject, until);
    if (s < 0) {
      state.SkipWithError("a program failed");
      return;
    }
    subjectSum += s;
    state.SetIterationTime(s);
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["subject_ms"] = subjectSum / n * 1000;
  for (std::size_t i = 0; i < yardsticks.size(); ++i) {
    state.counters[names[i] + "_ms"] = sums[i] / n * 1000;
    state.counters[names[i] + "_ratio"] = subjectSum / sums[i];
  }
}

void BM_InfoAgainstVersion(benchmark::State& state) {
  Compare(state, {TESSALY_EXE, "--info", TESSALY_SAMPLE}, {{TESSALY_EXE, "--version"}}, {"yardstick"});
}
BENCHMARK(BM_InfoAgainstVersion)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

void BM_StartupAgainstBareWindow(benchmark::State& state) {
  Compare(state, {TESSALY_EXE, "--quit-after-paint", TESSALY_SAMPLE}, {{BARE_WINDOW_EXE}}, {"yardstick"},
          Until::Painted);
}

// With TESSALY_BASELINE naming another build of Tessaly (an earlier commit),
// that build's start-up is timed in the same rounds as well.
void BM_StartupAgainstBaseline(benchmark::State& state, const std::string& baseline) {
  Compare(state, {TESSALY_EXE, "--quit-after-paint", TESSALY_SAMPLE},
          {{BARE_WINDOW_EXE}, {baseline, "--quit-after-paint", TESSALY_SAMPLE}}, {"yardstick", "baseline"},
          Until::Painted);
}
BENCHMARK(BM_StartupAgainstBareWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

}  // namespace

int main(int argc, char** argv) {
  // Whole programs start on the offscreen platform unless a display was chosen.
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (const char* baseline = std::getenv("TESSALY_BASELINE")) {
    benchmark::RegisterBenchmark("BM_StartupAgainstBaseline", BM_StartupAgainstBaseline, std::string(baseline))
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(30);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
