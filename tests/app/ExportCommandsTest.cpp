#include "app/ExportCommands.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <cstring>

#include "AppFixtures.h"
#include "RibbonFixtures.h"
#include "MessageRecorder.h"
#include "SettingsReset.h"
#include "app/MainWindow.h"
#include "app/MiradoDoc.h"
#include "app/OutDlg.h"
#include "base/Settings.h"
#include "show/ShowSettings.h"

namespace {

struct SaveRequest {
  QString title, proposal, filter;
  bool confirmOverwrite;
};

// The real main window on a saved two-slide document, with the save dialog
// and the file manager replaced.
class ExportCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    support::ClearSettings();
    ASSERT_TRUE(appfixtures::SaveSample(dir.filePath("talk.tvl")));
    FileDialogs dialogs;
    dialogs.exports.saveFile = [this](QWidget*, const QString& title, const QString& proposal,
                                      const QString& filter, bool confirm) {
      requests.push_back({title, proposal, filter, confirm});
      return chosen;
    };
    dialogs.exports.showFolder = [this](const QString& folder) {
      shown << folder;
      return showWorks;
    };
    window = std::make_unique<MainWindow>(file, dialogs);
    ASSERT_TRUE(window->OpenFile(dir.filePath("talk.tvl")));
  }

  // Chooses the entry of the application menu (or of its submenus) as a user would.
  void Choose(const QString& label) {
    QMenu* menu = ribbonfixtures::ApplicationMenu(*window);
    for (QAction* a : menu->findChildren<QAction*>())
      if (a->text() == label) return a->trigger();
    FAIL() << "no menu entry " << label.toStdString();
  }

  // Chooses 出張ファイル作成 and hands the dialog to `use` once it is open.
  void WithPackageDialog(const std::function<void(COutDlg&)>& use) {
    bool opened = false;
    QTimer::singleShot(0, [&] {
      auto* dlg = qobject_cast<COutDlg*>(QApplication::activeModalWidget());
      ASSERT_NE(dlg, nullptr);
      opened = true;
      use(*dlg);
      if (dlg->isVisible()) dlg->reject();
    });
    Choose("出張ファイル作成(&D)");
    EXPECT_TRUE(opened);
  }

  QSize SlideSize() const { return QSize(doc.Header().SlideW, doc.Header().SlideH); }

  QTemporaryDir dir;
  Document doc;
  CMiradoDoc file{doc};
  MessageRecorder messages;
  std::unique_ptr<MainWindow> window;
  std::vector<SaveRequest> requests;
  QString chosen;
  QStringList shown;
  bool showWorks = true;
};

TEST_F(ExportCommandsTest, AllSlidesGoIntoAFolderNamedLikeTheDocument) {
  chosen = dir.filePath("talk");
  messages.answers = {IDYES, IDYES};
  Choose("イメージとして保存(&I)");
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].title, "保存するファイルを指定");
  EXPECT_EQ(requests[0].proposal, dir.filePath("talk"));
  EXPECT_TRUE(requests[0].filter.startsWith("JPEGファイル(*.jpeg)"));
  EXPECT_EQ(messages.Ids(), (std::vector<int>{30055, 30059}));
  EXPECT_EQ(messages.messages[1].prefix, dir.filePath("talk") + "\n");
  for (const char* name : {"Slide01.jpeg", "Slide02.jpeg"}) {
    QImageReader reader(dir.filePath("talk/") + name);
    EXPECT_EQ(reader.format(), "jpeg") << name;
    EXPECT_EQ(reader.size(), SlideSize()) << name;
  }
  EXPECT_EQ(shown, QStringList{dir.filePath("talk")});
}

TEST_F(ExportCommandsTest, AnExistingFolderIsUsedOnlyAfterYes) {
  ASSERT_TRUE(QDir(dir.path()).mkdir("talk"));
  chosen = dir.filePath("talk.png");  // the format comes from the extension
  messages.answers = {IDYES, IDNO};
  Choose("イメージとして保存(&I)");
  EXPECT_EQ(messages.Ids(), (std::vector<int>{30055, 30056}));
  EXPECT_TRUE(QDir(dir.filePath("talk")).isEmpty());

  messages.messages.clear();
  messages.answers = {IDYES, IDYES, IDNO};
  Choose("イメージとして保存(&I)");
  EXPECT_EQ(messages.Ids(), (std::vector<int>{30055, 30056, 30059}));
  EXPECT_EQ(QImageReader(dir.filePath("talk/Slide02.png")).format(), "png");
  EXPECT_TRUE(shown.isEmpty());
}

TEST_F(ExportCommandsTest, TheCurrentSlideGoesToOneFile) {
  chosen = dir.filePath("one");
  messages.answers = {IDNO, IDYES};
  showWorks = false;
  Choose("イメージとして保存(&I)");
  EXPECT_EQ(requests[0].proposal, dir.filePath("talk.jpeg"));
  EXPECT_FALSE(requests[0].confirmOverwrite);  // 30056 asks instead
  EXPECT_EQ(messages.Ids(), (std::vector<int>{30055, 30069, 30048}));
  QImageReader reader(dir.filePath("one.jpeg"));
  EXPECT_EQ(reader.format(), "jpeg");
  EXPECT_EQ(reader.size(), SlideSize());
  EXPECT_EQ(shown, QStringList{dir.path()});
}

TEST_F(ExportCommandsTest, CancelAsksNothingMore) {
  messages.answers = {IDCANCEL};
  Choose("イメージとして保存(&I)");
  messages.answers = {IDCANCEL};
  Choose("PDFに保存(&F)");
  EXPECT_EQ(messages.Ids(), (std::vector<int>{30055, 30081}));
  EXPECT_TRUE(requests.empty());
}

TEST_F(ExportCommandsTest, AllPagesGoIntoOnePdf) {
  chosen = dir.filePath("talk");  // the default extension is added
  messages.answers = {IDYES, IDYES};
  Choose("PDFに保存(&F)");
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].title, "保存するPDFファイルを指定");
  EXPECT_EQ(requests[0].proposal, dir.filePath("talk.PDF"));
  EXPECT_TRUE(requests[0].confirmOverwrite);
  EXPECT_EQ(messages.Ids(), (std::vector<int>{30081, 30069}));
  QProcess pages;
  pages.start(QPDF_TOOL, {"--show-npages", dir.filePath("talk.PDF")});
  ASSERT_TRUE(pages.waitForFinished());
  EXPECT_EQ(pages.readAll().trimmed(), "2");
  EXPECT_EQ(shown, QStringList{dir.path()});
}

TEST_F(ExportCommandsTest, OnlyAPdfNameIsAccepted) {
  chosen = dir.filePath("talk.txt");
  messages.answers = {IDNO};
  Choose("PDFに保存(&F)");
  EXPECT_EQ(messages.Ids(), (std::vector<int>{30081, 30083}));
  EXPECT_FALSE(QFile::exists(chosen));

  messages.messages.clear();
  chosen = dir.filePath("current.pdf");
  messages.answers = {IDNO, IDNO};
  Choose("PDFに保存(&F)");
  EXPECT_EQ(messages.Ids(), (std::vector<int>{30081, 30069}));
  EXPECT_TRUE(QFile::exists(chosen));
}

TEST_F(ExportCommandsTest, AOneSlideDocumentAsksNoQuestion) {
  doc.Header().SlideCount = 1;
  chosen = dir.filePath("single.pdf");
  Choose("PDFに保存(&F)");
  chosen = dir.filePath("single.bmp");
  Choose("イメージとして保存(&I)");
  EXPECT_EQ(messages.Ids(), (std::vector<int>{30069, 30069}));
  EXPECT_EQ(QImageReader(dir.filePath("single.bmp")).format(), "bmp");
}

TEST_F(ExportCommandsTest, ThePackageDialogShowsTheShowAndWritesIt) {
  DocHeader& h = doc.Header();
  h.SwitchTime[0] = 75;
  h.SwitchTime[1] = 3600;
  h.Transition[0] = TransitionCrossFade;
  h.Transition[1] = 99;
  h.MenuMode = 3;
  h.RepeatOnce = 0;
  h.NoEnlarge = 1;
  h.AutoSwitch = 0;
  std::strcpy(h.EndText, "Bye@now");
  chosen = dir.filePath("show");
  messages.answers = {IDYES};
  WithPackageDialog([&](COutDlg& dlg) {
    const std::pair<int, const char*> summary[] = {{1008, "2 枚"},   {1009, "最初の 3 秒間"}, {1011, "連続に繰り返す"},
                                                   {590, "拡大しない"}, {591, "しない"},          {592, "Bye\nnow"}};
    for (const auto& [id, text] : summary) EXPECT_EQ(dlg.Control<QLabel>(id)->text(), QString::fromUtf8(text)) << id;
    const QTableWidget* list = dlg.Control<QTableWidget>(1028);
    ASSERT_EQ(list->rowCount(), 2);
    const char* rows[2][4] = {{"1", "01:15", "01:15", "クロス・フェード"}, {"2", "01:00:00", "01:01:15", ""}};
    for (int r = 0; r < 2; ++r)
      for (int c = 0; c < 4; ++c) EXPECT_EQ(list->item(r, c)->text(), QString::fromUtf8(rows[r][c])) << r << c;
    dlg.Control<QPushButton>(1003)->click();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].title, "保存するファイルを指定");
    EXPECT_EQ(requests[0].proposal, dir.filePath("talk.run"));
    EXPECT_EQ(dlg.Control<QLineEdit>(1002)->text(), chosen);
    dlg.Control<QPushButton>(1)->click();
    EXPECT_FALSE(dlg.isVisible()) << "closed after a success";
  });
  EXPECT_EQ(messages.Ids(), std::vector<int>{30069});
  EXPECT_EQ(shown, QStringList{dir.path()});
  EXPECT_EQ(GetText("Last", "WritePath", QString()), chosen);
  QFile package(chosen);
  ASSERT_TRUE(package.open(QIODevice::ReadOnly));
  EXPECT_TRUE(package.permissions() & QFileDevice::ExeOwner);
  EXPECT_EQ(package.readAll().right(8).left(4).toHex(), "054627c0");
}

TEST_F(ExportCommandsTest, ThePackageDialogStaysOpenUntilItCanWrite) {
  const QString earlier = dir.filePath("talk.run");
  ASSERT_TRUE(QFile(earlier).open(QIODevice::WriteOnly));
  messages.answers = {IDNO, IDNO};
  WithPackageDialog([&](COutDlg& dlg) {
    QPushButton* create = dlg.Control<QPushButton>(1);
    create->click();  // no path
    EXPECT_TRUE(dlg.isVisible());
    dlg.Control<QLineEdit>(1002)->setText(earlier);
    create->click();  // an existing file, not to be overwritten
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.Control<QLineEdit>(1002)->text(), earlier);
  });
  EXPECT_EQ(messages.Ids(), (std::vector<int>{30067, 30056}));
  EXPECT_EQ(QFileInfo(earlier).size(), 0);
  // The path is kept for next time, though nothing was written.
  WithPackageDialog([&](COutDlg& dlg) { EXPECT_EQ(dlg.Control<QLineEdit>(1002)->text(), earlier); });
}

}  // namespace
