#include "app/ExportCommands.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QImageReader>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>

#include "AppFixtures.h"
#include "MessageRecorder.h"
#include "SettingsReset.h"
#include "app/MainWindow.h"
#include "app/MiradoDoc.h"

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

  // Chooses the entry of the ファイル menu as a user would.
  void Choose(const QString& label) {
    QMenu* menu = window->menuBar()->actions().first()->menu();
    emit menu->aboutToShow();
    for (QAction* a : menu->actions())
      if (a->text() == label) return a->trigger();
    FAIL() << "no menu entry " << label.toStdString();
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

}  // namespace
