// The five semi-transparent dialogs: each opens at the opacity kept under its
// own "Trans" key, never below 150, and a right click on it keeps a new one there.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSlider>
#include <QTest>
#include <functional>
#include <memory>

#include "ModalScript.h"
#include "SettingsReset.h"
#include "app/KansetDlg.h"
#include "app/PageDlg.h"
#include "app/ResultDlg.h"
#include "app/ShowSet.h"
#include "app/TimeSetDlg.h"
#include "base/Settings.h"
#include "core/Document.h"
#include "show/SlideSource.h"
#include "show/TransDlg.h"

namespace {

class GreySlides : public SlideSource {
 public:
  int SlideCount() const override { return 3; }
  bool RenderSlide(int, float, QImage& target) override {
    target.fill(Qt::gray);
    return true;
  }
};

TEST(DialogOpacityTest, EachDialogReadsAndKeepsItsOwnOpacity) {
  Document doc;
  GreySlides slides;
  const std::pair<const char*, std::function<std::unique_ptr<QDialog>()>> dialogs[] = {
      {"Kanset", [] { return std::make_unique<CKansetDlg>(KansetValues{}); }},
      {"Page", [&] { return std::make_unique<CPageDlg>(doc, QSize(1024, 768), ScreenDpi{}); }},
      {"Result",
       [&] {
         return std::make_unique<CResultDlg>(ShowMode::RehearsalMeasure, std::vector<int>{5, 6, 7}, QSize(400, 300),
                                             slides, [](const std::vector<std::uint16_t>&) {});
       }},
      {"ShowSet", [&] { return std::make_unique<CShowSet>(FormFromHeader(doc.Header())); }},
      {"TimeSet", [] { return std::make_unique<CTimeSetDlg>(std::vector<int>{10, 20}, 0); }},
  };
  for (const auto& [key, open] : dialogs) {
    SCOPED_TRACE(key);
    support::ClearSettings();
    WriteInt("Trans", key, 100);  // more transparent than allowed
    const std::unique_ptr<QDialog> dialog = open();
    dialog->show();
    EXPECT_NEAR(dialog->windowOpacity(), kMinOpacity / 255.0, 0.01);

    bool sliderOpened = false;
    ModalScript script({ModalScript::On<CTransDlg>([&](CTransDlg& slider) {
      sliderOpened = true;
      slider.Slider()->setValue(230);
      slider.reject();  // a click outside closes it
    })});
    QTest::mouseClick(dialog.get(), Qt::RightButton, {}, QPoint(2, 2));
    ASSERT_TRUE(sliderOpened);
    EXPECT_NEAR(dialog->windowOpacity(), 230 / 255.0, 0.01);
    EXPECT_EQ(GetInt("Trans", key, 220), 230);
    for (const auto& [other, unused] : dialogs)
      if (QString(other) != key) EXPECT_EQ(GetInt("Trans", other, 220), 220) << other;
  }
  support::ClearSettings();
}

}  // namespace
