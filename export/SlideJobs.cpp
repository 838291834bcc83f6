#include "export/SlideJobs.h"

Status RunSlideJobs(int count, const std::function<Status(int k)>& job, const ExportProgress& progress) {
  for (int k = 0; k < count; ++k) {
    if (Status failed = job(k)) return failed;
    if (progress && !progress(k + 1, count)) return Failure{kCancelled, QString()};
  }
  return std::nullopt;
}
