// Per-slide work (an export's draw, encode and write; the slide list's
// thumbnails), run on every core with progress and a way to stop.
#pragma once

#include <functional>
#include <vector>

#include "base/Failure.h"
#include "core/Document.h"

// Told how many slides are done of how many; returning false stops the export.
using ExportProgress = std::function<bool(int done, int total)>;

// The work for slide job k on worker `worker` (0 .. workers-1), so that a job
// can use what belongs to its thread alone.
using SlideJob = std::function<Result<void>(int worker, int k)>;

// How many workers an export uses when not told: one per core.
int ExportWorkers(int asked = 0);

// The document each worker draws from: the original for a single worker,
// else a copy per worker (records copied, pictures shared).
class WorkerDocuments {
 public:
  WorkerDocuments(const Document& doc, int workers)
      : doc_(doc), copies_(workers > 1 ? static_cast<std::size_t>(workers) : 0, doc) {}
  const Document& For(int worker) const { return copies_.empty() ? doc_ : copies_[worker]; }

 private:
  const Document& doc_;
  std::vector<Document> copies_;
};

// Runs `job` for k = 0 .. count-1 on `workers` threads (on the calling thread
// when 1). Progress is reported on the calling thread, in slide order, as
// slides finish. Returns the first failure in slide order, or a msg::None
// failure when progress said stop; either way no job starts after that.
Result<void> RunSlideJobs(int count, int workers, const SlideJob& job, const ExportProgress& progress);
