// The gradient dialog: its cells and modes, the preview, the presets on disk,
// and ID_SEL_GRADE in the real main window.
#include "app/GradeDlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "MessageRecorder.h"
#include "RibbonFixtures.h"
#include "app/MainWindow.h"
#include "app/MiradoDoc.h"
#include "base/MessageIds.h"
#include "core/Document.h"
#include "editor/MiradoView.h"
#include "editor/UndoRedo.h"
#include "render/gdi/Dc.h"
#include "tests/core/DocFixtures.h"

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

GradeValue NoGradient() {
  GradeValue v;
  v.pattern = -1;
  return v;
}

class GradeDlgTest : public ::testing::Test {
 protected:
  std::unique_ptr<CGradeDlg> Open(const GradeValue& start, bool hasPrimary = true) {
    auto dlg = std::make_unique<CGradeDlg>(folder.path(), start, hasPrimary,
                                           [this](QWidget*, COLORREF) -> std::optional<COLORREF> {
                                             ++picked;
                                             return 0x345678;
                                           });
    dlg->show();
    return dlg;
  }

  static void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

  QTemporaryDir folder;
  MessageRecorder messages;
  int picked = 0;
};

TEST_F(GradeDlgTest, PatternButtonsShowTheCellsThePatternUsesAndThePreviewIsItsGradient) {
  auto dlg = Open(NoGradient(), false);
  EXPECT_EQ(dlg->windowTitle(), U("グラデーション設定"));
  EXPECT_TRUE(dlg->PatternButton(16)->isChecked());
  for (int cell = 0; cell < kGradeColours; ++cell) EXPECT_TRUE(dlg->Cell(cell)->isVisible()) << cell;
  EXPECT_TRUE(dlg->CentreLabel()->isVisible());
  EXPECT_FALSE(dlg->RoundBox()->isEnabled());  // the background does not turn
  EXPECT_EQ(dlg->PatternButton(12)->toolTip(), U("【グラデーションパターン】\n対角線方向（４分割）"));

  Click(dlg->PatternButton(12));
  EXPECT_FALSE(dlg->PatternButton(16)->isChecked());
  for (int cell = 0; cell < kGradeColours; ++cell)
    EXPECT_EQ(dlg->Cell(cell)->isVisible(), cell <= 3 || cell == 8) << cell;
  Click(dlg->PatternButton(0));
  EXPECT_FALSE(dlg->CentreLabel()->isVisible());
  EXPECT_EQ(dlg->Value().pattern, 0);

  // What the preview shows is FillGradient of the value over its square.
  Click(dlg->PatternButton(13));
  Click(dlg->ToolButton(3));  // reverse
  const QImage shown = dlg->Preview();
  QImage expected(shown.size(), QImage::Format_RGB32);
  expected.fill(Qt::white);
  gdi::Dc dc(expected);
  FillGradient(dc, dlg->Value().colours, 13, expected.rect());
  EXPECT_EQ(shown, expected);
  const QImage onScreen = dlg->findChild<QLabel*>("preview")->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(onScreen, expected);
}

TEST_F(GradeDlgTest, CellsArePickedCopiedAndPastedByTheModeButtons) {
  GradeValue start;
  start.pattern = 16;
  for (int i = 0; i < kGradeColours; ++i) start.colours[i] = 0x000011 * i;
  auto dlg = Open(start);
  Click(dlg->Cell(4));
  EXPECT_EQ(picked, 1);
  EXPECT_EQ(dlg->Value().colours[4], 0x345678);

  Click(dlg->ModeButton(GradeMode::Copy));
  Click(dlg->Cell(9));
  EXPECT_EQ(dlg->Value().colours[9], 0x000099);  // copying leaves the cell
  Click(dlg->ModeButton(GradeMode::Paste));
  Click(dlg->Cell(0));
  Click(dlg->Cell(16));
  EXPECT_EQ(dlg->Value().colours[0], 0x000099);
  EXPECT_EQ(dlg->Value().colours[16], 0x000099);
  EXPECT_EQ(picked, 1);  // the chooser opens only in pick mode

  dlg->RoundBox()->setChecked(true);
  Click(dlg->ApplyButton());
  EXPECT_EQ(dlg->result(), QDialog::Accepted);
  EXPECT_TRUE(dlg->Value().round);
}

TEST_F(GradeDlgTest, APresetIsSavedLoadedAndDeleted) {
  GradeValue start;
  start.pattern = 12;
  for (int i = 0; i < kGradeColours; ++i) start.colours[i] = 0x0A0B0C * i % 0xFFFFFF;
  {
    auto dlg = Open(start);
    EXPECT_FALSE(dlg->PresetUsed(3));
    Click(dlg->SaveButton(3));
    EXPECT_EQ(messages.Ids(), std::vector<int>{msg::SettingsSaved});
    EXPECT_TRUE(dlg->PresetUsed(3));
    EXPECT_FALSE(dlg->PresetBox(3)->icon().isNull());
  }
  EXPECT_TRUE(QFile::exists(folder.path() + "/Grade03.JPEG"));
  EXPECT_EQ(GradePresets(folder.path()).Read(3)->colours[7], start.colours[7]);

  messages.messages.clear();
  auto dlg = Open(NoGradient());
  ASSERT_TRUE(dlg->PresetUsed(3));
  Click(dlg->PresetBox(3));
  EXPECT_EQ(dlg->Value().pattern, 12);
  EXPECT_TRUE(dlg->PatternButton(12)->isChecked());
  EXPECT_EQ(dlg->Value().colours[1], start.colours[1]);

  Click(dlg->PresetBox(4));     // empty: nothing happens
  Click(dlg->DeleteButton(4));
  EXPECT_TRUE(messages.Ids().empty());

  Click(dlg->PatternButton(0));
  Click(dlg->SaveButton(3));  // over a used slot: asked, and No keeps it
  EXPECT_EQ(messages.Ids(), std::vector<int>{msg::AskOverwriteSettings});
  EXPECT_EQ(GradePresets(folder.path()).Read(3)->pattern, 12);

  messages.messages.clear();
  messages.answers = {IDYES};
  Click(dlg->DeleteButton(3));
  EXPECT_EQ(messages.Ids(), std::vector<int>{msg::AskDeleteSettings});
  EXPECT_FALSE(dlg->PresetUsed(3));
  EXPECT_FALSE(QFile::exists(folder.path() + "/Grade03.ini"));
  EXPECT_FALSE(QFile::exists(folder.path() + "/Grade03.JPEG"));
}

TEST_F(GradeDlgTest, APresetThatCannotBeReadIsShownEmptyAndNamedOnce) {
  {
    auto dlg = Open(NoGradient());
    Click(dlg->SaveButton(1));
    Click(dlg->SaveButton(6));
  }
  for (int slot : {1, 6}) {
    QFile ini(GradePresets(folder.path()).TextPath(slot));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(slot == 1 ? "[PAT08]\r\n" : "");  // a pattern that paints nothing; nothing at all
  }
  messages.messages.clear();
  auto dlg = Open(NoGradient());
  ASSERT_EQ(messages.Ids(), std::vector<int>{msg::SettingsLoadFailed});
  EXPECT_TRUE(messages.messages[0].prefix.contains("Grade01.ini"));
  EXPECT_TRUE(messages.messages[0].prefix.contains("Grade06.ini"));
  EXPECT_FALSE(dlg->PresetUsed(1));
  EXPECT_FALSE(dlg->PresetUsed(6));
  dlg->hide();
  dlg->show();
  Click(dlg->PresetBox(1));
  EXPECT_EQ(messages.Ids().size(), 1u);
  EXPECT_EQ(dlg->Value().pattern, 16);  // still the rainbow, not pattern 0
}

// Runs `fill` on the modal gradient dialog that `open` shows.
void WithGradeDlg(const std::function<void(CGradeDlg&)>& fill, const std::function<void()>& open) {
  bool found = false;
  QTimer::singleShot(0, [&] {
    if (auto* dlg = qobject_cast<CGradeDlg*>(QApplication::activeModalWidget())) {
      found = true;
      fill(*dlg);
    }
  });
  open();
  EXPECT_TRUE(found);
}

TEST_F(GradeDlgTest, TheRibbonButtonSetsTheSelectedObjectsOrTheBackgroundUndoably) {
  Document doc;
  doc.AddObject(fixtures::Figure(objkind::Ellipse));
  doc.Object(0).GradePattern = -1;
  doc.Header().BackGradePattern = -1;
  CMiradoDoc file(doc);
  MainWindow window(file);
  window.show();
  QToolButton* grade = ribbonfixtures::Button(window, "ID_SEL_GRADE");
  ASSERT_NE(grade, nullptr);
  EXPECT_TRUE(grade->isEnabled());

  window.View()->SelectNewObject(0);
  WithGradeDlg([](CGradeDlg& dlg) {
    EXPECT_TRUE(dlg.RoundBox()->isEnabled());
    QTest::mouseClick(dlg.PatternButton(10), Qt::LeftButton);
    QTest::mouseClick(dlg.ApplyButton(), Qt::LeftButton);
  }, [&] { grade->click(); });
  EXPECT_EQ(doc.Object(0).GradePattern, 10);
  EXPECT_EQ(doc.Object(0).refGrade[0], 0x0000FF);  // the rainbow it opened on
  EXPECT_EQ(doc.Object(0).refMen, 0xFFFFFF);
  EXPECT_TRUE(file.IsModified());

  window.View()->DeselectAll();
  WithGradeDlg([](CGradeDlg& dlg) {
    EXPECT_FALSE(dlg.RoundBox()->isEnabled());
    QTest::mouseClick(dlg.PatternButton(1), Qt::LeftButton);
    QTest::mouseClick(dlg.ApplyButton(), Qt::LeftButton);
  }, [&] { grade->click(); });
  EXPECT_EQ(doc.Header().BackGradePattern, 1);
  EXPECT_EQ(doc.Object(0).GradePattern, 10);

  WithGradeDlg([](CGradeDlg& dlg) { dlg.reject(); }, [&] { grade->click(); });  // 中止 changes nothing
  EXPECT_EQ(doc.Header().BackGradePattern, 1);

  ASSERT_TRUE(window.Commands().IsEnabled(ID_UNDO));
  window.Commands().Run(ID_UNDO);
  EXPECT_EQ(doc.Header().BackGradePattern, -1);
  EXPECT_EQ(doc.Object(0).GradePattern, 10);
  window.Commands().Run(ID_UNDO);
  EXPECT_EQ(doc.Object(0).GradePattern, -1);
}

}  // namespace
