#include "render/SlideJobs.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "base/MessageIds.h"

namespace {

TEST(SlideJobs, ReportProgressInOrderOnTheCallingThread) {
  for (int workers : {1, 2, 4}) {
    std::vector<std::atomic<int>> runs(12);
    std::vector<int> reported;
    const Result<void> done = RunSlideJobs(
        12, workers,
        [&](int worker, int k) {
          EXPECT_LT(worker, workers);
          ++runs[k];
          return Result<void>();
        },
        [&](int count, int total) {
          EXPECT_EQ(total, 12);
          reported.push_back(count);
          return true;
        });
    EXPECT_TRUE(done) << workers;
    for (int k = 0; k < 12; ++k) EXPECT_EQ(runs[k], 1) << workers << " workers, job " << k;
    EXPECT_EQ(reported, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12})) << workers;
  }
}

TEST(SlideJobs, TheFirstFailureInSlideOrderWinsAndStopsTheRest) {
  for (int workers : {1, 3}) {
    std::atomic<int> started{0};
    const Result<void> done = RunSlideJobs(
        40, workers,
        [&](int, int k) {
          ++started;
          if (k == 5 || k == 6) return Result<void>(Failure(30000 + k, QString::number(k)));
          return Result<void>();
        },
        {});
    ASSERT_FALSE(done);
    EXPECT_EQ(done.error().id, 30005) << workers;
    if (workers == 1) {
      EXPECT_EQ(started, 6);
    }
  }
}

TEST(SlideJobs, AStopFromProgressEndsTheWork) {
  for (int workers : {1, 2}) {
    std::atomic<int> started{0};
    int reported = 0;
    const Result<void> done = RunSlideJobs(
        40, workers, [&](int, int) { ++started; return Result<void>(); },
        [&](int count, int) {
          reported = count;
          return count < 3;
        });
    ASSERT_FALSE(done);
    EXPECT_EQ(done.error().id, msg::None);
    EXPECT_EQ(reported, 3);  // nothing reported after the stop
    if (workers == 1) {
      EXPECT_EQ(started, 3);
    }
  }
}

}  // namespace
