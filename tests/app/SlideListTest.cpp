// The slide list in the main window, the splitter around it and the slide-size dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScrollBar>
#include <QSplitterHandle>
#include <QSpinBox>
#include <QTest>

#include "base/MessageIds.h"
#include "AppFixtures.h"
#include "MessageRecorder.h"
#include "SettingsReset.h"
#include "app/MainWindow.h"
#include "app/MySplitterWnd.h"
#include "app/PageDlg.h"
#include "base/Settings.h"
#include "editor/MiradoView.h"
#include "editor/PageMenu.h"
#include "editor/PageView.h"
#include "editor/UndoRedo.h"
#include "tests/render/RenderFixtures.h"

namespace {

class SlideListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    support::ClearSettings();
    ASSERT_TRUE(appfixtures::SaveSample(dir.filePath("talk.tvl")));
  }
  void Open() {
    window = std::make_unique<MainWindow>(file);
    window->resize(1000, 700);
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ASSERT_TRUE(window->OpenFile(dir.filePath("talk.tvl")));
  }
  QPoint ThumbCentre(int slide) {
    return window->Pages()->Layout().Thumb(slide).center() -
           QPoint(window->Pages()->horizontalScrollBar()->value(), 0);
  }
  const DocHeader& Header() { return doc.Header(); }

  QTemporaryDir dir;
  Document doc;
  CMiradoDoc file{doc};
  std::unique_ptr<MainWindow> window;
  MessageRecorder messages;
};

TEST(SplitterRules, TheListIsClosedOrFiftyToThreeHundredHigh) {
  const struct {
    int dragged, kept;
  } rows[] = {{0, 0}, {30, 0}, {49, 0}, {50, 50}, {180, 180}, {300, 300}, {420, 300}};
  for (const auto& r : rows) EXPECT_EQ(ListRowAfterDrag(r.dragged), r.kept) << r.dragged;
}

TEST_F(SlideListTest, TheTopRowKeepsItsHeightAcrossARestart) {
  WriteInt("Last", "cyCur", 450);
  Open();
  CMySplitterWnd* splitter = window->Splitter();
  EXPECT_EQ(splitter->sizes().value(0), 450);
  EXPECT_LE(splitter->ListHeight(), kListMax);
  splitter->ToggleList();
  EXPECT_EQ(splitter->ListHeight(), 0);
  splitter->ToggleList();
  EXPECT_EQ(splitter->ListHeight(), kListOpened);
  splitter->SetListHeight(120);
  window->close();
  EXPECT_EQ(GetInt("Last", "cyCur", 0), splitter->sizes().value(0));
}

// The bar dragged with the mouse: the list row ends up closed or 50 to 300
// high at the bottom, the view row takes the rest; a double-click on the bar
// closes an open list and opens a closed one 60 high.
TEST_F(SlideListTest, TheBarKeepsTheListRowsRulesAsTheWindowShowsThem) {
  Open();
  CMySplitterWnd* splitter = window->Splitter();
  QWidget* list = splitter->widget(1);
  QSplitterHandle* bar = splitter->handle(1);
  const int total = splitter->sizes().value(0) + splitter->sizes().value(1);
  ASSERT_GT(total, 400);
  const auto drag = [&](int listHeight) {
    const QPoint from = bar->rect().center();
    const QPoint to = from + QPoint(0, splitter->ListHeight() - listHeight);
    const auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
      QMouseEvent e(type, at, bar->mapToGlobal(at), Qt::LeftButton, buttons, {});
      QApplication::sendEvent(bar, &e);
    };
    send(QEvent::MouseButtonPress, from, Qt::LeftButton);
    send(QEvent::MouseMove, to, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, to, Qt::NoButton);
  };
  const struct {
    int dragged, kept;
  } rows[] = {{180, 180}, {420, 300}, {30, 0}, {120, 120}, {50, 50}, {49, 0}};
  for (const auto& r : rows) {
    drag(r.dragged);
    EXPECT_EQ(splitter->ListHeight(), r.kept) << r.dragged;
    EXPECT_EQ(splitter->sizes().value(0), total - r.kept) << r.dragged;
    if (r.kept > 0) {
      EXPECT_EQ(list->geometry().height(), r.kept) << r.dragged;
      EXPECT_EQ(list->geometry().bottom(), splitter->contentsRect().bottom()) << r.dragged;
    }
  }
  QTest::mouseDClick(bar, Qt::LeftButton);
  EXPECT_EQ(splitter->ListHeight(), kListOpened);
  EXPECT_EQ(list->geometry().height(), kListOpened);
  EXPECT_EQ(list->geometry().bottom(), splitter->contentsRect().bottom());
  QTest::mouseDClick(bar, Qt::LeftButton);
  EXPECT_EQ(splitter->ListHeight(), 0);
  EXPECT_EQ(splitter->sizes().value(0), total);
}

TEST_F(SlideListTest, TheListAndTheViewShowTheSameSlide) {
  Open();
  CPageView* list = window->Pages();
  ASSERT_FALSE(list->Layout().collapsed);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, ThumbCentre(1));
  EXPECT_EQ(Header().CurSlide, 1);
  QTest::keyClick(window->View(), Qt::Key_Home);
  EXPECT_EQ(Header().CurSlide, 0);
  QTest::keyClick(window->View(), Qt::Key_End);
  EXPECT_EQ(Header().CurSlide, 1);

  ASSERT_TRUE(window->Commands().Run(ID_ADD_MAE));
  EXPECT_EQ(Header().SlideCount, 3);
  EXPECT_EQ(Header().CurSlide, 1);
  EXPECT_EQ(doc.ObjectsOnSlide(2), 1) << "the image moved on with its slide";
  EXPECT_TRUE(file.IsModified());

  messages.answers = {IDYES};
  QTest::keyClick(list, Qt::Key_Delete);
  EXPECT_EQ(messages.Ids(), std::vector<int>{msg::AskDeleteSlide});
  EXPECT_EQ(Header().SlideCount, 2);
  ASSERT_TRUE(window->Commands().Run(ID_UNDO));
  EXPECT_EQ(Header().SlideCount, 3);
  (void)list->viewport()->grab();  // a paint; the thumbnails follow
  EXPECT_TRUE(QTest::qWaitFor([&] { return list->Thumbnails().Count() == 3; }));
}

TEST_F(SlideListTest, TheSlideSizeDialogRefusesASizeThatCutsObjectsOff) {
  renderfixtures::Reset(doc, 2);
  ObjectRecord box = renderfixtures::Box(QRect(100, 100, 400, 300), 0xFFFFFF, 0, 1);
  (void)doc.AddObject(box);
  doc.Header().PageSize = 3;
  CPageDlg dialog(doc, QSize(1600, 1000), ScreenDpi{});
  EXPECT_TRUE(dialog.Preset(3)->isChecked());
  EXPECT_EQ(dialog.Choice().pixels, QSize(1046, 718));
  EXPECT_EQ(dialog.PixelLabel()->text(), QString::fromUtf8("幅 1046 × 高さ 718pixel"));

  dialog.Preset(2)->click();
  EXPECT_EQ(dialog.Choice(), (PageSizeChoice{2, QSize(718, 1046)}));

  dialog.YokoBox()->setValue(100);  // 377 pixels: the box would stick out
  EXPECT_TRUE(dialog.Preset(4)->isChecked());
  EXPECT_EQ(dialog.Choice().pixels.width(), 377);
  dialog.show();
  dialog.accept();
  EXPECT_EQ(messages.Ids(), std::vector<int>{msg::ObjectsOutsideArea});
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(GetInt("Page", "Yoko", 0), 100);

  dialog.YokoBox()->setValue(200);
  dialog.MakeDefault();
  EXPECT_EQ(GetInt("Page", "DefPageSize", 0), 4);
  EXPECT_EQ(GetInt("Page", "DefYoko", 0), 200);
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

}  // namespace
