// The ribbon in the real main window: built from the layout table and the
// command registry, its controls named after their commands, the number
// boxes' limits, minimising, full screen, key tips and the status panes.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <cstring>
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
#include "editor/Selection.h"
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

TEST_F(RibbonTest, EveryCommandOfTheLayoutIsRegisteredAndHasOneNamedControl) {
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
    ASSERT_TRUE(c) << e.name << " is not registered";
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
    ASSERT_TRUE(Commands().Find(e.id)) << e.name << " is not registered";
    EXPECT_STREQ(Commands().Find(e.id)->name, e.name);
    EXPECT_TRUE(app->findChild<QAction*>(QString::fromLatin1(e.name))) << e.name;
  }
  for (const RibbonEntry& e : TabRowLayout()) EXPECT_TRUE(Control(e.name)) << e.name;
  for (const QuickAccessEntry& q : QuickAccessLayout()) {
    const Command* c = Commands().Find(q.id);
    ASSERT_TRUE(c) << q.id;
    auto* button = Control(QStringLiteral("%1_QAT").arg(c->name).toLatin1().constData());
    ASSERT_TRUE(button) << c->name;
    EXPECT_EQ(button->isVisibleTo(window.get()), q.shown) << c->name;
  }
}

// What the menus of earlier versions offered is on the ribbon now.
TEST_F(RibbonTest, TheRibbonCarriesWhatTheMenusOffered) {
  const char* names[] = {"ID_UNDO",       "ID_REDO",         "ID_EDIT_COPY",      "ID_EDIT_PASTE",
                         "ID_EDIT_DELETE", "ID_SELECT_ALL",  "ID_TO_FRONT",       "ID_TO_BACK",
                         "ID_SWAP_ORDER", "ID_GUIDE",        "ID_TEXT_DLG",       "ID_PAGE_COPY",
                         "ID_PAGE_PASTE_CUR", "ID_PAGE_DELETE", "ID_PREV_SLIDE",  "ID_NEXT_SLIDE",
                         "ID_SEL_GRADE",  "ID_SET_CHARA",    "ID_ROUND_0",        "ID_SAME_WH",
                         "ID_HELP_DSP",   "ID_AUTO_SETTEI",  "ID_SHOW_SETTEI",    "ID_GET_TIME_MODE"};
  for (const char* name : names) {
    const QString n = QString::fromLatin1(name);
    EXPECT_TRUE(Bar().findChild<QWidget*>(n) || Bar().findChild<QAction*>(n)) << name;
  }
  EXPECT_TRUE(window->menuBar()->actions().isEmpty());

  // The 編集 panel works on the view's selection: all, copy, paste, to the back.
  Control<QToolButton>("ID_SELECT_ALL")->click();
  EXPECT_EQ(SelectedOnSlide(doc, 0), 2);
  Control<QToolButton>("ID_EDIT_COPY")->click();
  Control<QToolButton>("ID_EDIT_PASTE")->click();
  EXPECT_EQ(doc.ObjCount(), 5);
  EXPECT_TRUE(Commands().Run(ID_UNDO));
  EXPECT_EQ(doc.ObjCount(), 3);
  EXPECT_TRUE(messages.messages.empty());
}

// Text put on the clipboard before the program started can be pasted once
// the window is on the screen.
TEST_F(RibbonTest, WhatTheClipboardHeldAtStartCanBePastedOnceTheWindowShows) {
  window.reset();
  QGuiApplication::clipboard()->setText(QStringLiteral("before the start"));
  window = std::make_unique<MainWindow>(file);
  ASSERT_TRUE(window->OpenFile(dir.filePath("talk.tvl")));
  Activate();
  EXPECT_TRUE(QTest::qWaitFor([&] { return Control<QToolButton>("ID_EDIT_PASTE")->isEnabled(); }));
  EXPECT_TRUE(Commands().IsEnabled(ID_EDIT_PASTE));
  QGuiApplication::clipboard()->clear();
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
  EXPECT_EQ(Control("ID_TEXT_DLG")->toolTip(), QString::fromUtf8("【テキスト編集】\nテキストを編集します"));
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

// Each family of controls shows the primary object, and follows when another
// object becomes primary.
TEST_F(RibbonTest, TheControlsMirrorThePrimaryObjectFamilyByFamily) {
  file.Edits().Apply(EditKind::NoSnapshot, [](Document& d) {
    ObjectRecord& r = d.Object(1);
    std::strcpy(r.Text, "abc");
    std::strcpy(r.FontName, "Noto Sans");
    r.FontSize = 36, r.FontBold = 1, r.FontItalic = 0, r.FontDel = 1, r.FontUnder = 0;
    r.refText = 0x0000FF, r.refTextBk = 0x00FF00;
    r.AlineV = 2, r.AlineH = 0, r.WordWrap = 1;
    r.MarginL = 3, r.MarginR = 4, r.MarginT = 5, r.MarginB = 6;
    r.refMen = kNoColor, r.refLine = 0x123456, r.Futosa = 9, r.Curve = 1;
    r.refKage = 0x808080, r.KageX = 7, r.KageY = 2, r.LightDir = 6;
    return true;
  });
  window->View()->SelectNewObject(1);
  EXPECT_EQ(Control<QComboBox>("ID_FONT_NAME")->currentText(), "Noto Sans");
  const struct {
    const char* name;
    int value;
  } numbers[] = {{"ID_FONT_SIZE", 36}, {"ID_MARGIN_L", 3}, {"ID_MARGIN_R", 4}, {"ID_MARGIN_T", 5},
                 {"ID_MARGIN_B", 6},   {"ID_LINE_SIZE", 9}, {"ID_KAGE_X", 7},  {"ID_KAGE_Y", 2}};
  for (const auto& n : numbers) EXPECT_EQ(Control<QSpinBox>(n.name)->value(), n.value) << n.name;
  const struct {
    const char* name;
    bool checked;
  } toggles[] = {{"ID_FONT_BOLD", true}, {"ID_FONT_ITALIC", false}, {"ID_FONT_DEL", true},
                 {"ID_FONT_UNDER", false}, {"ID_V_TOP", false},     {"ID_V_BTM", true},
                 {"ID_H_LEFT", true},     {"ID_H_CEN", false},      {"ID_WORD_WRAP", true},
                 {"ID_CURVE_CHANGE", true}};
  for (const auto& t : toggles) EXPECT_EQ(Control<QToolButton>(t.name)->isChecked(), t.checked) << t.name;
  const struct {
    int id;
    COLORREF colour;
  } colours[] = {{320, 0x0000FF}, {329, 0x00FF00}, {394, kNoColor}, {32815, 0x123456}, {526, 0x808080}};
  for (const auto& c : colours) EXPECT_EQ(Bar().Read(c.id)->number, int(c.colour)) << c.id;
  EXPECT_TRUE(Bar().findChild<QAction*>("ID_BK_COL_NON")->isChecked()) << "no fill shows checked";
  EXPECT_EQ(Bar().Read(529)->number, 6) << "light direction";

  window->View()->SelectNewObject(0);
  EXPECT_NE(Control<QSpinBox>("ID_LINE_SIZE")->value(), 9);
  EXPECT_FALSE(Control<QToolButton>("ID_V_BTM")->isChecked());
  EXPECT_FALSE(Bar().findChild<QAction*>("ID_BK_COL_NON")->isChecked());
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
