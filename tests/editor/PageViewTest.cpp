#include "editor/PageView.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QScrollBar>
#include <QTest>

#include "base/MessageIds.h"
#include "EditorFixtures.h"
#include "core/container/WorkFolder.h"
#include "editor/PageMenu.h"
#include "editor/UndoRedo.h"

namespace {

using renderfixtures::Box;

// Five slides, slide k holding one box of its own colour.
void FiveSlides(Document& doc) {
  editorfixtures::Reset(doc);
  doc.Header().SlideCount = 5;
  for (int k = 0; k < 5; ++k) {
    editorfixtures::Add(doc, Box(QRect(100, 100, 400, 300), 0x101010 * (k + 2), 0, k));
    doc.Header().SwitchTime[k] = static_cast<std::uint16_t>(k + 1);
  }
}

TEST(ThumbnailCache, RedrawsOnlyWhatChanged) {
  Document doc;
  FiveSlides(doc);
  ThumbnailCache cache;
  const QSize size(134, 92);
  const float s = 92.0f / 718.0f;
  EXPECT_EQ(cache.Sync(doc, size, s).size(), 5u);
  EXPECT_TRUE(cache.Sync(doc, size, s).empty());

  const int edited[] = {2};
  doc.Object(2).refMen = 0x0000FF;
  EXPECT_EQ(cache.Sync(doc, size, s, edited), std::vector<int>{2});
  EXPECT_EQ(cache.Image(2).pixel(40, 30), qRgb(255, 0, 0));

  doc.Object(3).Slide = 1;  // an object dropped onto another slide
  EXPECT_EQ(cache.Sync(doc, size, s), (std::vector<int>{1, 3}));

  doc.Header().SlideW = 900;  // the slide size changes every thumbnail
  EXPECT_EQ(cache.Sync(doc, size, s).size(), 5u);
  cache.Invalidate();
  EXPECT_EQ(cache.Sync(doc, size, s).size(), 5u);
}

class PageView : public ::testing::Test {
 protected:
  void SetUp() override {
    FiveSlides(doc);
    hooks.ask = [this](int id) {
      asked.push_back(id);
      return answer;
    };
    hooks.failed = [this](const Failure& f) { failures.push_back(f.id); };
    list = std::make_unique<CPageView>(edits, commands, hooks);
    list->resize(1200, 100);
    list->show();
    edits.Replace(doc);  // as an opened document
    DeleteClipboardFile();
  }
  void TearDown() override { DeleteClipboardFile(); }
  QWidget* Port() { return list->viewport(); }
  // A paint, and the thumbnail drawing it starts once it is done (queued).
  void PaintAndStartDrawing() {
    (void)list->viewport()->grab();
    QCoreApplication::sendPostedEvents(list.get(), QEvent::MetaCall);
  }
  QPoint Centre(int slide) { return list->Layout().Thumb(slide).center() - QPoint(list->horizontalScrollBar()->value(), 0); }
  const DocHeader& Header() { return edits.Doc().Header(); }

  Document doc;
  EditPath edits{doc};
  CommandRegistry commands;
  UndoRedo undo{edits, commands, [](const Failure&) {}};
  PageViewHooks hooks;
  std::vector<int> asked;
  std::vector<int> failures;
  bool answer = true;
  std::unique_ptr<CPageView> list;
};

TEST_F(PageView, ClicksAndKeysChooseTheCurrentSlide) {
  ASSERT_FALSE(list->Layout().collapsed);
  QTest::mouseClick(Port(), Qt::LeftButton, {}, Centre(3));
  EXPECT_EQ(Header().CurSlide, 3);
  QTest::keyClick(list.get(), Qt::Key_Right);
  EXPECT_EQ(Header().CurSlide, 4);
  QTest::keyClick(list.get(), Qt::Key_Right);  // nothing after the last
  EXPECT_EQ(Header().CurSlide, 4);
  QTest::keyClick(list.get(), Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(Header().CurSlide, 0);
  QTest::keyClick(list.get(), Qt::Key_Left);
  EXPECT_EQ(Header().CurSlide, 0);
  QTest::keyClick(list.get(), Qt::Key_End);
  EXPECT_EQ(Header().CurSlide, 4);
  QTest::keyClick(list.get(), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(Header().CurSlide, 3);
  EXPECT_FALSE(edits.IsModified());
}

TEST_F(PageView, DraggingASlideOntoAGapReordersAndUndoPutsItBack) {
  const QPoint from = Centre(0);
  const int gapX = 3 * list->Layout().Step() - list->Layout().m / 2;  // after slide 3
  QTest::mousePress(Port(), Qt::LeftButton, {}, from);
  QTest::mouseMove(Port(), QPoint(gapX, from.y()));
  QTest::mouseRelease(Port(), Qt::LeftButton, {}, QPoint(gapX, from.y()));
  EXPECT_EQ(Header().CurSlide, 2);
  EXPECT_EQ(Header().SwitchTime[2], 1);
  EXPECT_EQ(edits.Doc().Object(0).Slide, 2);
  EXPECT_EQ(edits.Doc().Object(1).Slide, 0);
  ASSERT_TRUE(undo.Undo());
  EXPECT_EQ(edits.Doc().Object(0).Slide, 0);

  QTest::mousePress(Port(), Qt::LeftButton, {}, Centre(1));  // a click is no drag
  QTest::mouseRelease(Port(), Qt::LeftButton, {}, Centre(1) + QPoint(3, 0));
  EXPECT_EQ(edits.Doc().Object(1).Slide, 1);
  EXPECT_EQ(Header().CurSlide, 1);
}

TEST_F(PageView, DeletingASlideAsksAndCanBeUndone) {
  list->MakeCurrent(1);
  answer = false;
  QTest::keyClick(list.get(), Qt::Key_Delete);
  EXPECT_EQ(asked, std::vector<int>{msg::AskDeleteSlide});
  EXPECT_EQ(Header().SlideCount, 5);
  answer = true;
  ASSERT_TRUE(commands.Run(ID_PAGE_DELETE));
  EXPECT_EQ(Header().SlideCount, 4);
  EXPECT_EQ(edits.Doc().ObjCount(), 4);
  ASSERT_TRUE(undo.Undo());
  EXPECT_EQ(Header().SlideCount, 5);
  EXPECT_EQ(edits.Doc().ObjCount(), 5);
  EXPECT_EQ(edits.Doc().Object(1).Slide, 1);
  (void)list->viewport()->grab();  // a paint; the thumbnails follow
  EXPECT_TRUE(QTest::qWaitFor([&] { return list->Thumbnails().Count() == 5; }));
}

TEST_F(PageView, CopyAndPasteGoThroughTheClipboardFile) {
  list->MakeCurrent(2);
  QTest::keyClick(list.get(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_TRUE(failures.empty());
  list->MakeCurrent(0);
  QTest::keyClick(list.get(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Header().SlideCount, 6);
  EXPECT_EQ(Header().CurSlide, 0);
  EXPECT_EQ(Header().SwitchTime[0], 3);
  EXPECT_EQ(edits.Doc().ObjectsOnSlide(0), 1);
  ASSERT_TRUE(undo.Undo());
  EXPECT_EQ(Header().SlideCount, 5);

  ASSERT_TRUE(commands.Run(ID_ADD_TAIL));
  EXPECT_EQ(Header().CurSlide, 5);
  ASSERT_TRUE(commands.Run(ID_PAGE_COPY));  // an empty slide
  EXPECT_EQ(failures, std::vector<int>{msg::EmptySlideNoCopy});
}

TEST_F(PageView, TheListPaintsBeforeItsThumbnailsAndKeepsEditsMadeMeanwhile) {
  list->MakeCurrent(2);
  PaintAndStartDrawing();  // the first paint does not wait for the drawing
  EXPECT_EQ(list->Thumbnails().Count(), 0);
  ASSERT_TRUE(edits.Apply(EditKind::Undoable, [](Document& d) {
    d.Object(2).refMen = 0x0000FF;
    return true;
  }));
  ASSERT_TRUE(QTest::qWaitFor([&] { return list->Thumbnails().Count() == 5; }));
  const QImage painted = list->viewport()->grab().toImage();
  const float s = list->Layout().s;
  const QPoint inBox(static_cast<int>(300 * s), static_cast<int>(250 * s));
  EXPECT_EQ(list->Thumbnails().Image(2).pixel(inBox), qRgb(255, 0, 0)) << "the edit made while drawing";
  EXPECT_EQ(list->Thumbnails().Image(3).pixel(inBox), qRgb(0x50, 0x50, 0x50));
  const QRect third = list->Layout().Thumb(3).translated(-list->horizontalScrollBar()->value(), 0);
  EXPECT_EQ(painted.pixel(third.topLeft() + inBox), qRgb(0x50, 0x50, 0x50)) << "the arrived thumbnail is painted";
}

TEST_F(PageView, AnUndoWhileThumbnailsAreDrawnIsShownOnceTheyArrive) {
  list->MakeCurrent(2);
  ASSERT_TRUE(edits.Apply(EditKind::Undoable, [](Document& d) {
    d.Object(2).refMen = 0x0000FF;
    return true;
  }));
  const auto thirdBox = [&] {
    (void)list->viewport()->grab();
    if (list->Thumbnails().Count() != 5) return QRgb(0);
    const float s = list->Layout().s;
    return list->Thumbnails().Image(2).pixel(static_cast<int>(300 * s), static_cast<int>(250 * s));
  };
  ASSERT_TRUE(QTest::qWaitFor([&] { return thirdBox() == qRgb(255, 0, 0); }));
  list->resize(1200, 130);  // a new size draws every thumbnail again
  PaintAndStartDrawing();
  ASSERT_TRUE(undo.Undo());
  EXPECT_TRUE(QTest::qWaitFor([&] { return thirdBox() == qRgb(0x40, 0x40, 0x40); }));
}

TEST_F(PageView, APointOnAThumbnailNamesItsSlide) {
  const QPoint centre = Port()->mapToGlobal(Centre(2));
  EXPECT_EQ(list->SlideAtGlobal(centre), 2);
  EXPECT_EQ(list->SlideAtGlobal(Port()->mapToGlobal(QPoint(1190, 50))), -1);
  const QRect r = list->Layout().Thumb(2);
  const std::optional<QPoint> at = list->SlidePointAtGlobal(Port()->mapToGlobal(r.topLeft()));
  ASSERT_TRUE(at);
  EXPECT_EQ(*at, QPoint(0, 0));
}

}  // namespace
