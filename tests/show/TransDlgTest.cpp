#include <gtest/gtest.h>

#include <QApplication>
#include <QSlider>
#include <QTimer>

#include "SettingsReset.h"
#include "base/Settings.h"
#include "show/TransDlg.h"

TEST(TransDlgTest, SliderRunsFrom150AtTheTopTo255AndAppliesAtOnce) {
  QWidget owner;
  CTransDlg slider(&owner, 90);  // out of range: brought in
  QSlider* s = slider.Slider();
  EXPECT_EQ(s->minimum(), 150);
  EXPECT_EQ(s->maximum(), 255);
  EXPECT_TRUE(s->invertedAppearance());
  EXPECT_EQ(slider.Opacity(), 150);
  s->setValue(204);
  EXPECT_NEAR(owner.windowOpacity(), 204 / 255.0, 0.01);
}

TEST(TransDlgTest, TheChosenOpacityIsKeptUnderItsKey) {
  support::ClearSettings();
  WriteInt("Trans", "ShowSet", 400);
  QWidget owner;
  ApplyDialogOpacity(&owner, "ShowSet");
  EXPECT_NEAR(owner.windowOpacity(), 1.0, 0.01);  // 400 clamps to 255
  QTimer::singleShot(0, [] {
    auto* slider = qobject_cast<CTransDlg*>(QApplication::activeModalWidget());
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->Opacity(), 255);
    slider->Slider()->setValue(170);
    slider->reject();  // a click outside
  });
  EXPECT_EQ(RunOpacitySlider(&owner, QPoint(10, 10), "ShowSet"), 170);
  EXPECT_EQ(GetInt("Trans", "ShowSet", 220), 170);
  support::ClearSettings();
}
