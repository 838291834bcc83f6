// The editing commands on the real main window, driven as a user drives them.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include "AppFixtures.h"
#include "MessageRecorder.h"
#include "RibbonFixtures.h"
#include "SettingsReset.h"
#include "app/KansetValues.h"
#include "app/MainWindow.h"
#include "app/MiradoDoc.h"
#include "base/Cp932.h"
#include "core/container/WorkFolder.h"
#include "editor/EditCommands.h"
#include "editor/MiradoView.h"
#include "editor/ObjectClipboard.h"
#include "editor/ObjectPlacement.h"
#include "editor/Selection.h"
#include "tests/render/RenderFixtures.h"

namespace {

const QByteArray kPictureBytes = fixtures::PaddedBmp(1000);

// Slide 0: two boxes and an image; slide 1: one box. Zoom 1, so client
// pixels of the view are slide units.
bool SaveTalk(const QString& path) {
  Document doc;
  renderfixtures::Reset(doc, 2);
  doc.Header().ConsoleAlways = 0;
  doc.AddObject(renderfixtures::Box(QRect(100, 100, 200, 150), 0xFF0000, 0));
  doc.AddObject(renderfixtures::Box(QRect(400, 100, 200, 150), 0x00FF00, 0));
  ObjectRecord& image = doc.Object(fixtures::AddImage(doc, kPictureBytes, 0));
  const ObjectRecord frame = renderfixtures::Box(QRect(700, 100, 100, 100), kNoColor);
  std::copy(frame.Points, frame.Points + 4, image.Points);
  image.CenterX = frame.CenterX;
  image.CenterY = frame.CenterY;
  doc.AddObject(renderfixtures::Box(QRect(100, 400, 100, 100), 0x0000FF, 0, 1));
  for (int i = 0; i < doc.ObjCount(); ++i) doc.View(i).Selected = 0;
  CMiradoDoc file(doc);
  return file.SaveDocument(path, nullptr);
}

class EditingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    support::ClearSettings();
    path = dir.filePath("talk.tvl");
    ASSERT_TRUE(SaveTalk(path));
    window = std::make_unique<MainWindow>(file);
    ASSERT_TRUE(window->OpenFile(path));
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    View()->setFocus();
  }

  CMiradoView* View() { return window->View(); }
  void Key(Qt::Key key, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(View(), key, mods); }

  QTemporaryDir dir;
  QString path;
  Document doc;
  CMiradoDoc file{doc};
  MessageRecorder messages;
  std::unique_ptr<MainWindow> window;
};

TEST_F(EditingTest, SelectAllCopyNextSlidePasteDeleteUndoSave) {
  Key(Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(SelectedOnSlide(doc, 0), 3);
  // A slide copied earlier gives way to the objects.
  QFile slideClip(ClipboardFilePath());
  ASSERT_TRUE(slideClip.open(QIODevice::WriteOnly));
  slideClip.close();
  Key(Qt::Key_C, Qt::ControlModifier);
  ASSERT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat(kObjectsMime));
  EXPECT_FALSE(slideClip.exists());
  Key(Qt::Key_PageDown);
  ASSERT_EQ(doc.Header().CurSlide, 1);
  Key(Qt::Key_V, Qt::ControlModifier);
  ASSERT_EQ(doc.ObjCount(), 7);
  EXPECT_EQ(SelectedOnSlide(doc, 1), 3);

  // A click on empty space, then on the pasted green box, selects it alone;
  // Delete asks, then removes it.
  QTest::mouseClick(View()->viewport(), Qt::LeftButton, {}, QPoint(700, 300));
  QTest::mouseClick(View()->viewport(), Qt::LeftButton, {}, QPoint(510, 180));
  EXPECT_EQ(SelectedOnSlide(doc, 1), 1);
  ASSERT_EQ(View()->Selection().primary, 5);
  messages.answers = {IDYES};
  Key(Qt::Key_Delete);
  EXPECT_EQ(messages.Ids(), std::vector<int>{30022});
  ASSERT_EQ(doc.ObjCount(), 6);
  Key(Qt::Key_Z, Qt::ControlModifier);
  ASSERT_EQ(doc.ObjCount(), 7);
  Key(Qt::Key_S, Qt::ControlModifier);

  Document saved;
  CMiradoDoc reread(saved);
  ASSERT_TRUE(reread.OpenDocument(path, nullptr));
  ASSERT_EQ(saved.ObjCount(), 7);
  const int expectedSlides[] = {0, 0, 0, 1, 1, 1, 1};
  for (int i = 0; i < 7; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(saved.Object(i).Slide, expectedSlides[i]);
    EXPECT_EQ(saved.Object(i).ObjNo, i + 1);
  }
  for (int k = 0; k < 3; ++k) {
    const ObjectRecord& original = saved.Object(k);
    const ObjectRecord& copy = saved.Object(4 + k);
    EXPECT_EQ(copy.Points[0].x, original.Points[0].x + 10);
    EXPECT_EQ(copy.Points[0].y, original.Points[0].y + 10);
    EXPECT_EQ(copy.refMen, original.refMen);
  }
  ASSERT_NE(saved.PictureOf(6), nullptr);
  EXPECT_EQ(saved.PictureOf(6)->Save(), kPictureBytes);
  EXPECT_EQ(messages.Ids(), std::vector<int>{30022});
}

TEST_F(EditingTest, TheAlignmentButtonAlignsAndOneUndoTakesItBack) {
  QMenu* align = ribbonfixtures::Button(*window, "ID_SEIRETU_BTN")->menu();
  ASSERT_NE(align, nullptr);
  emit align->aboutToShow();
  QAction* toLeft = align->actions().at(0);
  EXPECT_EQ(toLeft->objectName(), "ID_TO_LEFT");
  EXPECT_EQ(toLeft->text(), QString::fromUtf8("左揃え(&L)"));
  EXPECT_FALSE(toLeft->isEnabled());  // nothing selected

  Key(Qt::Key_A, Qt::ControlModifier);
  emit align->aboutToShow();
  ASSERT_TRUE(toLeft->isEnabled());
  const int primary = View()->Selection().primary;
  const float zoom = doc.Header().Zoom;
  const int before = UnitBox(doc.Object(0), zoom).left;
  toLeft->trigger();
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(UnitBox(doc.Object(i), zoom).left, UnitBox(doc.Object(primary), zoom).left) << i;
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(UnitBox(doc.Object(0), zoom).left, before);
  EXPECT_EQ(UnitBox(doc.Object(1), zoom).left, 400);
}

TEST_F(EditingTest, F2TurnsTheOperationGuideOffAndOn) {
  AnimeGuide app{3, 2, 1};  // the application's values, stored at exit
  window->SetAnimeGuide([&] { return app; }, [&](const AnimeGuide& kept) { app = kept; });
  ASSERT_TRUE(View()->GuideOn());
  Key(Qt::Key_F2);
  EXPECT_FALSE(View()->GuideOn());
  EXPECT_EQ(app.dspGuide, 0);
  EXPECT_EQ(app.playAnime, 3);
  EXPECT_EQ(window->statusBar()->currentMessage(),
            QString::fromUtf8("ステータスバーに操作ガイドを表示しないように設定しました"));
  Key(Qt::Key_F2);
  EXPECT_TRUE(View()->GuideOn());
  EXPECT_EQ(app.dspGuide, 1);
}

TEST_F(EditingTest, OutsideTextAndPicturesPasteAsNewObjectsInOneStepEach) {
  QGuiApplication::clipboard()->setText(QString::fromUtf8("一行目\r\n二行目\r\n"));
  messages.answers = {IDNO};  // one object per line
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(messages.Ids(), std::vector<int>{30009});
  ASSERT_EQ(doc.ObjCount(), 6);
  EXPECT_EQ(DecodeCp932Buffer(doc.Object(4).Text, sizeof doc.Object(4).Text), QString::fromUtf8("一行目"));
  EXPECT_EQ(DecodeCp932Buffer(doc.Object(5).Text, sizeof doc.Object(5).Text), QString::fromUtf8("二行目"));
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(doc.ObjCount(), 4);

  // A picture of the same size as our own copy's still pastes.
  Key(Qt::Key_A, Qt::ControlModifier);
  Key(Qt::Key_C, Qt::ControlModifier);
  const QImage ours = qvariant_cast<QImage>(QGuiApplication::clipboard()->mimeData()->imageData());
  QImage outside(ours.size(), QImage::Format_RGB32);
  outside.fill(Qt::magenta);
  QGuiApplication::clipboard()->setImage(outside);
  Key(Qt::Key_V, Qt::ControlModifier);
  ASSERT_EQ(doc.ObjCount(), 5);
  EXPECT_EQ(doc.Object(4).ObjClass, objclass::Image);
  ASSERT_NE(doc.PictureOf(4), nullptr);
}

}  // namespace
