#include "app/NodeDlg.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "ImageBytes.h"
#include "MessageRecorder.h"
#include "SettingsReset.h"
#include "app/TransDlg.h"
#include "base/MessageIds.h"
#include "core/Document.h"
#include "core/EditPath.h"
#include "core/picture/Picture.h"
#include "editor/NodeRules.h"
#include "export/PictureLoader.h"
#include "render/gdi/Color.h"

namespace {

class NodeDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    support::ClearSettings();
    doc.Header().SlideW = 800;
    doc.Header().SlideH = 600;
    doc.Header().Zoom = 1.0f;
    edits.SetSnapshotTaker([this](const Document&) { ++snapshots; });
  }

  // An image of `picture` in an unturned frame.
  int AddImage(const QImage& picture, QRect frame, COLORREF trans = kNoColor) {
    return AddPicture(Picture::Wrap(picture), frame, trans);
  }

  int AddPicture(std::shared_ptr<const Picture> picture, QRect frame, COLORREF trans = kNoColor) {
    ObjectRecord r{};
    r.ObjClass = objclass::Image;
    r.ObjKind = 1;
    r.PointNum = 4;
    r.Points[0] = {frame.left(), frame.top()};
    r.Points[1] = {frame.left() + frame.width(), frame.top()};
    r.Points[2] = {frame.left() + frame.width(), frame.top() + frame.height()};
    r.Points[3] = {frame.left(), frame.top() + frame.height()};
    r.CenterX = frame.left() + frame.width() / 2;
    r.CenterY = frame.top() + frame.height() / 2;
    r.refMen = r.refLine = kNoColor;
    r.TransOn = trans != kNoColor;
    r.refTrans = trans;
    r.ImageKind = trans != kNoColor ? 1 : 0;
    r.Picture = doc.Pictures().Add(std::move(picture));
    const int i = *doc.AddObject(r);
    doc.View(i).Selected = 1;
    return i;
  }

  std::unique_ptr<CNodeDlg> Open(int index) {
    NodeDlgHooks hooks;
    hooks.chooseColour = [](COLORREF, QWidget*) { return std::optional<COLORREF>(gdi::Rgb(0, 255, 0)); };
    hooks.editTransparency = [this](std::shared_ptr<const Picture>, int, COLORREF, QWidget*) { return edited; };
    return std::make_unique<CNodeDlg>(edits, index, hooks);
  }

  static QImage Solid(int w, int h, QRgb c) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(c);
    return image;
  }

  Document doc;
  EditPath edits{doc};
  MessageRecorder messages;
  int snapshots = 0;
  std::optional<EditedPicture> edited;
};

TEST_F(NodeDlgTest, OpeningShowsThePictureAndWhatCanBeDone) {
  const int i = AddImage(Solid(120, 80, qRgb(1, 2, 3)), QRect(10, 10, 120, 80));
  doc.Object(i).Angle = 0.5f;
  auto dlg = Open(i);
  EXPECT_EQ(dlg->WidthSpin()->value(), 120);
  EXPECT_EQ(dlg->HeightSpin()->value(), 80);
  EXPECT_EQ(dlg->AngleSpin()->value(), 332);
  EXPECT_EQ(dlg->PictureSizeText(), QString::fromUtf8("120 × 80"));
  EXPECT_EQ(dlg->ByteText(), ByteCountText(doc.PictureOf(i)->Save().size()));
  EXPECT_EQ(dlg->TransText(), QString::fromUtf8("設定なし"));
  for (int control : {1006, 1003, 1040, 1015, 1017, 1018}) EXPECT_FALSE(dlg->Button(control)->isEnabled()) << control;
  EXPECT_TRUE(dlg->Button(1016)->isEnabled());
}

TEST_F(NodeDlgTest, ActualSizeTakesOneUndoStepOnlyWhenItFits) {
  const int small = AddImage(Solid(300, 200, qRgb(1, 2, 3)), QRect(10, 10, 100, 50));
  auto dlg = Open(small);
  QTest::mouseClick(dlg->Button(1006), Qt::LeftButton);
  EXPECT_EQ(FrameSize(doc.Object(small)), QSize(300, 200));
  EXPECT_EQ(dlg->WidthSpin()->value(), 300);
  EXPECT_EQ(snapshots, 1);
  EXPECT_FALSE(dlg->Button(1006)->isEnabled());

  const int big = AddImage(Solid(790, 200, qRgb(1, 2, 3)), QRect(10, 300, 100, 50));
  const ObjectRecord before = doc.Object(big);
  auto refused = Open(big);
  refused->ActualSize();
  EXPECT_EQ(messages.Ids(), std::vector<int>{msg::TooLargeForView});
  EXPECT_EQ(FrameSize(doc.Object(big)), FrameSize(before));
  EXPECT_EQ(snapshots, 1);  // no empty undo step
}

TEST_F(NodeDlgTest, ActualSizeIsThePicturesPixelsAtNinetySixDpi) {
  // The file says 300 dpi; on the slide a pixel is a pixel all the same.
  QImage photo = support::PatternImage(150, 90);
  photo.setDotsPerMeterX(11811);
  photo.setDotsPerMeterY(11811);
  const Result<LoadedPicture> loaded = LoadPicture(support::EncodeImage(photo, "jpeg"), "jpeg");
  ASSERT_TRUE(loaded);
  ASSERT_EQ(loaded->picture->Encoding(), PictureEncoding::Jpeg);
  EXPECT_EQ(loaded->pixels, QSize(150, 90));
  const int i = AddPicture(loaded->picture, QRect(20, 20, 40, 30));
  auto dlg = Open(i);
  EXPECT_EQ(dlg->PictureSizeText(), QString::fromUtf8("150 × 90"));
  QTest::mouseClick(dlg->Button(1006), Qt::LeftButton);
  EXPECT_EQ(FrameSize(doc.Object(i)), QSize(150, 90));
  EXPECT_EQ(doc.Object(i).Points[0].x, 20);
  EXPECT_EQ(doc.Object(i).Points[0].y, 20);
}

TEST_F(NodeDlgTest, SameAspectRatioByWidthOrByHeight) {
  struct Case {
    bool byHeight;
    QSize want;
  };
  for (const Case& c : {Case{false, QSize(200, 200)}, Case{true, QSize(100, 100)}}) {
    SCOPED_TRACE(c.byHeight);
    const int i = AddImage(Solid(300, 300, qRgb(1, 2, 3)), QRect(50, 50, 200, 100));
    auto dlg = Open(i);
    EXPECT_TRUE(dlg->Button(1003)->isEnabled());
    dlg->ByHeight()->setChecked(c.byHeight);
    QTest::mouseClick(dlg->Button(1003), Qt::LeftButton);
    EXPECT_EQ(FrameSize(doc.Object(i)), c.want);
    EXPECT_FALSE(dlg->Button(1003)->isEnabled());
  }
  EXPECT_EQ(snapshots, 0);
}

TEST_F(NodeDlgTest, ReductionKeepsTheTransparentColourAndRestoresOnce) {
  QImage many(40, 40, QImage::Format_RGB32);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) many.setPixel(x, y, qRgb(x * 6, y * 6, (x * y) & 255));
  many.setPixel(0, 0, qRgb(255, 0, 255));
  const int i = AddImage(many, QRect(10, 10, 40, 40), gdi::Rgb(255, 0, 255));
  const Picture* original = doc.PictureOf(i);
  auto dlg = Open(i);
  QTest::mouseClick(dlg->Button(1016), Qt::LeftButton);
  EXPECT_EQ(messages.Ids(), std::vector<int>{msg::ReducedTo256});
  EXPECT_EQ(doc.Object(i).ImageKind, 2);
  EXPECT_EQ(doc.PictureOf(i)->Encoding(), PictureEncoding::Gif);
  EXPECT_EQ(doc.Object(i).refTrans, gdi::Rgb(255, 0, 255));  // kept exactly through the reduction
  EXPECT_EQ(doc.PictureOf(i)->Image().pixel(0, 0) & 0xFFFFFF, 0xFF00FFu);
  EXPECT_TRUE(dlg->Button(1016)->isEnabled());

  ASSERT_TRUE(dlg->Button(1017)->isEnabled());
  QTest::mouseClick(dlg->Button(1017), Qt::LeftButton);
  EXPECT_EQ(doc.PictureOf(i), original);
  EXPECT_EQ(doc.Object(i).ImageKind, 1);
  EXPECT_FALSE(dlg->Button(1017)->isEnabled());
}

TEST_F(NodeDlgTest, FittingThePictureAsksAboutTransparencyAndCanBeRestored) {
  const int i = AddImage(Solid(300, 200, qRgb(9, 9, 9)), QRect(10, 10, 150, 100), gdi::Rgb(9, 9, 9));
  const Picture* original = doc.PictureOf(i);
  auto dlg = Open(i);
  messages.answers = {IDCANCEL};
  dlg->FitPicture();
  EXPECT_EQ(doc.PictureOf(i), original);
  messages.answers = {IDYES};
  QTest::mouseClick(dlg->Button(1040), Qt::LeftButton);
  EXPECT_EQ(doc.PictureOf(i)->PixelSize(), QSize(150, 100));
  EXPECT_EQ(doc.PictureOf(i)->Encoding(), PictureEncoding::Bmp);  // Yes keeps the exact key colour
  EXPECT_EQ(messages.Ids(), (std::vector<int>{msg::AskKeepTransparency, msg::AskKeepTransparency}));
  QTest::mouseClick(dlg->Button(1018), Qt::LeftButton);
  EXPECT_EQ(doc.PictureOf(i), original);
}

TEST_F(NodeDlgTest, EditorResultReplacesThePictureAndColour) {
  const int i = AddImage(Solid(20, 20, qRgb(9, 9, 9)), QRect(10, 10, 20, 20), gdi::Rgb(9, 9, 9));
  auto dlg = Open(i);
  ASSERT_TRUE(dlg->Button(1015)->isEnabled());
  const auto fresh = Picture::Wrap(Solid(20, 20, qRgb(255, 255, 255)));
  edited = EditedPicture{fresh, gdi::Rgb(255, 255, 255)};
  QTest::mouseClick(dlg->Button(1015), Qt::LeftButton);
  EXPECT_EQ(doc.PictureOf(i), fresh.get());
  EXPECT_EQ(doc.Object(i).refTrans, gdi::Rgb(255, 255, 255));
  EXPECT_EQ(dlg->TransText(), QString::fromUtf8("RGB(255, 255, 255)"));
}

TEST_F(NodeDlgTest, PreviewLeavesOutOnlyTheObjectsOwnColour) {
  // A pixel of RGB(32, 0, 204) is an ordinary colour of a picture without a key.
  QImage picture = Solid(10, 10, qRgb(32, 0, 204));
  picture.setPixel(0, 0, qRgb(1, 1, 1));
  const int plain = AddImage(picture, QRect(0, 0, 10, 10));
  auto dlg = Open(plain);
  dlg->ChooseBackground();  // green
  const QImage shown = Open(plain)->Preview();
  const QPoint middle(shown.width() / 2, shown.height() / 2);
  EXPECT_EQ(shown.pixel(middle) & 0xFFFFFF, qRgb(32, 0, 204) & 0xFFFFFFu);
  EXPECT_EQ(shown.pixel(0, 0) & 0xFFFFFF, qRgb(0, 255, 0) & 0xFFFFFFu);  // the stored background

  const int keyed = AddImage(picture, QRect(0, 0, 10, 10), gdi::Rgb(32, 0, 204));
  EXPECT_EQ(Open(keyed)->Preview().pixel(middle) & 0xFFFFFF, qRgb(0, 255, 0) & 0xFFFFFFu);
}

}  // namespace
