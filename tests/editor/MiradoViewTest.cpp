#include "editor/MiradoView.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "EditorFixtures.h"
#include "editor/MyEdit.h"

namespace {

using editorfixtures::Add;

// A view at zoom 0.5 so the white margin right of the slide is visible.
class MiradoView : public ::testing::Test {
 protected:
  void SetUp() override {
    editorfixtures::Reset(doc);
    doc.Header().Zoom = 0.5f;
    doc.Header().ConsoleX = 700;
    doc.Header().ConsoleY = 100;
    view.resize(800, 600);
    view.DocumentChanged();
    view.show();
  }
  QWidget* Port() { return view.viewport(); }
  Document doc;
  EditPath edits{doc};
  CommandRegistry commands;
  CMiradoView view{edits, commands};
};

TEST_F(MiradoView, MovingShowsPositionAndGuide) {
  Add(doc, renderfixtures::Box(QRect(100, 100, 201, 201), 0xFFFFFF, 0));
  view.DocumentChanged();
  QSignalSpy position(&view, &CMiradoView::PositionChanged);
  QSignalSpy guide(&view, &CMiradoView::GuideChanged);
  QTest::mouseMove(Port(), QPoint(100, 100));  // slide (200, 200)
  ASSERT_FALSE(position.isEmpty());
  EXPECT_EQ(position.last().at(0).toString(), "200, 200");
  ASSERT_FALSE(guide.isEmpty());
  EXPECT_EQ(guide.last().at(0).toString(),
            QString::fromUtf8("クリックするとこのオブジェクトを選択します。右クリックすると操作メニューを表示します"));
  EXPECT_EQ(Port()->cursor().shape(), Qt::PointingHandCursor);
  view.SetGuideOn(false);  // the status bar is left alone
  const int count = static_cast<int>(guide.count());
  QTest::mouseMove(Port(), QPoint(101, 101));
  EXPECT_EQ(guide.count(), count);
}

TEST_F(MiradoView, ClicksSelectAndTabMovesThePrimary) {
  Add(doc, renderfixtures::Box(QRect(100, 100, 101, 101), 0xFFFFFF, 0));
  Add(doc, renderfixtures::Box(QRect(400, 100, 101, 101), 0xFFFFFF, 0));
  view.DocumentChanged();
  QTest::mouseClick(Port(), Qt::LeftButton, {}, QPoint(75, 75));
  EXPECT_EQ(view.Selection().primary, 0);
  EXPECT_TRUE(doc.View(0).Selected);
  QTest::mouseClick(Port(), Qt::LeftButton, Qt::ControlModifier, QPoint(225, 75));
  EXPECT_EQ(view.Selection().primary, 1);
  EXPECT_TRUE(doc.View(0).Selected);
  QTest::keyClick(&view, Qt::Key_Tab);
  EXPECT_EQ(view.Selection().primary, 0);
  EXPECT_FALSE(doc.View(1).Selected);
  QTest::mouseClick(Port(), Qt::LeftButton, {}, QPoint(300, 200));  // empty slide
  EXPECT_EQ(view.Selection().primary, -1);
  EXPECT_FALSE(doc.View(0).Selected);
}

TEST_F(MiradoView, SavingKeepsTheSelectionOpeningDropsIt) {
  Add(doc, renderfixtures::Box(QRect(100, 100, 101, 101), 0xFFFFFF, 0));
  QTest::mouseClick(Port(), Qt::LeftButton, {}, QPoint(75, 75));
  view.DocumentChanged();  // as after a save
  EXPECT_EQ(view.Selection().primary, 0);
  doc.View(0).Selected = 0;  // as an opened document arrives
  view.DocumentChanged();
  EXPECT_EQ(view.Selection().primary, -1);
}

TEST_F(MiradoView, RightClickOutsideTheSlideDeselectsWithoutAMenu) {
  Add(doc, renderfixtures::Box(QRect(100, 100, 101, 101), 0xFFFFFF, 0), true);
  QTest::mouseClick(Port(), Qt::LeftButton, {}, QPoint(75, 75));
  ASSERT_EQ(view.Selection().primary, 0);
  QTest::mouseClick(Port(), Qt::RightButton, {}, QPoint(600, 500));  // beyond 523 x 359
  EXPECT_EQ(view.Selection().primary, -1);
  EXPECT_FALSE(doc.View(0).Selected);
  EXPECT_EQ(view.RightClickPoint(), QPoint(600, 500));
}

TEST_F(MiradoView, ConsoleButtonsChangeTheZoom) {
  QSignalSpy modified(&edits, &EditPath::Changed);
  QTest::mouseMove(Port(), QPoint(700, 100));
  EXPECT_TRUE(view.Console().shown);
  EXPECT_FALSE(view.Console().active);
  QTest::mouseClick(Port(), Qt::LeftButton, {}, QPoint(700, 55));  // the plus
  EXPECT_FLOAT_EQ(doc.Header().Zoom, 0.51f);
  EXPECT_TRUE(view.Console().active);
  QTest::mouseClick(Port(), Qt::LeftButton, {}, QPoint(700, 145));  // the minus
  QTest::mouseClick(Port(), Qt::LeftButton, {}, QPoint(700, 145));
  EXPECT_FLOAT_EQ(doc.Header().Zoom, 0.49f);
  EXPECT_EQ(modified.count(), 3);
  QTest::mouseClick(Port(), Qt::LeftButton, {}, QPoint(300, 300));
  EXPECT_FALSE(view.Console().shown);
  EXPECT_FALSE(view.Console().active);
}

// A console stored beyond the window is shown and pressed inside it, and the
// stored place stays for when the window grows again.
TEST_F(MiradoView, PaintingLeavesTheDocumentAlone) {
  doc.Header().ConsoleAlways = 1;
  doc.Header().ConsoleX = 5000;
  doc.Header().ConsoleY = 4000;
  Add(doc, renderfixtures::Box(QRect(100, 100, 101, 101), 0xFFFFFF, 0), true);
  view.DocumentChanged();
  const QByteArray before = renderfixtures::DocumentBytes(doc);
  view.grab();
  EXPECT_EQ(renderfixtures::DocumentBytes(doc), before);

  const QPoint centre(Port()->width() - 70, Port()->height() - 70);
  QTest::mouseClick(Port(), Qt::LeftButton, {}, centre - QPoint(0, 45));  // the plus
  EXPECT_FLOAT_EQ(doc.Header().Zoom, 0.51f);
  EXPECT_EQ(doc.Header().ConsoleX, 5000);
}

TEST_F(MiradoView, ItsCommandsRunFromTheRegistryThroughTheEditPath) {
  ASSERT_NE(commands.Find(ID_ZOOM_200), nullptr);
  EXPECT_EQ(commands.Find(ID_ZOOM_200)->label, "200%(&2)");
  EXPECT_STREQ(commands.Find(ID_CONSOLE_ALWAYS)->name, "ID_CONSOLE_ALWAYS");
  ASSERT_TRUE(commands.Run(ID_ZOOM_200));
  EXPECT_FLOAT_EQ(doc.Header().Zoom, 2.0f);
  EXPECT_TRUE(edits.IsModified());  // the zoom is saved with the document

  edits.SetModified(false);
  Add(doc, renderfixtures::Box(QRect(100, 100, 101, 101), 0xFFFFFF, 0));
  Add(doc, renderfixtures::Box(QRect(400, 100, 101, 101), 0xFFFFFF, 0));
  view.DocumentChanged();
  ASSERT_TRUE(commands.Run(ID_SELECT_ALL));
  EXPECT_EQ(view.Selection().primary, 1);
  EXPECT_TRUE(doc.View(0).Selected);
  QTest::keyClick(&view, Qt::Key_PageDown);
  EXPECT_EQ(doc.Header().CurSlide, 1);
  EXPECT_FALSE(edits.IsModified());  // selecting and moving between slides change nothing saved
}

TEST_F(MiradoView, ChangesMadeElsewhereShowAtOnce) {
  Add(doc, renderfixtures::Box(QRect(100, 100, 101, 101), 0x0000FF, 0));
  view.DocumentChanged();
  QTest::mouseClick(Port(), Qt::LeftButton, {}, QPoint(75, 75));
  ASSERT_EQ(view.Selection().primary, 0);
  EXPECT_EQ(Port()->grab().toImage().pixel(75, 75), qRgb(255, 0, 0));

  edits.Apply(EditKind::Undoable, [](Document& d) { d.RemoveObject(0); });
  EXPECT_EQ(view.Selection().primary, -1);
  EXPECT_EQ(Port()->grab().toImage().pixel(75, 75), qRgb(255, 255, 255));
}

// The view forwards presses, moves, releases and keys to the mouse model.
TEST_F(MiradoView, DraggingMovesAndArrowKeysDoNotScroll) {
  doc.Header().Zoom = 2.0f;
  Add(doc, renderfixtures::Box(QRect(100, 100, 101, 101), 0xFFFFFF, 0));
  view.DocumentChanged();
  ASSERT_GT(view.horizontalScrollBar()->maximum(), 0);
  QTest::mousePress(Port(), Qt::LeftButton, {}, QPoint(280, 300));
  QTest::mouseMove(Port(), QPoint(300, 320));
  QTest::mouseMove(Port(), QPoint(320, 340));
  QTest::mouseRelease(Port(), Qt::LeftButton, {}, QPoint(320, 340));
  EXPECT_EQ(doc.Object(0).Points[0].x, 120);
  EXPECT_EQ(doc.Object(0).Points[0].y, 120);
  QTest::keyClick(&view, Qt::Key_Right);
  EXPECT_EQ(doc.Object(0).Points[0].x, 125);
  EXPECT_EQ(view.horizontalScrollBar()->value(), 0);
  view.DeselectAll();
  QTest::keyClick(&view, Qt::Key_Right);  // nothing selected: the arrows scroll
  EXPECT_GT(view.horizontalScrollBar()->value(), 0);
}

TEST_F(MiradoView, DoubleClickOpensTheTextEditorAndAClickCommitsIt) {
  Add(doc, renderfixtures::Box(QRect(100, 100, 201, 101), 0xFFFFFF, 0));
  view.DocumentChanged();
  QSignalSpy guide(&view, &CMiradoView::GuideChanged);
  QTest::mouseDClick(Port(), Qt::LeftButton, {}, QPoint(75, 75));
  CMyEdit* editor = view.TextEditor();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->geometry(), QRect(QPoint(50, 50), QPoint(150, 105)));
  QTest::keyClicks(editor, "Hi");
  QKeyEvent accented(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("\u00e9"));
  QCoreApplication::sendEvent(editor, &accented);  // not in CP932
  EXPECT_EQ(guide.last().at(0).toString(), RefusalNote(TextRefusal::NotCp932, kTextLimit));
  QTest::mouseClick(Port(), Qt::LeftButton, {}, QPoint(400, 300));
  EXPECT_EQ(view.TextEditor(), nullptr);
  EXPECT_EQ(ObjectText(doc, 0), "Hi");
  EXPECT_TRUE(edits.IsModified());
}

}  // namespace
