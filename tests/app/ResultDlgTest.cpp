#include "app/ResultDlg.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <QTimeEdit>

#include "MessageRecorder.h"
#include "ModalScript.h"
#include "SettingsReset.h"
#include "app/TimeSetDlg.h"
#include "base/MessageIds.h"
#include "base/Settings.h"
#include "core/EditPath.h"
#include "core/Records.h"
#include "show/SlideSource.h"

namespace {

class PlainSlides : public SlideSource {
 public:
  int SlideCount() const override { return 100; }
  bool RenderSlide(int index, float, QImage& target) override {
    drawn.push_back(index);
    target.fill(Qt::gray);
    return true;
  }
  std::vector<int> drawn;
};

class ResultDlgTest : public ::testing::Test {
 protected:
  void SetUp() override { support::ClearSettings(); }
  void TearDown() override { support::ClearSettings(); }

  std::unique_ptr<CResultDlg> Open(ShowMode mode, std::vector<int> times) {
    auto dlg = std::make_unique<CResultDlg>(
        mode, std::move(times), QSize(400, 300), slides,
        [this](const std::vector<std::uint16_t>& t) { kept.push_back(t); });
    dlg->show();
    return dlg;
  }

  PlainSlides slides;
  MessageRecorder messages;
  std::vector<std::vector<std::uint16_t>> kept;
};

QPoint Centre(QRect r) { return r.center(); }

TEST(KeepSwitchTimesTest, StoresTheTimesAsOneUndoableChange) {
  Document doc;
  doc.Header().SlideCount = 3;
  doc.Header().SwitchTime[3] = 44;
  EditPath edits(doc);
  int snapshots = 0;
  edits.SetSnapshotTaker([&](const Document&) { ++snapshots; });
  EXPECT_TRUE(KeepSwitchTimes(edits, {5, 65535, 1, 9}));  // the fourth is no slide
  EXPECT_EQ(snapshots, 1);
  EXPECT_TRUE(edits.IsModified());
  const DocHeader& h = edits.Doc().Header();
  EXPECT_EQ((std::vector<int>{h.SwitchTime[0], h.SwitchTime[1], h.SwitchTime[2], h.SwitchTime[3]}),
            (std::vector<int>{5, 65535, 1, 44}));
  edits.SetModified(false);
  EXPECT_FALSE(KeepSwitchTimes(edits, {5, 65535, 1}));  // already stored
  EXPECT_FALSE(edits.IsModified());
}

// Measured times are new: ending without keeping them asks, and "No" stays.
TEST_F(ResultDlgTest, EndingAMeasuredRehearsalAsksBeforeDroppingTheTimes) {
  auto dlg = Open(ShowMode::RehearsalMeasure, {0, 70000, 12});
  EXPECT_EQ(dlg->windowTitle(), QString::fromUtf8("時間計測結果"));
  messages.answers = {IDNO};
  EXPECT_FALSE(dlg->End());
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_EQ(messages.Ids(), (std::vector<int>{msg::AskUnsavedTimes}));
  messages.answers = {IDYES};
  EXPECT_TRUE(dlg->End());
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_TRUE(kept.empty());
}

TEST_F(ResultDlgTest, SavingKeepsWhatIsShownAndEndsWithoutAQuestion) {
  auto dlg = Open(ShowMode::RehearsalMeasure, {0, 70000, 12});
  EXPECT_EQ(dlg->Results().Times(), (std::vector<int>{1, 65535, 12}));
  QTest::mouseClick(dlg.get(), Qt::LeftButton, {}, Centre(ResultButtonRect(dlg->size(), ResultButton::Save)));
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept[0], (std::vector<std::uint16_t>{1, 65535, 12}));
  EXPECT_EQ(messages.Ids(), (std::vector<int>{msg::TimesSaved}));
  QTest::mouseClick(dlg.get(), Qt::LeftButton, {}, Centre(ResultButtonRect(dlg->size(), ResultButton::End)));
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_EQ(messages.Ids().size(), 1u);
}

// The tooltip shows the dragged time; the release keeps exactly that.
TEST_F(ResultDlgTest, ADraggedBoundaryKeepsTheTimeItShowed) {
  auto dlg = Open(ShowMode::ResultsOnly, {10, 10, 10});
  EXPECT_EQ(dlg->windowTitle(), QString::fromUtf8("自動切替え時間の設定"));
  const QRect graph = ResultGraphRect(dlg->size());
  const struct {
    int dx;
    int seconds;
  } rows[] = {{-1000, 3}, {0, 3}, {graph.width(), 3 + 23}};
  // First far left (at least 3), then a press and release in place (no change),
  // then the graph's width to the right: the whole total of 23 s more.
  for (const auto& row : rows) {
    const std::vector<QRect> now = ResultBars(dlg->Results().Times(), graph);
    const QPoint from = ResultHandle(now[0]).center();
    QTest::mousePress(dlg.get(), Qt::LeftButton, {}, from);
    QTest::mouseMove(dlg.get(), from + QPoint(row.dx, 0));
    const QString shown = dlg->TooltipText();
    QTest::mouseRelease(dlg.get(), Qt::LeftButton, {}, from + QPoint(row.dx, 0));
    EXPECT_EQ(dlg->Results().Time(0), row.seconds) << row.dx;
    EXPECT_EQ(shown, FormatResultTime(dlg->Results().Time(0))) << row.dx;
  }
  EXPECT_TRUE(dlg->Results().Unkept());
  messages.answers = {IDNO};
  dlg->close();
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_EQ(messages.Ids(), (std::vector<int>{msg::AskUnsavedTimes}));
  dlg->Save();
  dlg->close();
  EXPECT_FALSE(dlg->isVisible());
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept[0][0], 26);
}

TEST_F(ResultDlgTest, StoredTimesCloseAtOnceAndTheWindowKeepsItsSize) {
  WriteInt("ResultDlg", "SX", 300);  // below the minimum
  WriteInt("ResultDlg", "SY", 530);
  auto dlg = Open(ShowMode::ResultsOnly, {4, 5});
  EXPECT_EQ(dlg->size(), QSize(478, 530));
  dlg->resize(600, 540);
  EXPECT_TRUE(dlg->End());
  EXPECT_TRUE(messages.Ids().empty());
  EXPECT_EQ(GetInt("ResultDlg", "SX", 0), 600);
  EXPECT_EQ(GetInt("ResultDlg", "SY", 0), 540);
  EXPECT_EQ(GetInt("ResultDlg", "Zoomed", 9), 0);
}

TEST_F(ResultDlgTest, PagesShowTwentySlidesEach) {
  auto dlg = Open(ShowMode::ResultsOnly, std::vector<int>(21, 2));
  EXPECT_EQ(slides.drawn.size(), 20u);
  const QPoint previous = Centre(ResultButtonRect(dlg->size(), ResultButton::PreviousPage));
  const QPoint next = Centre(ResultButtonRect(dlg->size(), ResultButton::NextPage));
  QTest::mouseClick(dlg.get(), Qt::LeftButton, {}, previous);
  EXPECT_EQ(dlg->Results().Page(), 0);
  QTest::mouseClick(dlg.get(), Qt::LeftButton, {}, next);
  EXPECT_EQ(dlg->Results().Page(), 1);
  EXPECT_EQ(slides.drawn.back(), 20);
  EXPECT_EQ(slides.drawn.size(), 21u);
  QTest::mouseClick(dlg.get(), Qt::LeftButton, {}, next);  // no third page
  EXPECT_EQ(dlg->Results().Page(), 1);
}

TEST_F(ResultDlgTest, TheTimeTableEditsTheTimesOnOk) {
  auto dlg = Open(ShowMode::ResultsOnly, {10, 20});
  ModalScript script({ModalScript::On<CTimeSetDlg>([](CTimeSetDlg& table) {
                        table.Picker(1)->setTime(QTime(0, 0, 1));  // stored as 3
                        table.accept();
                      }),
                      ModalScript::On<CTimeSetDlg>([](CTimeSetDlg& table) {
                        table.Picker(0)->setTime(QTime(1, 0, 0));
                        table.reject();
                      })});
  dlg->OpenTimeTable();
  EXPECT_EQ(dlg->Results().Times(), (std::vector<int>{10, 3}));
  EXPECT_TRUE(dlg->Results().Unkept());
  dlg->OpenTimeTable();  // cancelled: nothing changes
  EXPECT_EQ(dlg->Results().Times(), (std::vector<int>{10, 3}));
  EXPECT_TRUE(script.Done());
}

TEST(TimeSetDlgTest, PickersShowAPageAndKeepWithinTheLimits) {
  support::ClearSettings();
  CTimeSetDlg table(std::vector<int>(23, 70000), 1);
  EXPECT_EQ(table.PageText(), "(2/2)");
  EXPECT_EQ(table.Picker(0)->time(), QTime(18, 12, 15));  // 65535 s
  EXPECT_EQ(table.Label(2)->text(), "23");
  EXPECT_TRUE(table.Label(3)->text().isEmpty());
  EXPECT_TRUE(table.Picker(3)->isHidden());
  EXPECT_EQ(table.Picker(1)->maximumTime(), QTime(18, 12, 15));
  table.Picker(0)->setTime(QTime(0, 0, 0));
  EXPECT_EQ(table.Times()[20], 3);
  EXPECT_EQ(table.TotalText(), "Total-" + FormatResultTime(22 * 65535 + 3));
  table.ShowPage(0);
  EXPECT_EQ(table.PageText(), "(1/2)");
  EXPECT_FALSE(table.Picker(19)->isHidden());
}

TEST(TimeSetDlgTest, CopyingTheFirstTimeAsksFirst) {
  MessageRecorder messages;
  CTimeSetDlg table({7, 8, 9}, 0);
  messages.answers = {IDNO, IDYES};
  table.CopyFirstToAll();
  EXPECT_EQ(table.Times(), (std::vector<int>{7, 8, 9}));
  table.CopyFirstToAll();
  EXPECT_EQ(table.Times(), (std::vector<int>{7, 7, 7}));
  EXPECT_EQ(table.Picker(2)->time(), QTime(0, 0, 7));
  EXPECT_EQ(messages.Ids(), (std::vector<int>{msg::AskSameSwitchTime, msg::AskSameSwitchTime}));
}

}  // namespace
