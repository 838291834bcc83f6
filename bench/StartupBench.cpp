// Whole-process timings, each side of a ratio measured in the same run and
// interleaved: `Tessaly --info` of the sample against `Tessaly --version`, and
// start-up to the first painted main window with the sample against a bare Qt
// main window (BareWindow). Run it through tests/isolated, which gives the
// offscreen platform and empty settings.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

// Runs `args` with stdout and stderr thrown away; seconds of wall time, or a
// negative value when the program failed.
double RunSeconds(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return -1;
  int status = 0;
  waitpid(pid, &status, 0);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? took.count() : -1;
}

// Times `subject` and `yardstick` alternately; the iteration time is the
// subject's, the counters give both means and their ratio.
void Compare(benchmark::State& state, const std::vector<std::string>& subject,
             const std::vector<std::string>& yardstick) {
  if (RunSeconds(subject) < 0 || RunSeconds(yardstick) < 0) {  // also warms the caches
    state.SkipWithError("a program failed");
    return;
  }
  double subjectSum = 0, yardstickSum = 0;
  for (auto _ : state) {
    const double y = RunSeconds(yardstick);
    const double s = RunSeconds(subject);
    if (s < 0 || y < 0) {
      state.SkipWithError("a program failed");
      return;
    }
    subjectSum += s;
    yardstickSum += y;
    state.SetIterationTime(s);
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["subject_ms"] = subjectSum / n * 1000;
  state.counters["yardstick_ms"] = yardstickSum / n * 1000;
  state.counters["ratio"] = subjectSum / yardstickSum;
}

void BM_InfoAgainstVersion(benchmark::State& state) {
  Compare(state, {TESSALY_EXE, "--info", TESSALY_SAMPLE}, {TESSALY_EXE, "--version"});
}
BENCHMARK(BM_InfoAgainstVersion)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

void BM_StartupAgainstBareWindow(benchmark::State& state) {
  Compare(state, {TESSALY_EXE, "--quit-after-paint", TESSALY_SAMPLE}, {BARE_WINDOW_EXE});
}
BENCHMARK(BM_StartupAgainstBareWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

}  // namespace

int main(int argc, char** argv) {
  // Whole programs start on the offscreen platform unless a display was chosen.
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
