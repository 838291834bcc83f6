#include <gtest/gtest.h>

#include "ShowFakes.h"
#include "show/RehearsalResults.h"
#include "show/ResultGraph.h"

TEST(RehearsalResultsTest, TimesAreFormattedInMinutesThenHours) {
  const struct {
    int seconds;
    const char* text;
  } rows[] = {{0, "00:00"}, {1, "00:01"}, {59, "00:59"}, {61, "01:01"}, {3599, "59:59"},
              {3600, "01:00:00"}, {3661, "01:01:01"}, {65535, "18:12:15"}, {360000, "100:00:00"}};
  for (const auto& row : rows) EXPECT_EQ(FormatResultTime(row.seconds), QString(row.text)) << row.seconds;
}

TEST(RehearsalResultsTest, PagesHoldTwentySlides) {
  const struct {
    int slides, pages, onLast;
  } rows[] = {{1, 1, 1}, {20, 1, 20}, {21, 2, 1}, {40, 2, 20}, {100, 5, 20}};
  for (const auto& row : rows) {
    EXPECT_EQ(PageCount(row.slides), row.pages) << row.slides;
    EXPECT_EQ(SlidesOnPage(row.slides, row.pages - 1), row.onLast) << row.slides;
    EXPECT_EQ(SlidesOnPage(row.slides, row.pages), 0) << row.slides;
  }
  RehearsalResults r(ShowMode::ResultsOnly, std::vector<int>(21, 5));
  EXPECT_FALSE(r.PreviousPage());
  EXPECT_TRUE(r.NextPage());
  EXPECT_EQ(r.FirstOnPage(), 20);
  EXPECT_EQ(r.OnPage(), 1);
  EXPECT_FALSE(r.NextPage());
  EXPECT_EQ(r.Page(), 1);
}

// The stored field is 16 bits: a long time is kept as the longest it can
// hold, never wrapped round to a short one.
TEST(RehearsalResultsTest, TimesAreClampedToWhatTheDocumentHolds) {
  RehearsalResults r(ShowMode::RehearsalMeasure, {0, 70000, 65535, 65536, -4, 12});
  EXPECT_EQ(r.Times(), (std::vector<int>{1, 65535, 65535, 65535, 1, 12}));
  EXPECT_EQ(r.Keep(), (std::vector<std::uint16_t>{1, 65535, 65535, 65535, 1, 12}));
  EXPECT_EQ(StoredSeconds(70000), 65535);
  EXPECT_EQ(StoredSeconds(std::int64_t{1} << 40), 65535);
}

TEST(RehearsalResultsTest, TableTimesKeepWithinThreeSecondsAndSixteenBits) {
  const struct {
    int h, m, s, seconds;
  } rows[] = {{0, 0, 0, 3}, {0, 0, 1, 3}, {0, 0, 3, 3}, {0, 1, 5, 65}, {18, 12, 15, 65535},
              {18, 12, 16, 65535}, {23, 59, 59, 65535}};
  for (const auto& row : rows)
    EXPECT_EQ(TableSeconds(row.h, row.m, row.s), row.seconds) << row.h << ":" << row.m << ":" << row.s;
}

TEST(RehearsalResultsTest, ADraggedBoundaryProposesTheTimeItKeeps) {
  // 300 seconds on a 300-pixel graph: one pixel is one second.
  const struct {
    int start, dx;
    std::int64_t total;
    int graph, seconds;
  } rows[] = {{10, 5, 300, 300, 15},  {10, -5, 300, 300, 5},   {10, -9, 300, 300, 3},
              {10, -500, 300, 300, 3}, {10, 7, 600, 300, 24},  {10, -1, 600, 300, 8},
              {100, 1000, 65535 * 100, 300, 65535}, {10, 50, 300, 0, 10}};
  for (const auto& row : rows)
    EXPECT_EQ(DraggedSeconds(row.start, row.dx, row.total, row.graph), row.seconds)
        << row.start << " " << row.dx;
}

TEST(RehearsalResultsTest, EditsAreUnkeptUntilKept) {
  RehearsalResults stored(ShowMode::ResultsOnly, {4, 5});
  EXPECT_FALSE(stored.Unkept());
  stored.SetTime(1, 70000);
  EXPECT_TRUE(stored.Unkept());
  EXPECT_EQ(stored.Time(1), 65535);
  EXPECT_EQ(stored.Keep(), (std::vector<std::uint16_t>{4, 65535}));
  EXPECT_FALSE(stored.Unkept());
  stored.SetTimes({9});  // a shorter list changes what it holds
  EXPECT_EQ(stored.Times(), (std::vector<int>{9, 65535}));
  EXPECT_TRUE(stored.Unkept());
  stored.SetTime(2, 7);  // beyond the slides: nothing
  EXPECT_EQ(stored.Count(), 2);

  // Measured times are new: they count as unkept from the start.
  RehearsalResults measured(ShowMode::RehearsalMeasure, {3});
  EXPECT_TRUE(measured.Unkept());
}

// A whole measuring rehearsal on a stepped clock: each slide's seconds, the
// total, and the graph those times give.
TEST(RehearsalResultsTest, AMeasuredRehearsalGivesItsTimesAndGraph) {
  ColourSlides slides(4);
  RecordingView view;
  StepTime time;
  ShowSettings settings;
  settings.slideSize = QSize(100, 50);
  settings.switchTime = {7, 7, 7, 7};  // stored times play no part in measuring
  ShowEngine engine(settings, ShowMode::RehearsalMeasure, slides, view, time);
  view.engine = &engine;
  ASSERT_EQ(engine.Prepare(QSize(200, 100)), ShowEngine::Prepared::Ready);
  engine.Begin();
  time.Fire(30);
  engine.Next();
  // Slide 2 is left at once.
  engine.Next();
  time.Fire(10);
  engine.Pause();
  time.Fire(5);  // a paused clock counts nothing
  engine.Resume();
  time.Fire(50);
  engine.Next();
  time.Fire(20);
  ASSERT_TRUE(view.results.empty());
  engine.Next();
  ASSERT_EQ(view.results.size(), 1u);
  EXPECT_FALSE(time.Running());
  EXPECT_EQ(view.results[0], (std::vector<int>{30, 0, 60, 20}));

  const RehearsalResults results(ShowMode::RehearsalMeasure, view.results[0]);
  EXPECT_EQ(results.Times(), (std::vector<int>{30, 1, 60, 20}));
  EXPECT_EQ(results.Total(), 111);
  EXPECT_EQ(FormatResultTime(results.Total()), "01:51");

  // A 674-pixel client: the graph is 478 wide, so a second is 478/111 pixels.
  const QSize client(674, 600);
  const QRect graph = ResultGraphRect(client);
  EXPECT_EQ(graph, QRect(18, 4 * 90 + 139, 478, 90));
  const std::vector<QRect> bars = ResultBars(results.Times(), graph);
  ASSERT_EQ(bars.size(), 4u);
  const int widths[] = {30 * 478 / 111, 1 * 478 / 111, 60 * 478 / 111};
  EXPECT_EQ(bars[0], QRect(18, graph.y(), widths[0], 90));
  EXPECT_EQ(bars[1].width(), widths[1]);
  EXPECT_EQ(bars[2].width(), widths[2]);
  EXPECT_EQ(bars[3].x() + bars[3].width(), graph.x() + graph.width());  // the last takes the rest
  for (const QRect& bar : bars) EXPECT_EQ(bar.height(), 90);
}
