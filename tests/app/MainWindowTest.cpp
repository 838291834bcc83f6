#include "app/MainWindow.h"

#include <gtest/gtest.h>

#include "SettingsReset.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "AppFixtures.h"
#include "RibbonFixtures.h"
#include "MessageRecorder.h"
#include "app/MiradoDoc.h"
#include "app/RecentFiles.h"
#include "app/Shortcuts.h"
#include "base/StringTable.h"
#include "core/container/Container.h"
#include "editor/MiradoView.h"
#include "editor/UndoRedo.h"

namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    support::ClearSettings();
    ASSERT_TRUE(appfixtures::SaveSample(dir.filePath("talk.tvl")));
    FileDialogs dialogs;
    dialogs.open = [this](QWidget*) { return openAnswer; };
    dialogs.saveAs = [this](QWidget*, const QString&) {
      ++saveAsked;
      return saveAnswer;
    };
    window = std::make_unique<MainWindow>(file, dialogs);
  }

  // The application button's menu, submenus flattened after their titles.
  QStringList FileMenuTexts() {
    QStringList texts;
    for (QAction* a : ribbonfixtures::ApplicationMenu(*window)->actions()) {
      if (a->isSeparator()) continue;
      texts << a->text();
      if (a->menu())
        for (QAction* item : a->menu()->actions()) texts << item->text();
    }
    return texts;
  }
  // The tab row's undo and redo buttons that are enabled, with their tooltips.
  QStringList UndoRedoTexts() {
    ribbonfixtures::Bar(*window).RefreshEnabled();
    QStringList texts;
    for (const char* name : {"ID_UNDO", "ID_REDO"})
      if (QToolButton* b = ribbonfixtures::Button(*window, name); b->isEnabled()) texts << b->toolTip();
    return texts;
  }

  // The window shown and active, so that its keys reach its commands.
  void Activate() {
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  QTemporaryDir dir;
  Document doc;
  CMiradoDoc file{doc};
  MessageRecorder messages;
  QString openAnswer, saveAnswer;
  int saveAsked = 0;
  std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, FileMenuComesFromTheCommandTable) {
  const QStringList texts = FileMenuTexts();
  EXPECT_EQ(texts, (QStringList{"新規作成(&N)\tCtrl+N", "開く(&O)...\tCtrl+O", "上書き保存(&S)\tCtrl+S",
                                "名前を付けて保存(&S)", "名前を付けて保存(&A)...\tCtrl+Shift+S", "出張ファイル作成(&D)",
                                "イメージとして保存(&I)", "PDFに保存(&F)", "印刷(&P)...\tCtrl+P", "設定(&M)",
                                "スライドサイズ設定", "最近使ったファイルの管理(&R)", "環境設定(&K)",
                                "バージョン情報(&A)", "終了(&X)"}));
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

// Opening a damaged file after answering いいえ to the save question shows
// why, and then the open document, its title, slide and view as they were.
TEST_F(MainWindowTest, AFailedOpenLeavesTheOpenDocumentAsItWas) {
  openAnswer = dir.filePath("talk.tvl");
  window->Commands().Run(ID_FILE_OPEN);
  ASSERT_EQ(doc.ObjCount(), 3);
  window->show();
  window->Commands().Run(ID_NEXT_SLIDE);
  window->View()->ChangeZoom(0.5f);
  window->View()->SelectNewObject(2);  // the picture on the second slide
  ASSERT_TRUE(file.IsModified());
  const QString title = window->windowTitle();

  QFile junk(dir.filePath("damaged.tvl"));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("MSCF but not a cabinet");
  junk.close();
  const QString data = dir.filePath("short.data");
  QFile shortData(data);
  ASSERT_TRUE(shortData.open(QIODevice::WriteOnly));
  shortData.write(appfixtures::ReadAll(dir.filePath("talk.tvl")).left(4));  // no data file at all
  shortData.close();
  ASSERT_TRUE(Pack(data, dir.filePath("short.tvl"), false));

  const std::pair<const char*, RecordedMessage> cases[] = {
      {"damaged.tvl", {30036, "[File Copy]\n", MsgStyle::Error}},
      {"short.tvl", {30019, "", MsgStyle::Error}},
  };
  for (const auto& [name, why] : cases) {
    SCOPED_TRACE(name);
    messages.messages.clear();
    messages.answers = {IDNO};
    openAnswer = dir.filePath(name);
    window->Commands().Run(ID_FILE_OPEN);
    ASSERT_EQ(messages.Ids(), (std::vector<int>{IDP_ASK_TO_SAVE, why.id}));
    EXPECT_EQ(messages.messages[1].prefix, why.prefix);
    EXPECT_EQ(doc.ObjCount(), 3);
    EXPECT_EQ(doc.PictureOf(2)->Save().size(), 1000);
    EXPECT_EQ(doc.Header().CurSlide, 1);
    EXPECT_FLOAT_EQ(doc.Header().Zoom, 0.5f);
    EXPECT_EQ(window->View()->Selection().primary, 2);
    EXPECT_EQ(window->windowTitle(), title);
    EXPECT_TRUE(file.IsModified());
    EXPECT_EQ(file.PathName(), dir.filePath("talk.tvl"));
  }
  EXPECT_EQ(LoadRecentFiles(), QStringList{dir.filePath("talk.tvl")});
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

TEST_F(MainWindowTest, TheTabRowUndoesAndRedoesWithItsKeys) {
  Activate();
  EXPECT_TRUE(window->menuBar()->actions().isEmpty());  // the ribbon carries every command
  EXPECT_TRUE(UndoRedoTexts().isEmpty());

  doc.Header().SlideCount = 2;
  file.Edits().Apply(EditKind::NoSnapshot, [](Document& d) { (void)d.AddObject(fixtures::Figure(objkind::Star)); });
  window->View()->SelectNewObject(0);
  file.SetModifiedFlag(false);
  file.Edits().Apply(EditKind::Undoable, [](Document& d) {
    d.Object(0).Slide = 1;  // moved onto the next slide, which is shown
    d.Header().CurSlide = 1;
    d.Header().Zoom = 2.0f;
  });
  EXPECT_EQ(UndoRedoTexts(), QStringList{"元に戻す"});

  file.SetModifiedFlag(false);
  window->setWindowModified(false);
  QTest::keyClick(window->View(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(doc.Object(0).Slide, 0);
  EXPECT_EQ(window->View()->Doc().Header().CurSlide, 0);
  EXPECT_FLOAT_EQ(doc.Header().Zoom, 1.0f);
  EXPECT_EQ(window->View()->Selection().primary, -1);
  EXPECT_TRUE(file.IsModified());
  EXPECT_TRUE(window->isWindowModified());
  EXPECT_EQ(UndoRedoTexts(), QStringList{"やり直し"});

  QTest::keyClick(window->View(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(doc.Object(0).Slide, 1);
  EXPECT_EQ(doc.Header().CurSlide, 1);
  QTest::keyClick(window->View(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(doc.Header().CurSlide, 1);  // nothing left to redo
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(MainWindowTest, OpeningOrStartingADocumentForgetsTheSteps) {
  file.Edits().Apply(EditKind::Undoable, [](Document& d) { d.Header().SlideCount = 3; });
  ASSERT_TRUE(window->Commands().IsEnabled(ID_UNDO));
  messages.answers = {IDNO};
  openAnswer = dir.filePath("talk.tvl");
  window->Commands().Run(ID_FILE_OPEN);
  EXPECT_FALSE(window->Commands().IsEnabled(ID_UNDO));

  file.Edits().Apply(EditKind::Undoable, [](Document& d) { d.Header().SlideCount = 3; });
  window->Commands().Run(ID_UNDO);
  ASSERT_TRUE(window->Commands().IsEnabled(ID_REDO));
  messages.answers = {IDNO};
  window->Commands().Run(ID_FILE_NEW);
  EXPECT_FALSE(window->Commands().IsEnabled(ID_REDO));
}

TEST_F(MainWindowTest, EveryKeyRunsACommandOfTheWindow) {
  Activate();
  for (const CommandShortcut& s : CommandShortcuts()) {
    EXPECT_NE(window->Commands().Find(s.id), nullptr) << s.keys;
  }
  file.SetModifiedFlag();
  messages.answers = {IDCANCEL};
  QTest::keyClick(window->View(), Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(messages.Ids(), std::vector<int>{IDP_ASK_TO_SAVE});  // 新規作成 asks first
  messages.messages.clear();
  saveAnswer.clear();  // the dialog cancelled
  QTest::keyClick(window->View(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(saveAsked, 1);  // 名前を付けて保存 asks for the name
  EXPECT_TRUE(file.IsModified());
}

}  // namespace
