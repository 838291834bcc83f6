// The per-slide work of an export (draw, encode, write), run slide after
// slide with progress and a way to stop.
#pragma once

#include <functional>

#include "export/Failure.h"

// Told how many slides are done of how many; returning false stops the export.
using ExportProgress = std::function<bool(int done, int total)>;

// Runs `job` for k = 0 .. count-1 in order, reporting progress after each.
// Returns the first failure, or a kCancelled failure when progress said stop.
Status RunSlideJobs(int count, const std::function<Status(int k)>& job, const ExportProgress& progress);
