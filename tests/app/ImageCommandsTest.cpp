#include "app/ImageCommands.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <set>

#include "ImageBytes.h"
#include "MessageRecorder.h"
#include "SettingsReset.h"
#include "app/MainRibbon.h"
#include "app/MainWindow.h"
#include "app/Ribbon.h"
#include "app/MiradoDoc.h"
#include "base/MessageIds.h"
#include "core/Document.h"
#include "core/picture/Picture.h"
#include "editor/ContextMenus.h"
#include "editor/MiradoView.h"
#include "render/gdi/Color.h"

namespace {

class ImageCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    support::ClearSettings();
    FileDialogs dialogs;
    dialogs.images.openPicture = [this](QWidget*, const QString&) { return openAnswer; };
    dialogs.openPicture = [this](QWidget*) { return openAnswer; };
    dialogs.images.savePicture = [this](QWidget*, const QStringList& filters, int selected) {
      saveFilters = filters;
      saveSelected = selected;
      return saveAnswer;
    };
    dialogs.images.showFolder = [](const QString&) { return true; };
    window = std::make_unique<MainWindow>(file, dialogs);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }

  QString Write(const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
  }

  QWidget* Viewport() { return window->View()->viewport(); }

  // Client pixels of the middle of object `index`'s frame.
  QPoint Middle(int index) {
    const ObjectRecord& r = doc.Object(index);
    const float zoom = doc.Header().Zoom;
    const QPoint view(int((r.Points[0].x + r.Points[2].x) / 2 * zoom), int((r.Points[0].y + r.Points[2].y) / 2 * zoom));
    return view - QPoint(window->View()->horizontalScrollBar()->value(), window->View()->verticalScrollBar()->value());
  }

  void Drop(const QStringList& paths, QPoint at) {
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString& p : paths) urls << QUrl::fromLocalFile(p);
    mime.setUrls(urls);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(Viewport(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(Viewport(), &drop);
  }

  QTemporaryDir dir;
  Document doc;
  CMiradoDoc file{doc};
  MessageRecorder messages;
  QString openAnswer, saveAnswer;
  QStringList saveFilters;
  int saveSelected = -1;
  std::unique_ptr<MainWindow> window;
};

QByteArray Jpeg(int w, int h, int seed = 1) { return support::EncodeImage(support::PatternImage(w, h, seed), "jpeg"); }

// A 40 x 40 PNG: a clear left half, an opaque rest of `colours` stripes.
QByteArray KeyedPng(int colours = 3) {
  QImage image(40, 40, QImage::Format_ARGB32);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) image.setPixel(x, y, x < 20 ? qRgba(0, 0, 0, 0) : qRgb(x % colours * 40, 90, 10));
  return support::EncodeImage(image, "png");
}

TEST_F(ImageCommandsTest, DroppedFilesOnEmptySpaceBecomeImages) {
  const QByteArray jpeg = Jpeg(60, 40);
  const QString a = Write("a.JPG", jpeg), b = Write("b.png", KeyedPng()), note = Write("note.txt", "x");
  Drop({a, note, b, dir.path()}, QPoint(5, 5));
  ASSERT_EQ(doc.ObjCount(), 2);
  EXPECT_EQ(doc.PictureOf(0)->Save(), jpeg);  // kept as it came
  EXPECT_EQ(doc.Object(0).ImageKind, 0);
  EXPECT_EQ(doc.Object(1).TransOn, 1);
  EXPECT_EQ(doc.Object(1).refTrans, gdi::Rgb(255, 255, 255));  // the PNG's own colour
  ASSERT_EQ(messages.Ids(), std::vector<int>{msg::DropOnlyImages});
  EXPECT_EQ(messages.messages[0].prefix, note + "\n");
  EXPECT_TRUE(file.IsModified());
}

TEST_F(ImageCommandsTest, DropOnAnImageAsksOnceAndReplacesWithTheFirstImageFile) {
  Drop({Write("old.jpg", Jpeg(60, 40))}, QPoint(5, 5));
  ASSERT_EQ(doc.ObjCount(), 1);
  const QByteArray first = Jpeg(30, 30, 2);
  const QRect frameBefore(doc.Object(0).Points[0].x, doc.Object(0).Points[0].y, 0, 0);

  messages.answers = {IDNO};
  Drop({Write("first.jpg", first), Write("second.jpg", Jpeg(20, 20, 3))}, Middle(0));
  EXPECT_EQ(messages.Ids(), std::vector<int>{msg::AskChangeImage});
  EXPECT_NE(doc.PictureOf(0)->Save(), first);

  messages.answers = {IDYES};
  Drop({Write("first.jpg", first), Write("second.jpg", Jpeg(20, 20, 3))}, Middle(0));
  ASSERT_EQ(doc.ObjCount(), 1);
  EXPECT_EQ(doc.PictureOf(0)->Save(), first);
  EXPECT_EQ(doc.Object(0).Points[0].x, frameBefore.x());  // stretched into the old frame

  messages.messages.clear();
  Drop({Write("only.txt", "x")}, Middle(0));  // nothing to replace with: no question
  EXPECT_EQ(messages.Ids(), std::vector<int>{msg::DropOnlyImages});
}

TEST_F(ImageCommandsTest, ReplacingWithABrokenFileKeepsTheOldPicture) {
  openAnswer = Write("good.png", KeyedPng());
  window->Commands().Run(ID_IMAGE_ADD);
  ASSERT_EQ(doc.ObjCount(), 1);
  const QByteArray before = doc.PictureOf(0)->Save();
  const ObjectRecord record = doc.Object(0);

  for (const QByteArray& broken : {QByteArray("BM\x10\x00", 4), Jpeg(50, 50).left(40), QByteArray()}) {
    messages.messages.clear();
    openAnswer = Write("broken.bmp", broken);
    window->Commands().Run(ID_IMAGE_CHANGE);
    EXPECT_EQ(messages.Ids().back(), msg::NoImage);
    EXPECT_EQ(messages.messages.back().prefix, openAnswer + "\n");
    ASSERT_NE(doc.PictureOf(0), nullptr);
    EXPECT_EQ(doc.PictureOf(0)->Save(), before);
    EXPECT_EQ(doc.Object(0).Picture, record.Picture);
    EXPECT_EQ(doc.Object(0).refTrans, record.refTrans);
  }
  EXPECT_EQ(messages.Ids().front(), msg::BitmapInfoFailed);  // the damaged header says why first
}

TEST_F(ImageCommandsTest, TransparencyIsPickedByClickingAndRemoved) {
  openAnswer = Write("photo.jpg", Jpeg(60, 40));
  window->Commands().Run(ID_IMAGE_ADD);
  ASSERT_EQ(doc.ObjCount(), 1);
  ASSERT_EQ(doc.Object(0).TransOn, 0);

  window->Commands().Run(ID_TRANS_PICK);
  EXPECT_TRUE(window->View()->TransPicking());
  const QPoint at = Middle(0);
  QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::NoModifier, at);
  EXPECT_FALSE(window->View()->TransPicking());
  const ObjectRecord& r = doc.Object(0);
  EXPECT_EQ(r.TransOn, 1);
  EXPECT_EQ(r.ImageKind, 1);  // a small picture of many colours stays in full colour
  // The colour is one of the picture's, the nearest to what the screen showed.
  const QImage picture = doc.PictureOf(0)->Image();
  bool inPicture = false;
  for (int y = 0; y < picture.height() && !inPicture; ++y)
    for (int x = 0; x < picture.width() && !inPicture; ++x)
      inPicture = gdi::FromQRgb(picture.pixel(x, y)) == r.refTrans;
  EXPECT_TRUE(inPicture);
  EXPECT_TRUE(messages.Ids().empty());

  window->Commands().Run(ID_TRANS_OFF);
  EXPECT_EQ(doc.Object(0).TransOn, 0);
  EXPECT_EQ(doc.Object(0).ImageKind, 1);
}

TEST_F(ImageCommandsTest, PickingOnAFewColouredPictureReducesIt) {
  QImage drawing(60, 40, QImage::Format_RGB32);
  drawing.fill(qRgb(200, 10, 10));
  for (int x = 0; x < 30; ++x)
    for (int y = 0; y < 40; ++y) drawing.setPixel(x, y, qRgb(10, 10, 200));
  openAnswer = Write("drawing.bmp", support::EncodeImage(drawing, "bmp"));
  window->Commands().Run(ID_IMAGE_ADD);
  ASSERT_EQ(doc.ObjCount(), 1);
  window->Commands().Run(ID_TRANS_PICK);
  QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::NoModifier, Middle(0) + QPoint(5, 0));
  EXPECT_EQ(doc.Object(0).ImageKind, 2);
  EXPECT_EQ(doc.Object(0).TransOn, 1);
  EXPECT_EQ(doc.PictureOf(0)->Encoding(), PictureEncoding::Gif);

  // Saved as GIF it is a transparent GIF; the dialog named it so.
  saveAnswer = dir.filePath("out.gif");
  window->Commands().Run(ID_IMAGE_SAVE);
  EXPECT_EQ(saveSelected, 1);
  EXPECT_EQ(saveFilters.value(1), QString::fromUtf8("透過GIFファイル(*.gif)"));
  QFile out(saveAnswer);
  ASSERT_TRUE(out.open(QIODevice::ReadOnly));
  EXPECT_TRUE(out.readAll().contains(QByteArray("\x21\xF9\x04\x01", 4)));  // transparency flag set
  EXPECT_EQ(messages.Ids(), std::vector<int>{msg::AskShowPackage});
}

TEST_F(ImageCommandsTest, SavingAsksBeforeOverwritingAndBeforeAnOpaqueGif) {
  openAnswer = Write("keyed.png", KeyedPng());
  window->Commands().Run(ID_IMAGE_ADD);
  ASSERT_EQ(doc.Object(0).ImageKind, 1);
  saveAnswer = Write("exists.gif", "old");
  messages.answers = {IDYES, IDNO};  // overwrite: yes; not a transparent GIF, continue: no
  window->Commands().Run(ID_IMAGE_SAVE);
  EXPECT_EQ(saveSelected, 2);  // bitmap for a full-colour transparent picture
  EXPECT_EQ(messages.Ids(), (std::vector<int>{msg::AskOverwriteExisting, msg::AskGifNot256}));
  QFile old(saveAnswer);
  old.open(QIODevice::ReadOnly);
  EXPECT_EQ(old.readAll(), QByteArray("old"));

  messages.messages.clear();
  saveAnswer = dir.filePath("copy.png");
  window->Commands().Run(ID_IMAGE_SAVE);
  QImage saved(saveAnswer);
  EXPECT_EQ(saved.size(), QSize(40, 40));
  EXPECT_EQ(messages.Ids(), std::vector<int>{msg::AskShowPackage});
}

TEST_F(ImageCommandsTest, AnInsertedJpegComesBackByteForByteThroughUndoAndSaving) {
  const QByteArray jpeg = Jpeg(80, 60);
  openAnswer = Write("photo.jpg", jpeg);
  window->Commands().Run(ID_IMAGE_ADD);
  ASSERT_EQ(doc.ObjCount(), 1);
  QApplication::setActiveWindow(window.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  window->View()->setFocus();

  QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::NoModifier, Middle(0));
  messages.answers = {IDYES};
  QTest::keyClick(window->View(), Qt::Key_Delete);
  ASSERT_EQ(doc.ObjCount(), 0);
  QTest::keyClick(window->View(), Qt::Key_Z, Qt::ControlModifier);
  ASSERT_EQ(doc.ObjCount(), 1);
  ASSERT_NE(doc.PictureOf(0), nullptr);
  EXPECT_EQ(doc.PictureOf(0)->Save(), jpeg);

  const QString path = dir.filePath("talk.tvl");
  ASSERT_TRUE(file.SaveDocument(path, nullptr));
  Document reread;
  CMiradoDoc opened(reread);
  ASSERT_TRUE(opened.OpenDocument(path, nullptr));
  ASSERT_EQ(reread.ObjCount(), 1);
  EXPECT_EQ(reread.PictureOf(0)->Save(), jpeg);
  EXPECT_EQ(reread.Object(0).ImageKind, 0);
}

TEST_F(ImageCommandsTest, TheRibbonGalleryInsertsAPictureAndTheImageMenuOffersItsCommands) {
  openAnswer = Write("keyed.png", KeyedPng());
  QMenu* gallery = window->RibbonBar()->Widget().GalleryMenu(ID_RIBBON_PBTN_1);
  ASSERT_NE(gallery, nullptr);
  auto* picture = gallery->findChild<QToolButton*>(QStringLiteral("ObjectItem28"));
  ASSERT_NE(picture, nullptr);
  picture->click();
  ASSERT_EQ(doc.ObjCount(), 1);
  EXPECT_EQ(doc.Object(0).TransOn, 1);  // the PNG's transparency came with it
  EXPECT_EQ(doc.Object(0).ImageKind, 1);

  // A right click on the image opens its menu; every image command is there and enabled.
  std::set<int> enabled;
  QTimer::singleShot(0, [&enabled] {
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!popup) return;
    for (QAction* a : popup->actions())
      if (a->isEnabled()) enabled.insert(a->data().toInt());
    popup->close();
  });
  QTest::mouseClick(Viewport(), Qt::RightButton, Qt::NoModifier, Middle(0));
  for (int id : {ID_IMAGE_CHANGE, ID_IMAGE_SAVE, ID_TRANS_PICK, ID_TRANS_OFF, ID_IMAGE_PROPERTY})
    EXPECT_TRUE(enabled.count(id)) << id;

  // A .jpg chosen in the gallery keeps its bytes, as from the right-click menu.
  const QByteArray jpeg = Jpeg(40, 30);
  openAnswer = Write("photo.JPG", jpeg);
  picture->click();
  ASSERT_EQ(doc.ObjCount(), 2);
  EXPECT_EQ(doc.PictureOf(1)->Save(), jpeg);
}

}  // namespace
