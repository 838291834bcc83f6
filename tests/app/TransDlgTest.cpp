#include "app/TransDlg.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QScrollArea>
#include <QTest>

#include "MessageRecorder.h"
#include "SettingsReset.h"
#include "base/MessageIds.h"
#include "base/Settings.h"
#include "core/picture/Picture.h"
#include "render/gdi/Color.h"

namespace {

class TransDlgTest : public ::testing::Test {
 protected:
  void SetUp() override { support::ClearSettings(); }

  static QImage Picture4x2() {
    QImage image(4, 2, QImage::Format_RGB32);
    image.fill(qRgb(100, 100, 100));
    image.setPixel(3, 1, qRgb(200, 0, 0));
    return image;
  }

  MessageRecorder messages;
};

TEST_F(TransDlgTest, ClicksEditThePictureAndSavingGivesItBack) {
  CMakeTransDlg dlg(Picture4x2(), 1, gdi::Rgb(255, 255, 255));
  dlg.SetWholeImage(true);
  dlg.SetTolerance(1);
  dlg.ClickImage(QPoint(0, 0));  // every grey pixel becomes the transparent colour
  EXPECT_EQ(dlg.Model().Image().pixel(2, 0) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(dlg.Model().Image().pixel(3, 1) & 0xFFFFFF, qRgb(200, 0, 0) & 0xFFFFFFu);
  EXPECT_TRUE(dlg.UndoButton()->isEnabled());
  dlg.SetMode(CMakeTransDlg::Picker);
  dlg.ClickImage(QPoint(3, 1));
  dlg.SetMode(CMakeTransDlg::PaintFill);
  dlg.ClickImage(QPoint(0, 0));  // painted in the picked red
  EXPECT_EQ(dlg.Model().Image().pixel(1, 1) & 0xFFFFFF, qRgb(200, 0, 0) & 0xFFFFFFu);
  dlg.Hover(QPoint(3, 1));
  EXPECT_EQ(dlg.PositionText(), "(3, 1)");
  EXPECT_EQ(dlg.ColourText(), "RGB(200,   0,   0)");

  dlg.SaveAndClose();
  ASSERT_TRUE(dlg.Result());
  EXPECT_EQ(dlg.Result()->picture->Encoding(), PictureEncoding::Bmp);  // kind 1 stays a bitmap
  EXPECT_EQ(dlg.Result()->picture->Image().pixel(0, 0) & 0xFFFFFF, qRgb(200, 0, 0) & 0xFFFFFFu);
  EXPECT_EQ(dlg.Result()->trans, gdi::Rgb(255, 255, 255));
  EXPECT_EQ(GetInt("MTrans", "Mode", 0), 3);
  EXPECT_EQ(GetInt("MTrans", "Target", 0), 1);
}

TEST_F(TransDlgTest, SettingsAreCheckedWhenTheEditorOpens) {
  WriteInt("MTrans", "Hani", 500);
  WriteInt("MTrans", "Kinji", 9);
  WriteInt("MTrans", "Mode", 7);
  CMakeTransDlg dlg(Picture4x2(), 2, gdi::Rgb(255, 255, 255));
  dlg.ClickImage(QPoint(0, 0));  // mode 1, range 2, radius 200: the whole small picture
  EXPECT_EQ(dlg.Model().Image().pixel(3, 0) & 0xFFFFFF, 0xFFFFFFu);
  dlg.SaveAndClose();
  EXPECT_EQ(GetInt("MTrans", "Hani", 0), 200);
  EXPECT_EQ(GetInt("MTrans", "Kinji", 0), 3);
  ASSERT_TRUE(dlg.Result());
  EXPECT_EQ(dlg.Result()->picture->Encoding(), PictureEncoding::Gif);
}

TEST_F(TransDlgTest, CancellingAChangedPictureAsks) {
  CMakeTransDlg dlg(Picture4x2(), 1, gdi::Rgb(255, 255, 255));
  dlg.show();
  dlg.ClickImage(QPoint(0, 0));
  messages.answers = {IDNO};
  dlg.reject();
  EXPECT_TRUE(dlg.isVisible());
  messages.answers = {IDYES};
  dlg.reject();
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_FALSE(dlg.Result());
  EXPECT_EQ(messages.Ids(), (std::vector<int>{msg::AskQuitUnsaved, msg::AskQuitUnsaved}));
}

TEST_F(TransDlgTest, SavingAReducedPictureKeepsItsTransparentPixels) {
  // Hundreds of colours; the transparent colour is painted where a click hit.
  QImage many(30, 20, QImage::Format_RGB32);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 30; ++x) many.setPixel(x, y, qRgb(x * 8, y * 12, (x * y * 7) & 255));
  const COLORREF key = gdi::Rgb(0, 255, 0);
  for (int kind : {2, 0}) {
    SCOPED_TRACE(kind);
    CMakeTransDlg dlg(many, kind, key);
    dlg.SetWholeImage(false);
    dlg.SetRadius(3);
    dlg.SetTolerance(6);
    dlg.ClickImage(QPoint(10, 10));  // the 6 x 6 square from (7, 7) to (12, 12)
    dlg.SaveAndClose();
    ASSERT_TRUE(dlg.Result());
    EXPECT_EQ(dlg.Result()->picture->Encoding(), PictureEncoding::Gif);
    ASSERT_EQ(dlg.Result()->trans, key);
    const QImage saved = dlg.Result()->picture->Image().convertToFormat(QImage::Format_RGB32);
    int keyed = 0;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 30; ++x) keyed += gdi::FromQRgb(saved.pixel(x, y)) == key;
    EXPECT_EQ(keyed, 36);
  }
}

TEST_F(TransDlgTest, RangeFrameFollowsTheCursorWhereAClickWouldChangeASquare) {
  CMakeTransDlg dlg(Picture4x2(), 1, gdi::Rgb(255, 255, 255));
  struct Case {
    const char* name;
    int mode;
    bool whole;
    int radius;
    bool shown;
  };
  const Case cases[] = {
      {"transparency, square", CMakeTransDlg::Transparency, false, 3, true},
      {"pen, square", CMakeTransDlg::Pen, false, 2, true},
      {"radius 1 is one pixel", CMakeTransDlg::Transparency, false, 1, false},
      {"whole image", CMakeTransDlg::Transparency, true, 3, false},
      {"paint", CMakeTransDlg::PaintFill, false, 3, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    dlg.SetMode(c.mode);
    dlg.SetRadius(c.radius);
    dlg.SetWholeImage(c.whole);
    dlg.Hover(QPoint(3, 1));
    EXPECT_EQ(dlg.RangeFrame().has_value(), c.shown);
    if (c.shown) {
      EXPECT_EQ(*dlg.RangeFrame(), QRect(3 - c.radius, 1 - c.radius, 2 * c.radius, 2 * c.radius));
    }
  }
  // Over RGB(200, 0, 0) the product is 0: 255 x 255 x 255 itself.
  EXPECT_EQ(dlg.RangeFrameColor(), COLORREF(16581375) & 0xFFFFFF);
  EXPECT_EQ(RangeFrameColour(gdi::Rgb(255, 255, 255)), 0u);
  EXPECT_EQ(RangeFrameColour(gdi::Rgb(2, 3, 4)), COLORREF(16581375 - 24));
}

TEST(TransWheel, StepsByModifiersAndButtons) {
  struct Case {
    int notches;
    Qt::KeyboardModifiers modifiers;
    Qt::MouseButtons buttons;
    int want;
  };
  const Case cases[] = {
      {1, Qt::NoModifier, Qt::NoButton, 10},
      {-2, Qt::NoModifier, Qt::NoButton, -20},
      {1, Qt::ControlModifier, Qt::NoButton, 100},
      {1, Qt::ControlModifier | Qt::ShiftModifier, Qt::NoButton, -100},
      {1, Qt::NoModifier, Qt::RightButton, -10},
      {1, Qt::ShiftModifier, Qt::NoButton, 10},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TransWheelStep(c.notches, c.modifiers, c.buttons), c.want) << c.notches << " " << c.modifiers;
}

TEST_F(TransDlgTest, ZoomedViewScrollsByTheWheelAndShowsItsPartInTheOverview) {
  QImage big(400, 300, QImage::Format_RGB32);
  big.fill(qRgb(10, 20, 30));
  CMakeTransDlg dlg(big, 1, gdi::Rgb(255, 255, 255));
  dlg.resize(700, 520);
  dlg.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
  dlg.SetZoom(4);
  EXPECT_EQ(dlg.ScrollPosition(), QPoint(0, 0));
  dlg.Wheel(3, Qt::NoModifier, Qt::NoButton);
  EXPECT_EQ(dlg.ScrollPosition(), QPoint(0, 30));
  dlg.Wheel(1, Qt::ControlModifier, Qt::NoButton);
  EXPECT_EQ(dlg.ScrollPosition(), QPoint(0, 130));
  const QRect part = dlg.VisiblePart();
  EXPECT_EQ(part.topLeft(), QPoint(0, 130 / 4));
  EXPECT_LT(part.width(), 400);
  dlg.SetZoom(0);
  EXPECT_EQ(dlg.VisiblePart(), QRect(0, 0, 400, 300));
}

TEST_F(TransDlgTest, ClosingKeepsTheWindowsPlaceAndSize) {
  {
    CMakeTransDlg dlg(Picture4x2(), 1, gdi::Rgb(255, 255, 255));
    dlg.resize(900, 800);
    dlg.reject();
  }
  EXPECT_EQ(GetInt("MTrans", "SX", 0), 900);
  EXPECT_EQ(GetInt("MTrans", "SY", 0), 800);
  EXPECT_EQ(GetInt("MTrans", "Zoomed", -1), 0);
  WriteInt("MTrans", "SX", 300);  // never smaller than the first size
  CMakeTransDlg again(Picture4x2(), 1, gdi::Rgb(255, 255, 255));
  EXPECT_GE(again.width(), 640);
}

TEST_F(TransDlgTest, TransparentPixelsShowTheBackgroundAtEverySize) {
  WriteColor("MTrans", "refBk", gdi::Rgb(0, 255, 0));
  for (QSize size : {QSize(40, 20), QSize(2400, 1200)}) {
    SCOPED_TRACE(size.width());
    // The left half has the transparent colour, the right half is red.
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(qRgb(200, 0, 0));
    for (int y = 0; y < size.height(); ++y)
      for (int x = 0; x < size.width() / 2; ++x) picture.setPixel(x, y, qRgb(255, 255, 255));
    CMakeTransDlg dlg(picture, 1, gdi::Rgb(255, 255, 255));
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    QWidget* view = dlg.findChild<QScrollArea*>()->widget();
    const QImage shown = view->grab().toImage();
    const QPoint centre(shown.width() / 2, shown.height() / 2);
    EXPECT_EQ(shown.pixel(centre - QPoint(5, 0)) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(shown.pixel(centre + QPoint(5, 0)) & 0xFFFFFF, 0xC80000u);
    EXPECT_EQ(shown.pixel(1, 1) & 0xFFFFFF, 0x00FF00u);  // around the picture
  }
}

TEST_F(TransDlgTest, NoPictureCannotBeEdited) {
  EXPECT_FALSE(CMakeTransDlg::Edit(nullptr, 1, 0, nullptr));
  EXPECT_EQ(messages.Ids(), std::vector<int>{msg::ImageSetFailed});
}

}  // namespace
