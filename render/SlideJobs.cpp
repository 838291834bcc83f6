#include "render/SlideJobs.h"

#include <QThread>
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "base/MessageIds.h"

namespace {

Result<void> Stopped() { return Failure(msg::None); }

Result<void> RunHere(int count, const SlideJob& job, const ExportProgress& progress) {
  for (int k = 0; k < count; ++k) {
    if (Result<void> done = job(0, k); !done) return done;
    if (progress && !progress(k + 1, count)) return Stopped();
  }
  return {};
}

}  // namespace

int ExportWorkers(int asked) { return asked > 0 ? asked : std::max(1, QThread::idealThreadCount()); }

Result<void> RunSlideJobs(int count, int workers, const SlideJob& job, const ExportProgress& progress) {
  workers = std::clamp(workers, 1, std::max(count, 1));
  if (workers == 1) return RunHere(count, job, progress);
  std::mutex mutex;
  std::condition_variable finished;
  std::vector<std::optional<Result<void>>> results(static_cast<std::size_t>(count));
  std::atomic<int> next{0};
  std::atomic<bool> stop{false};
  const auto work = [&](int worker) {
    // Slides are taken in order and a taken slide is always done, so every
    // slide before a failed one reports: the caller never waits in vain.
    while (!stop) {
      const int k = next++;
      if (k >= count) break;
      Result<void> done = job(worker, k);
      if (!done) stop = true;
      const std::lock_guard lock(mutex);
      results[k] = std::move(done);
      finished.notify_all();
    }
  };
  Result<void> outcome;
  {
    std::vector<std::jthread> threads;
    for (int w = 0; w < workers; ++w) threads.emplace_back(work, w);
    for (int k = 0; k < count && outcome; ++k) {
      std::unique_lock lock(mutex);
      finished.wait(lock, [&] { return results[k].has_value(); });
      outcome = *results[k];
      lock.unlock();
      if (outcome && progress && !progress(k + 1, count)) outcome = Stopped();
      if (!outcome) stop = true;
    }
  }  // the threads are joined here
  return outcome;
}
