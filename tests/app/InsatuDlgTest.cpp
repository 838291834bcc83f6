// The print dialog on a machine without a printer, as a user works it: from
// the ファイル menu or Ctrl+P, into a PDF file.
#include "app/InsatuDlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "MessageRecorder.h"
#include "RibbonFixtures.h"
#include "SettingsReset.h"
#include "app/MainWindow.h"
#include "app/MiradoDoc.h"
#include "app/SheetPreview.h"
#include "editor/MiradoView.h"
#include "base/MessageIds.h"
#include "tests/export/ExportFixtures.h"

namespace {

QString Utf8(const char* text) { return QString::fromUtf8(text); }

int Pages(const QString& pdf) {
  QProcess p;
  p.start(QPDF_TOOL, {"--show-npages", pdf});
  p.waitForFinished();
  return p.readAllStandardOutput().trimmed().toInt();
}

// Seven slides; the set-up dialog and the file dialog replaced.
class InsatuDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    support::ClearSettings();
    exportfixtures::Slides(doc, 7);
    dialogs.setup = [this](QPrinter& printer, QWidget*) {
      ++setups;
      printer.setPageOrientation(QPageLayout::Landscape);
      return true;
    };
    dialogs.pdfFile = [this](QWidget*, const QString& proposal) {
      proposals << proposal;
      return chosen;
    };
  }

  Document doc;
  InsatuDialogs dialogs;
  int setups = 0;
  QStringList proposals;
  QString chosen;
  QTemporaryDir dir;
  MessageRecorder messages;
};

TEST_F(InsatuDlgTest, WithoutAPrinterItOpensOnAPdfFileAndTheStoredPaper) {
  CInsatuDlg dlg(doc, "talk.pdf", dialogs);
  dlg.show();
  EXPECT_EQ(dlg.Control<QLabel>(604)->text(), Utf8("PDFファイル"));
  EXPECT_EQ(dlg.Control<QLabel>(1009)->text(), "A4Sheet, 210x297mm");
  EXPECT_EQ(dlg.Control<QLabel>(1010)->text(), "210.0 X 297.0mm");
  EXPECT_TRUE(dlg.Control<QRadioButton>(1020)->isChecked());
  EXPECT_EQ(dlg.Control<QLabel>(1050)->text(), Utf8("/ 7頁"));
  EXPECT_TRUE(messages.messages.empty());  // no printer is nothing to tell

  // A turn is stored; so is what the set-up dialog changes.
  QTest::mouseClick(dlg.Control<QRadioButton>(1021), Qt::LeftButton);
  EXPECT_EQ(dlg.Control<QLabel>(1010)->text(), "297.0 X 210.0mm");
  EXPECT_EQ(GetInt("Insatu", "Orientation", 0), 2);
  QTest::mouseClick(dlg.Control<QRadioButton>(1020), Qt::LeftButton);
  EXPECT_EQ(GetInt("Insatu", "Orientation", 0), 1);
  QTest::mouseClick(dlg.Control<QPushButton>(1040), Qt::LeftButton);
  EXPECT_EQ(setups, 1);
  EXPECT_TRUE(dlg.Control<QRadioButton>(1021)->isChecked());
  EXPECT_EQ(GetInt("Insatu", "Orientation", 0), 2);
}

TEST_F(InsatuDlgTest, SlidesPerSheetSetThePageCountAndTheOrderButtons) {
  CInsatuDlg dlg(doc, "talk.pdf", dialogs);
  const struct {
    int button, sheets;
    bool order;
  } cases[] = {{1015, 2, true}, {1011, 4, false}, {1004, 7, false}};
  for (const auto& c : cases) {
    QTest::mouseClick(dlg.Control<QToolButton>(c.button), Qt::LeftButton);
    EXPECT_EQ(dlg.Sheets(), c.sheets);
    EXPECT_EQ(dlg.Control<QLabel>(1050)->text(), Utf8("/ %1頁").arg(c.sheets));
    EXPECT_EQ(dlg.Control<QLineEdit>(1019)->text(), QString::number(c.sheets));
    EXPECT_EQ(dlg.Control<QSpinBox>(1007)->maximum(), c.sheets);
    EXPECT_EQ(dlg.Control<QToolButton>(1026)->isEnabled(), c.order);
    EXPECT_EQ(dlg.Control<QToolButton>(1027)->isEnabled(), c.order);
  }
}

TEST_F(InsatuDlgTest, AMarginPastFiftyIsFiftyAndWhatIsShownIsWhatPrints) {
  WriteInt("Insatu", "MarginTmm", 60);
  WriteInt("Insatu", "MarginLmm", -5);
  CInsatuDlg dlg(doc, "talk.pdf", dialogs);
  dlg.show();
  EXPECT_EQ(dlg.Control<QSpinBox>(1006)->value(), 50);
  EXPECT_EQ(dlg.Options().margins.top, 50);
  EXPECT_EQ(dlg.Options().margins.left, 0);
  // Typed, 60 cannot stand: the edit keeps what it can take, and that is the margin.
  QSpinBox* bottom = dlg.Control<QSpinBox>(1013);
  bottom->selectAll();
  QTest::keyClicks(bottom, "60");
  bottom->interpretText();
  EXPECT_LE(bottom->value(), 50);
  EXPECT_EQ(dlg.Options().margins.bottom, bottom->value());
  EXPECT_EQ(bottom->text(), QString::number(bottom->value()) + " mm");
}

TEST_F(InsatuDlgTest, ThePreviewScalesItsMarginsWithItsPaper) {
  CInsatuDlg dlg(doc, "talk.pdf", dialogs);
  auto* preview = dlg.findChild<SheetPreview*>("1008");
  ASSERT_NE(preview, nullptr);
  for (const QSize size : {QSize(300, 400), QSize(600, 800)}) {
    preview->resize(size);
    const QRect paper = preview->PaperRect();
    const QRect content = preview->ContentRectShown();
    const double perMm = paper.width() / 210.0;
    EXPECT_NEAR(content.left() - paper.left(), 25 * perMm, 1.0) << size.width();
    EXPECT_NEAR(paper.right() - content.right(), 10 * perMm, 1.5) << size.width();
  }
}

TEST_F(InsatuDlgTest, ABadRangeIsRefusedAndTheDialogStaysOpen) {
  CInsatuDlg dlg(doc, "talk.pdf", dialogs);
  dlg.Control<QRadioButton>(1048)->setChecked(true);
  dlg.Control<QLineEdit>(1002)->setText("3");
  dlg.Control<QLineEdit>(1019)->setText("2");
  dlg.show();
  QTest::mouseClick(dlg.Control<QPushButton>(1), Qt::LeftButton);
  EXPECT_EQ(messages.Ids(), std::vector<int>{msg::PrintEndBeforeStart});
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_TRUE(proposals.isEmpty());
  // The choices are stored even so.
  EXPECT_EQ(GetInt("Insatu", "Hani", 0), 3);
}

TEST_F(InsatuDlgTest, PrintingAsksForThePdfFileAndWritesTheChosenSheets) {
  CInsatuDlg dlg(doc, "talk.pdf", dialogs);
  QTest::mouseClick(dlg.Control<QToolButton>(1011), Qt::LeftButton);  // two per sheet
  dlg.Control<QRadioButton>(1048)->setChecked(true);
  dlg.Control<QLineEdit>(1002)->setText("2");
  dlg.Control<QLineEdit>(1019)->setText("3");
  dlg.show();
  // Cancelling the file keeps the dialog open.
  QTest::mouseClick(dlg.Control<QPushButton>(1), Qt::LeftButton);
  EXPECT_EQ(proposals, QStringList{"talk.pdf"});
  EXPECT_TRUE(dlg.isVisible());

  chosen = dir.filePath("handout");  // the extension is added
  QTest::mouseClick(dlg.Control<QPushButton>(1), Qt::LeftButton);
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(Pages(dir.filePath("handout.pdf")), 2);
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(GetInt("Insatu", "Warituke", 0), 2);
}

TEST_F(InsatuDlgTest, TheFileMenuAndCtrlPOpenIt) {
  CMiradoDoc file(doc);
  FileDialogs none;
  none.print = dialogs;
  MainWindow window(file, none);
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QAction* print = ribbonfixtures::Action(window, "ID_FILE_PRINT");
  ASSERT_NE(print, nullptr);
  EXPECT_TRUE(print->text().startsWith(Utf8("印刷(&P)...")));
  EXPECT_TRUE(print->text().endsWith("Ctrl+P"));
  EXPECT_TRUE(print->isEnabled());

  int opened = 0;
  const auto close = [&opened] {
    QTimer::singleShot(0, [&opened] {
      auto* dlg = qobject_cast<CInsatuDlg*>(QApplication::activeModalWidget());
      ASSERT_NE(dlg, nullptr);
      ++opened;
      QTest::mouseClick(dlg->Control<QPushButton>(2), Qt::LeftButton);
    });
  };
  close();
  QTest::keyClick(window.View(), Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(opened, 1);
  close();
  print->trigger();
  EXPECT_EQ(opened, 2);
}

}  // namespace
