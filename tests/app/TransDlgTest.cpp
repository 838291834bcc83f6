#include "app/TransDlg.h"

#include <gtest/gtest.h>

#include <QPushButton>

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

TEST_F(TransDlgTest, NoPictureCannotBeEdited) {
  EXPECT_FALSE(CMakeTransDlg::Edit(nullptr, 1, 0, nullptr));
  EXPECT_EQ(messages.Ids(), std::vector<int>{msg::ImageSetFailed});
}

}  // namespace
