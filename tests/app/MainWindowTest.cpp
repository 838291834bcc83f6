#include "app/MainWindow.h"

#include <gtest/gtest.h>

#include "SettingsReset.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>

#include "AppFixtures.h"
#include "MessageRecorder.h"
#include "app/MiradoDoc.h"
#include "app/RecentFiles.h"
#include "app/store/StringTable.h"

namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    support::ClearSettings();
    ASSERT_TRUE(appfixtures::SaveSample(dir.filePath("talk.tvl")));
    FileDialogs dialogs;
    dialogs.open = [this](QWidget*) { return openAnswer; };
    dialogs.saveAs = [this](QWidget*, const QString&) { return saveAnswer; };
    window = std::make_unique<MainWindow>(file, dialogs);
  }

  QStringList FileMenuTexts() {
    QMenu* menu = window->menuBar()->actions().first()->menu();
    emit menu->aboutToShow();
    QStringList texts;
    for (QAction* a : menu->actions())
      if (!a->isSeparator()) texts << a->text();
    return texts;
  }

  QTemporaryDir dir;
  Document doc;
  CMiradoDoc file{doc};
  MessageRecorder messages;
  QString openAnswer, saveAnswer;
  std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, FileMenuComesFromTheCommandTable) {
  const QStringList texts = FileMenuTexts();
  EXPECT_EQ(texts, (QStringList{"新規作成(&N)", "開く(&O)...", "上書き保存(&S)", "名前を付けて保存(&A)...",
                                "イメージとして保存(&I)", "PDFに保存(&F)", "終了(&X)"}));
  EXPECT_STREQ(window->Commands().Find(ID_FILE_SAVE_AS)->name, "ID_FILE_SAVE_AS");
  EXPECT_EQ(window->Commands().FindByName("ID_APP_EXIT")->id, ID_APP_EXIT);
}

TEST_F(MainWindowTest, OpeningShowsTheNameAndAddsARecentFile) {
  openAnswer = dir.filePath("talk.tvl");
  window->Commands().Run(ID_FILE_OPEN);
  EXPECT_EQ(doc.ObjCount(), 3);
  EXPECT_TRUE(window->windowTitle().startsWith("talk.tvl"));
  EXPECT_EQ(LoadRecentFiles(), QStringList{dir.filePath("talk.tvl")});
  EXPECT_TRUE(FileMenuTexts().contains("&1 talk.tvl"));
  EXPECT_FALSE(window->Commands().IsEnabled(ID_FILE_MRU_FILE1 + 1));
}

TEST_F(MainWindowTest, AModifiedDocumentAsksBeforeItIsReplaced) {
  AddRecentFile(dir.filePath("talk.tvl"));
  file.SetModifiedFlag();

  messages.answers = {IDCANCEL};
  window->Commands().Run(ID_FILE_MRU_FILE1);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].id, IDP_ASK_TO_SAVE);
  EXPECT_EQ(messages.messages[0].prefix, QString::fromUtf8("無題"));
  EXPECT_EQ(messages.messages[0].style, MsgStyle::YesNoCancel);
  EXPECT_EQ(doc.ObjCount(), 0);  // cancelled: nothing replaced
  EXPECT_TRUE(file.IsModified());

  messages.answers = {IDNO};
  window->Commands().Run(ID_FILE_MRU_FILE1);
  EXPECT_EQ(doc.ObjCount(), 3);
}

TEST_F(MainWindowTest, YesSavesAnUntitledDocumentUnderTheChosenNameFirst) {
  file.SetModifiedFlag();
  saveAnswer = dir.filePath("fresh");  // the extension is added
  messages.answers = {IDYES};
  window->Commands().Run(ID_FILE_NEW);
  EXPECT_TRUE(QFile::exists(dir.filePath("fresh.tvl")));
  EXPECT_FALSE(file.IsModified());
  EXPECT_TRUE(file.PathName().isEmpty());  // then the new document
}

TEST_F(MainWindowTest, CancellingTheSaveDialogKeepsTheWindowOpen) {
  window->show();
  file.SetModifiedFlag();
  saveAnswer.clear();
  messages.answers = {IDYES};
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  messages.answers = {IDNO};
  EXPECT_TRUE(window->close());
}

}  // namespace
