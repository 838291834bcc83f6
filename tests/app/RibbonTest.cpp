// The ribbon in the real main window: built from the layout table and the
// command registry, its controls named after their commands, the number
// boxes' limits, minimising, full screen, key tips and the status panes.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <set>

#include "AppFixtures.h"
#include "MessageRecorder.h"
#include "SettingsReset.h"
#include "app/MainRibbon.h"
#include "app/MainWindow.h"
#include "app/RibbonKeyTips.h"
#include "app/RibbonLayout.h"
#include "app/StatusPanes.h"
#include "core/EditPath.h"
#include "editor/CommandRegistry.h"
#include "editor/MiradoView.h"
#include "editor/UndoRedo.h"

namespace {

class RibbonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    support::ClearSettings();
    ASSERT_TRUE(appfixtures::SaveSample(dir.filePath("talk.tvl")));
    window = std::make_unique<MainWindow>(file);
    ASSERT_TRUE(window->OpenFile(dir.filePath("talk.tvl")));
  }
  void Activate() {
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  Ribbon& Bar() { return window->RibbonBar()->Widget(); }
  template <typename T = QWidget>
  T* Control(const char* name) {
    return Bar().findChild<T*>(QString::fromLatin1(name));
  }
  const CommandRegistry& Commands() { return window->Commands(); }

  QTemporaryDir dir;
  Document doc;
  CMiradoDoc file{doc};
  MessageRecorder messages;
  std::unique_ptr<MainWindow> window;
};

TEST_F(RibbonTest, EveryRegisteredCommandOfTheLayoutHasOneNamedControl) {
  std::set<int> ids;
  for (auto layout : {HomeTabLayout(), ApplicationMenuLayout(), TabRowLayout()})
    for (const RibbonEntry& e : layout) EXPECT_TRUE(ids.insert(e.id).second) << e.name << " twice";
  // Open every drop-down once, so its entries exist.
  QMenu* app = Control<QToolButton>("ApplicationButton")->menu();
  emit app->aboutToShow();
  const std::span<const RibbonEntry> home = HomeTabLayout();
  for (std::size_t i = 0; i < home.size(); ++i) {
    const RibbonEntry& e = home[i];
    const Command* c = Commands().Find(e.id);
    if (!c) continue;
    EXPECT_STREQ(c->name, e.name);
    // A split button shows when one of its items is registered.
    bool shown = true;
    if (e.control == RibbonControl::SplitLarge || e.control == RibbonControl::SplitSmall) {
      shown = false;
      for (std::size_t k = i + 1; k < home.size() && home[k].control == RibbonControl::Item; ++k)
        shown = shown || Commands().Find(home[k].id);
    }
    const QString name = QString::fromLatin1(e.name);
    const bool found = Bar().findChild<QWidget*>(name) || Bar().findChild<QAction*>(name);
    EXPECT_EQ(found, shown) << e.name;
  }
  for (const RibbonEntry& e : ApplicationMenuLayout()) {
    if (!Commands().Find(e.id)) continue;
    EXPECT_TRUE(app->findChild<QAction*>(QString::fromLatin1(e.name))) << e.name;
  }
}

TEST_F(RibbonTest, TheCommandsTheWindowOwnsAreOnTheRibbonWithTheirLabels) {
  // Labels as the ribbon shows them: without mnemonic and "...".
  const struct {
    const char* name;
    const char* shown;
  } controls[] = {
      {"ID_ADD_PAGE", "スライド"},  {"ID_RIBBON_PBTN_1", "オブジェ\nクト"}, {"ID_SHOW_BTN", "開始"},
      {"ID_AUTO_SETTEI", "自動切替え時間\nの設定"},
      {"ID_SHOW_SETTEI", "スライドショー\nの設定"},
  };
  for (const auto& c : controls) {
    auto* button = Control<QToolButton>(c.name);
    ASSERT_TRUE(button) << c.name;
    EXPECT_EQ(button->text(), QString::fromUtf8(c.shown)) << c.name;
  }
  const struct {
    const char* name;
    const char* label;
  } items[] = {
      {"ID_ADD_MAE", "現在のスライドの前に新しいスライドを追加(&B)"},
      {"ID_FONT_BK_COL_NON", "文字背景色なし"},
      {"ID_BK_COL_NON", "塗りつぶさない"},
      {"ID_LINE_COL_NON", "枠線なし"},
      {"ID_LINE_SOLID", "実線"},
      {"ID_LINE_DOT", "点線"},
      {"ID_LINE_DOUBLET", "二重線"},
      {"ID_END_STYLE3", "四角形(&3)"},
      {"ID_KAGE_COL_NON", "影を付けない"},
      {"ID_HONBAN_MODE", "本番開始(&H)"},
      {"ID_TIME_CHANGE_MODE", "リハーサル(自動切替え)(&C)"},
  };
  for (const auto& i : items) {
    auto* action = Bar().findChild<QAction*>(QString::fromLatin1(i.name));
    ASSERT_TRUE(action) << i.name;
    EXPECT_EQ(action->text(), QString::fromUtf8(i.label));
  }
  // The tooltips that have no element of their own in the table sit on the
  // slide stepping buttons and the text button.
  EXPECT_EQ(Control("ID_NEXT_SLIDE")->toolTip(), QString::fromUtf8("【次のスライド】\n次のスライドをビューに表示します"));
  EXPECT_EQ(Control("ID_PREV_SLIDE")->toolTip(), QString::fromUtf8("【前のスライド】\n前のスライドをビューに表示します"));
  EXPECT_EQ(Control("ID_VIEW_FULLSCREEN")->toolTip(), QString::fromUtf8("ビューを全画面で表示します\nフルスクリーン (F11)"));
  EXPECT_EQ(Control<QComboBox>("ID_FONT_NAME")->currentText(), "Meiryo UI");
}

TEST_F(RibbonTest, NumberBoxesKeepToTheirRanges) {
  for (const NumberBoxRange& n : NumberBoxes()) {
    const RibbonEntry* entry = nullptr;
    for (const RibbonEntry& e : HomeTabLayout())
      if (e.id == n.id) entry = &e;
    ASSERT_TRUE(entry);
    auto* box = Control<QSpinBox>(entry->name);
    ASSERT_TRUE(box) << entry->name;
    EXPECT_EQ(box->minimum(), n.min) << entry->name;
    EXPECT_EQ(box->maximum(), n.max) << entry->name;
    box->setValue(n.max + 1);
    EXPECT_EQ(box->value(), n.max) << entry->name;
    box->setValue(n.min - 1);
    EXPECT_EQ(box->value(), n.min) << entry->name;
  }
  const struct {
    const char* name;
    int initial;
  } initial[] = {{"ID_FONT_SIZE", 11}, {"ID_MARGIN_L", 1}, {"ID_LINE_SIZE", 1}, {"ID_END_LEN", 5}, {"ID_KAGE_Y", 0}};
  MainWindow fresh(file);
  for (const auto& i : initial)
    EXPECT_EQ(fresh.RibbonBar()->Widget().findChild<QSpinBox*>(i.name)->value(), i.initial) << i.name;
}

TEST_F(RibbonTest, ARibbonChangeIsOneUndoStepAndNoChangeNone) {
  file.Edits().Apply(EditKind::NoSnapshot, [](Document& d) {
    d.Object(0).Futosa = 12;
    d.Object(1).Futosa = 3;
    return true;
  });
  window->View()->SelectNewObject(1);  // the ellipse
  auto* width = Control<QSpinBox>("ID_LINE_SIZE");
  ASSERT_TRUE(width->isEnabled());
  EXPECT_EQ(width->value(), 3);
  width->setValue(7);
  EXPECT_EQ(doc.Object(1).Futosa, 7);
  ASSERT_TRUE(Commands().Run(ID_UNDO));
  EXPECT_EQ(doc.Object(1).Futosa, 3);
  EXPECT_FALSE(Commands().IsEnabled(ID_UNDO)) << "one step";

  // The same value again, or an emptied box, changes nothing and leaves no step.
  window->View()->SelectNewObject(1);
  EXPECT_EQ(width->value(), 3);
  width->setValue(3);
  width->findChild<QLineEdit*>()->clear();
  QTest::keyClick(width, Qt::Key_Return);
  EXPECT_EQ(doc.Object(1).Futosa, 3);
  EXPECT_EQ(width->value(), 3);
  EXPECT_FALSE(Commands().IsEnabled(ID_UNDO));

  Bar().ChooseColour(394, 0x00FF00);
  EXPECT_EQ(doc.Object(1).refMen, 0x00FF00);
  QMenu* light = Bar().GalleryMenu(529);
  light->findChild<QToolButton*>("LightItem4")->click();
  EXPECT_EQ(doc.Object(1).LightDir, 4);

  // Another primary object: the controls show it.
  window->View()->SelectNewObject(0);
  EXPECT_EQ(width->value(), 12);
  window->View()->DeselectAll();
  Bar().ChooseColour(394, 0x0000FF);
  EXPECT_EQ(doc.Header().refBack, 0x0000FF) << "without a selection the fill colour is the slide's";
}

TEST_F(RibbonTest, SlideButtonsAndTheStatusBarFollowTheView) {
  StatusPanes& panes = window->RibbonBar()->Panes();
  EXPECT_EQ(panes.PaneLabel(StatusPanes::Slide)->text(), "1(2)");
  EXPECT_EQ(panes.PaneLabel(StatusPanes::Total)->text(), "3");
  Control<QToolButton>("ID_NEXT_SLIDE")->click();
  EXPECT_EQ(doc.Header().CurSlide, 1);
  EXPECT_EQ(panes.PaneLabel(StatusPanes::Slide)->text(), "2(1)");
  EXPECT_FALSE(Control("ID_NEXT_SLIDE")->isEnabled());
  Control<QToolButton>("ID_PREV_SLIDE")->click();
  EXPECT_EQ(doc.Header().CurSlide, 0);
  EXPECT_TRUE(panes.PaneLabel(StatusPanes::Object)->text().isEmpty());
  window->View()->SelectNewObject(1);
  EXPECT_FALSE(panes.PaneLabel(StatusPanes::Object)->text().isEmpty());
  EXPECT_FALSE(panes.PaneLabel(StatusPanes::Size)->text().isEmpty());
  for (const char* key : {"OBJECT", "POS", "SIZE", "CURSOR", "SLIDE", "TOTAL", "ZOOM"})
    EXPECT_FALSE(window->findChild<QLabel*>(key)->toolTip().isEmpty()) << key;
}

TEST_F(RibbonTest, MinimisingFullScreenAndTheSmallestWindow) {
  Activate();
  EXPECT_FALSE(Bar().IsMinimised());
  QTest::keyClick(window.get(), Qt::Key_F1, Qt::ControlModifier);
  EXPECT_TRUE(Bar().IsMinimised());
  QTest::mouseDClick(Control("HomeTab"), Qt::LeftButton);
  EXPECT_FALSE(Bar().IsMinimised());

  QTest::keyClick(window.get(), Qt::Key_F11);
  EXPECT_TRUE(window->isMaximized());
  EXPECT_TRUE(Bar().IsMinimised());
  QTest::keyClick(window.get(), Qt::Key_F11);
  EXPECT_FALSE(window->isMaximized());
  EXPECT_FALSE(Bar().IsMinimised());

  window->resize(100, 100);
  EXPECT_GE(window->width(), 400);
  EXPECT_GE(window->height(), 300);
}

TEST_F(RibbonTest, KeyTipsReachTheTabsControls) {
  Activate();
  RibbonKeyTips& tips = window->RibbonBar()->KeyTips();
  QTest::keyPress(window->View(), Qt::Key_Alt);
  QTest::keyRelease(window->View(), Qt::Key_Alt);
  ASSERT_TRUE(tips.Showing());
  EXPECT_TRUE(window->findChild<QLabel*>("KeyTip_H"));
  QTest::keyClick(window->View(), Qt::Key_H);
  ASSERT_TRUE(tips.Showing());
  QTest::keyClick(window->View(), Qt::Key_X);  // next slide
  EXPECT_FALSE(tips.Showing());
  EXPECT_EQ(doc.Header().CurSlide, 1);
  QTest::keyPress(window->View(), Qt::Key_Alt);
  QTest::keyRelease(window->View(), Qt::Key_Alt);
  QTest::keyClick(window->View(), Qt::Key_Escape);
  EXPECT_FALSE(tips.Showing());
}

}  // namespace
